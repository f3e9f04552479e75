icacls "D:\s_home\2031\mere.adeyemi" /inheritance:r /grant:r "HILLCREST\mere.adeyemi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\mere.adeyemi" /setowner "HILLCREST\mere.adeyemi" /t /c /q
icacls "D:\s_home\2031\oscar.adeyemi" /inheritance:r /grant:r "HILLCREST\oscar.adeyemi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\oscar.adeyemi" /setowner "HILLCREST\oscar.adeyemi" /t /c /q
icacls "D:\s_home\2031\renee.adeyemi" /inheritance:r /grant:r "HILLCREST\renee.adeyemi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\renee.adeyemi" /setowner "HILLCREST\renee.adeyemi" /t /c /q
icacls "D:\s_home\2031\kahu.bjork" /inheritance:r /grant:r "HILLCREST\kahu.bjork:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\kahu.bjork" /setowner "HILLCREST\kahu.bjork" /t /c /q
icacls "D:\s_home\2031\jean-luc.brennan" /inheritance:r /grant:r "HILLCREST\jean-luc.brennan:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\jean-luc.brennan" /setowner "HILLCREST\jean-luc.brennan" /t /c /q
icacls "D:\s_home\2031\sean.brennan" /inheritance:r /grant:r "HILLCREST\sean.brennan:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\sean.brennan" /setowner "HILLCREST\sean.brennan" /t /c /q
icacls "D:\s_home\2031\leila.chen" /inheritance:r /grant:r "HILLCREST\leila.chen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\leila.chen" /setowner "HILLCREST\leila.chen" /t /c /q
icacls "D:\s_home\2031\olivia.chen" /inheritance:r /grant:r "HILLCREST\olivia.chen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\olivia.chen" /setowner "HILLCREST\olivia.chen" /t /c /q
icacls "D:\s_home\2031\jack.d'arcy" /inheritance:r /grant:r "HILLCREST\jack.d'arcy:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\jack.d'arcy" /setowner "HILLCREST\jack.d'arcy" /t /c /q
icacls "D:\s_home\2031\maia.durand" /inheritance:r /grant:r "HILLCREST\maia.durand:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\maia.durand" /setowner "HILLCREST\maia.durand" /t /c /q
icacls "D:\s_home\2031\ivy.ferreira" /inheritance:r /grant:r "HILLCREST\ivy.ferreira:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\ivy.ferreira" /setowner "HILLCREST\ivy.ferreira" /t /c /q
icacls "D:\s_home\2031\amara.fonoti" /inheritance:r /grant:r "HILLCREST\amara.fonoti:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\amara.fonoti" /setowner "HILLCREST\amara.fonoti" /t /c /q
icacls "D:\s_home\2031\priya.fonoti" /inheritance:r /grant:r "HILLCREST\priya.fonoti:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\priya.fonoti" /setowner "HILLCREST\priya.fonoti" /t /c /q
icacls "D:\s_home\2031\tama.fonoti" /inheritance:r /grant:r "HILLCREST\tama.fonoti:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\tama.fonoti" /setowner "HILLCREST\tama.fonoti" /t /c /q
icacls "D:\s_home\2031\amara.haddad" /inheritance:r /grant:r "HILLCREST\amara.haddad:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\amara.haddad" /setowner "HILLCREST\amara.haddad" /t /c /q
icacls "D:\s_home\2031\aroha.horvath" /inheritance:r /grant:r "HILLCREST\aroha.horvath:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\aroha.horvath" /setowner "HILLCREST\aroha.horvath" /t /c /q
icacls "D:\s_home\2031\jose.horvath" /inheritance:r /grant:r "HILLCREST\jose.horvath:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\jose.horvath" /setowner "HILLCREST\jose.horvath" /t /c /q
icacls "D:\s_home\2031\anaru.hughes-parry" /inheritance:r /grant:r "HILLCREST\anaru.hughes-parry:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\anaru.hughes-parry" /setowner "HILLCREST\anaru.hughes-parry" /t /c /q
icacls "D:\s_home\2031\liam.jensen" /inheritance:r /grant:r "HILLCREST\liam.jensen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\liam.jensen" /setowner "HILLCREST\liam.jensen" /t /c /q
icacls "D:\s_home\2031\olivia.jensen" /inheritance:r /grant:r "HILLCREST\olivia.jensen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\olivia.jensen" /setowner "HILLCREST\olivia.jensen" /t /c /q
icacls "D:\s_home\2031\noah.kaur" /inheritance:r /grant:r "HILLCREST\noah.kaur:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\noah.kaur" /setowner "HILLCREST\noah.kaur" /t /c /q
icacls "D:\s_home\2031\wiremu.kereama" /inheritance:r /grant:r "HILLCREST\wiremu.kereama:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\wiremu.kereama" /setowner "HILLCREST\wiremu.kereama" /t /c /q
icacls "D:\s_home\2031\chloe.kowalski" /inheritance:r /grant:r "HILLCREST\chloe.kowalski:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\chloe.kowalski" /setowner "HILLCREST\chloe.kowalski" /t /c /q
icacls "D:\s_home\2031\jose.kowalski" /inheritance:r /grant:r "HILLCREST\jose.kowalski:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\jose.kowalski" /setowner "HILLCREST\jose.kowalski" /t /c /q
icacls "D:\s_home\2031\sofia.lindqvist" /inheritance:r /grant:r "HILLCREST\sofia.lindqvist:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\sofia.lindqvist" /setowner "HILLCREST\sofia.lindqvist" /t /c /q
icacls "D:\s_home\2031\chloe.moana" /inheritance:r /grant:r "HILLCREST\chloe.moana:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\chloe.moana" /setowner "HILLCREST\chloe.moana" /t /c /q
icacls "D:\s_home\2031\hana.moana" /inheritance:r /grant:r "HILLCREST\hana.moana:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\hana.moana" /setowner "HILLCREST\hana.moana" /t /c /q
icacls "D:\s_home\2031\tevita.moana" /inheritance:r /grant:r "HILLCREST\tevita.moana:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\tevita.moana" /setowner "HILLCREST\tevita.moana" /t /c /q
icacls "D:\s_home\2031\rawiri.muller" /inheritance:r /grant:r "HILLCREST\rawiri.muller:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\rawiri.muller" /setowner "HILLCREST\rawiri.muller" /t /c /q
icacls "D:\s_home\2031\aroha.ng" /inheritance:r /grant:r "HILLCREST\aroha.ng:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\aroha.ng" /setowner "HILLCREST\aroha.ng" /t /c /q
icacls "D:\s_home\2031\liam.nunez" /inheritance:r /grant:r "HILLCREST\liam.nunez:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\liam.nunez" /setowner "HILLCREST\liam.nunez" /t /c /q
icacls "D:\s_home\2031\rawiri.nunez" /inheritance:r /grant:r "HILLCREST\rawiri.nunez:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\rawiri.nunez" /setowner "HILLCREST\rawiri.nunez" /t /c /q
icacls "D:\s_home\2031\hemi.o'connor" /inheritance:r /grant:r "HILLCREST\hemi.o'connor:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\hemi.o'connor" /setowner "HILLCREST\hemi.o'connor" /t /c /q
icacls "D:\s_home\2031\sione.okafor" /inheritance:r /grant:r "HILLCREST\sione.okafor:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\sione.okafor" /setowner "HILLCREST\sione.okafor" /t /c /q
icacls "D:\s_home\2031\wiremu.okafor" /inheritance:r /grant:r "HILLCREST\wiremu.okafor:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\wiremu.okafor" /setowner "HILLCREST\wiremu.okafor" /t /c /q
icacls "D:\s_home\2031\leila.olsen" /inheritance:r /grant:r "HILLCREST\leila.olsen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\leila.olsen" /setowner "HILLCREST\leila.olsen" /t /c /q
icacls "D:\s_home\2031\rawiri.olsen" /inheritance:r /grant:r "HILLCREST\rawiri.olsen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\rawiri.olsen" /setowner "HILLCREST\rawiri.olsen" /t /c /q
icacls "D:\s_home\2031\ruby.quinn" /inheritance:r /grant:r "HILLCREST\ruby.quinn:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\ruby.quinn" /setowner "HILLCREST\ruby.quinn" /t /c /q
icacls "D:\s_home\2031\tomas.rangi" /inheritance:r /grant:r "HILLCREST\tomas.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\tomas.rangi" /setowner "HILLCREST\tomas.rangi" /t /c /q
icacls "D:\s_home\2031\olivia.rossi" /inheritance:r /grant:r "HILLCREST\olivia.rossi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\olivia.rossi" /setowner "HILLCREST\olivia.rossi" /t /c /q
icacls "D:\s_home\2031\tevita.sato" /inheritance:r /grant:r "HILLCREST\tevita.sato:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\tevita.sato" /setowner "HILLCREST\tevita.sato" /t /c /q
icacls "D:\s_home\2031\olivia.stclair" /inheritance:r /grant:r "HILLCREST\olivia.stclair:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\olivia.stclair" /setowner "HILLCREST\olivia.stclair" /t /c /q
icacls "D:\s_home\2031\sione.tipene" /inheritance:r /grant:r "HILLCREST\sione.tipene:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\sione.tipene" /setowner "HILLCREST\sione.tipene" /t /c /q
icacls "D:\s_home\2031\ana.vanderberg" /inheritance:r /grant:r "HILLCREST\ana.vanderberg:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\ana.vanderberg" /setowner "HILLCREST\ana.vanderberg" /t /c /q
icacls "D:\s_home\2031\lucy.walker" /inheritance:r /grant:r "HILLCREST\lucy.walker:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\lucy.walker" /setowner "HILLCREST\lucy.walker" /t /c /q
icacls "D:\s_home\2031\chloe.xu" /inheritance:r /grant:r "HILLCREST\chloe.xu:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\chloe.xu" /setowner "HILLCREST\chloe.xu" /t /c /q
icacls "D:\s_home\2031\hemi.xu" /inheritance:r /grant:r "HILLCREST\hemi.xu:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\hemi.xu" /setowner "HILLCREST\hemi.xu" /t /c /q
icacls "D:\s_home\2031\jean-luc.yildiz" /inheritance:r /grant:r "HILLCREST\jean-luc.yildiz:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\jean-luc.yildiz" /setowner "HILLCREST\jean-luc.yildiz" /t /c /q
icacls "D:\s_home\2031\ana.zhang" /inheritance:r /grant:r "HILLCREST\ana.zhang:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\ana.zhang" /setowner "HILLCREST\ana.zhang" /t /c /q
icacls "D:\s_home\2031\niamh.zhang" /inheritance:r /grant:r "HILLCREST\niamh.zhang:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2031\niamh.zhang" /setowner "HILLCREST\niamh.zhang" /t /c /q
icacls "D:\s_home\2030\chloe.bjork" /inheritance:r /grant:r "HILLCREST\chloe.bjork:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\chloe.bjork" /setowner "HILLCREST\chloe.bjork" /t /c /q
icacls "D:\s_home\2030\grace.bjork" /inheritance:r /grant:r "HILLCREST\grace.bjork:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\grace.bjork" /setowner "HILLCREST\grace.bjork" /t /c /q
icacls "D:\s_home\2030\sean.bjork" /inheritance:r /grant:r "HILLCREST\sean.bjork:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\sean.bjork" /setowner "HILLCREST\sean.bjork" /t /c /q
icacls "D:\s_home\2030\mateo.brennan" /inheritance:r /grant:r "HILLCREST\mateo.brennan:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\mateo.brennan" /setowner "HILLCREST\mateo.brennan" /t /c /q
icacls "D:\s_home\2030\noah.chen" /inheritance:r /grant:r "HILLCREST\noah.chen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\noah.chen" /setowner "HILLCREST\noah.chen" /t /c /q
icacls "D:\s_home\2030\aroha.dasilva" /inheritance:r /grant:r "HILLCREST\aroha.dasilva:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\aroha.dasilva" /setowner "HILLCREST\aroha.dasilva" /t /c /q
icacls "D:\s_home\2030\leila.dasilva" /inheritance:r /grant:r "HILLCREST\leila.dasilva:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\leila.dasilva" /setowner "HILLCREST\leila.dasilva" /t /c /q
icacls "D:\s_home\2030\tevita.durand" /inheritance:r /grant:r "HILLCREST\tevita.durand:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\tevita.durand" /setowner "HILLCREST\tevita.durand" /t /c /q
icacls "D:\s_home\2030\zoe.durand" /inheritance:r /grant:r "HILLCREST\zoe.durand:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\zoe.durand" /setowner "HILLCREST\zoe.durand" /t /c /q
icacls "D:\s_home\2030\sione.faleolo" /inheritance:r /grant:r "HILLCREST\sione.faleolo:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\sione.faleolo" /setowner "HILLCREST\sione.faleolo" /t /c /q
icacls "D:\s_home\2030\mere.fonoti" /inheritance:r /grant:r "HILLCREST\mere.fonoti:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\mere.fonoti" /setowner "HILLCREST\mere.fonoti" /t /c /q
icacls "D:\s_home\2030\maryjane.horvath" /inheritance:r /grant:r "HILLCREST\maryjane.horvath:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\maryjane.horvath" /setowner "HILLCREST\maryjane.horvath" /t /c /q
icacls "D:\s_home\2030\olivia.hughes-parry" /inheritance:r /grant:r "HILLCREST\olivia.hughes-parry:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\olivia.hughes-parry" /setowner "HILLCREST\olivia.hughes-parry" /t /c /q
icacls "D:\s_home\2030\jack.ihaka" /inheritance:r /grant:r "HILLCREST\jack.ihaka:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\jack.ihaka" /setowner "HILLCREST\jack.ihaka" /t /c /q
icacls "D:\s_home\2030\kenji.ihaka" /inheritance:r /grant:r "HILLCREST\kenji.ihaka:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\kenji.ihaka" /setowner "HILLCREST\kenji.ihaka" /t /c /q
icacls "D:\s_home\2030\maia.jensen" /inheritance:r /grant:r "HILLCREST\maia.jensen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\maia.jensen" /setowner "HILLCREST\maia.jensen" /t /c /q
icacls "D:\s_home\2030\niamh.jensen" /inheritance:r /grant:r "HILLCREST\niamh.jensen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\niamh.jensen" /setowner "HILLCREST\niamh.jensen" /t /c /q
icacls "D:\s_home\2030\ana.kereama" /inheritance:r /grant:r "HILLCREST\ana.kereama:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\ana.kereama" /setowner "HILLCREST\ana.kereama" /t /c /q
icacls "D:\s_home\2030\renee.kereama" /inheritance:r /grant:r "HILLCREST\renee.kereama:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\renee.kereama" /setowner "HILLCREST\renee.kereama" /t /c /q
icacls "D:\s_home\2030\ruby.kereama" /inheritance:r /grant:r "HILLCREST\ruby.kereama:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\ruby.kereama" /setowner "HILLCREST\ruby.kereama" /t /c /q
icacls "D:\s_home\2030\ethan.lindqvist" /inheritance:r /grant:r "HILLCREST\ethan.lindqvist:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\ethan.lindqvist" /setowner "HILLCREST\ethan.lindqvist" /t /c /q
icacls "D:\s_home\2030\leila.muller" /inheritance:r /grant:r "HILLCREST\leila.muller:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\leila.muller" /setowner "HILLCREST\leila.muller" /t /c /q
icacls "D:\s_home\2030\olivia.muller" /inheritance:r /grant:r "HILLCREST\olivia.muller:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\olivia.muller" /setowner "HILLCREST\olivia.muller" /t /c /q
icacls "D:\s_home\2030\finn.ng" /inheritance:r /grant:r "HILLCREST\finn.ng:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\finn.ng" /setowner "HILLCREST\finn.ng" /t /c /q
icacls "D:\s_home\2030\olivia.ng" /inheritance:r /grant:r "HILLCREST\olivia.ng:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\olivia.ng" /setowner "HILLCREST\olivia.ng" /t /c /q
icacls "D:\s_home\2030\zoe.novak" /inheritance:r /grant:r "HILLCREST\zoe.novak:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\zoe.novak" /setowner "HILLCREST\zoe.novak" /t /c /q
icacls "D:\s_home\2030\hemi.nunez" /inheritance:r /grant:r "HILLCREST\hemi.nunez:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\hemi.nunez" /setowner "HILLCREST\hemi.nunez" /t /c /q
icacls "D:\s_home\2030\renee.o'connor" /inheritance:r /grant:r "HILLCREST\renee.o'connor:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\renee.o'connor" /setowner "HILLCREST\renee.o'connor" /t /c /q
icacls "D:\s_home\2030\oscar.olsen" /inheritance:r /grant:r "HILLCREST\oscar.olsen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\oscar.olsen" /setowner "HILLCREST\oscar.olsen" /t /c /q
icacls "D:\s_home\2030\olivia.parata" /inheritance:r /grant:r "HILLCREST\olivia.parata:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\olivia.parata" /setowner "HILLCREST\olivia.parata" /t /c /q
icacls "D:\s_home\2030\eli.patel" /inheritance:r /grant:r "HILLCREST\eli.patel:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\eli.patel" /setowner "HILLCREST\eli.patel" /t /c /q
icacls "D:\s_home\2030\mia.patel" /inheritance:r /grant:r "HILLCREST\mia.patel:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\mia.patel" /setowner "HILLCREST\mia.patel" /t /c /q
icacls "D:\s_home\2030\kahu.quinn" /inheritance:r /grant:r "HILLCREST\kahu.quinn:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\kahu.quinn" /setowner "HILLCREST\kahu.quinn" /t /c /q
icacls "D:\s_home\2030\priya.quinn" /inheritance:r /grant:r "HILLCREST\priya.quinn:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\priya.quinn" /setowner "HILLCREST\priya.quinn" /t /c /q
icacls "D:\s_home\2030\olivia.rangi" /inheritance:r /grant:r "HILLCREST\olivia.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\olivia.rangi" /setowner "HILLCREST\olivia.rangi" /t /c /q
icacls "D:\s_home\2030\ivy.rossi" /inheritance:r /grant:r "HILLCREST\ivy.rossi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\ivy.rossi" /setowner "HILLCREST\ivy.rossi" /t /c /q
icacls "D:\s_home\2030\sofia.sato" /inheritance:r /grant:r "HILLCREST\sofia.sato:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\sofia.sato" /setowner "HILLCREST\sofia.sato" /t /c /q
icacls "D:\s_home\2030\tomas.sato" /inheritance:r /grant:r "HILLCREST\tomas.sato:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\tomas.sato" /setowner "HILLCREST\tomas.sato" /t /c /q
icacls "D:\s_home\2030\john.smith2" /inheritance:r /grant:r "HILLCREST\john.smith2:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\john.smith2" /setowner "HILLCREST\john.smith2" /t /c /q
icacls "D:\s_home\2030\chloe.stclair" /inheritance:r /grant:r "HILLCREST\chloe.stclair:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\chloe.stclair" /setowner "HILLCREST\chloe.stclair" /t /c /q
icacls "D:\s_home\2030\niamh.stclair" /inheritance:r /grant:r "HILLCREST\niamh.stclair:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\niamh.stclair" /setowner "HILLCREST\niamh.stclair" /t /c /q
icacls "D:\s_home\2030\tomas.tane" /inheritance:r /grant:r "HILLCREST\tomas.tane:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\tomas.tane" /setowner "HILLCREST\tomas.tane" /t /c /q
icacls "D:\s_home\2030\maia.tipene" /inheritance:r /grant:r "HILLCREST\maia.tipene:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\maia.tipene" /setowner "HILLCREST\maia.tipene" /t /c /q
icacls "D:\s_home\2030\ngaio.vanderberg" /inheritance:r /grant:r "HILLCREST\ngaio.vanderberg:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\ngaio.vanderberg" /setowner "HILLCREST\ngaio.vanderberg" /t /c /q
icacls "D:\s_home\2030\priya.vanderberg" /inheritance:r /grant:r "HILLCREST\priya.vanderberg:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\priya.vanderberg" /setowner "HILLCREST\priya.vanderberg" /t /c /q
icacls "D:\s_home\2030\tama.vanderberg" /inheritance:r /grant:r "HILLCREST\tama.vanderberg:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\tama.vanderberg" /setowner "HILLCREST\tama.vanderberg" /t /c /q
icacls "D:\s_home\2030\sione.varga" /inheritance:r /grant:r "HILLCREST\sione.varga:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\sione.varga" /setowner "HILLCREST\sione.varga" /t /c /q
icacls "D:\s_home\2030\ivy.walker" /inheritance:r /grant:r "HILLCREST\ivy.walker:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\ivy.walker" /setowner "HILLCREST\ivy.walker" /t /c /q
icacls "D:\s_home\2030\ana.yildiz" /inheritance:r /grant:r "HILLCREST\ana.yildiz:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\ana.yildiz" /setowner "HILLCREST\ana.yildiz" /t /c /q
icacls "D:\s_home\2030\liam.yildiz" /inheritance:r /grant:r "HILLCREST\liam.yildiz:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\liam.yildiz" /setowner "HILLCREST\liam.yildiz" /t /c /q
icacls "D:\s_home\2030\teao.yildiz" /inheritance:r /grant:r "HILLCREST\teao.yildiz:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2030\teao.yildiz" /setowner "HILLCREST\teao.yildiz" /t /c /q
icacls "D:\s_home\2029\ivy.adeyemi" /inheritance:r /grant:r "HILLCREST\ivy.adeyemi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ivy.adeyemi" /setowner "HILLCREST\ivy.adeyemi" /t /c /q
icacls "D:\s_home\2029\rawiri.adeyemi" /inheritance:r /grant:r "HILLCREST\rawiri.adeyemi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\rawiri.adeyemi" /setowner "HILLCREST\rawiri.adeyemi" /t /c /q
icacls "D:\s_home\2029\ben.bjork" /inheritance:r /grant:r "HILLCREST\ben.bjork:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ben.bjork" /setowner "HILLCREST\ben.bjork" /t /c /q
icacls "D:\s_home\2029\jack.bjork" /inheritance:r /grant:r "HILLCREST\jack.bjork:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\jack.bjork" /setowner "HILLCREST\jack.bjork" /t /c /q
icacls "D:\s_home\2029\mere.bjork" /inheritance:r /grant:r "HILLCREST\mere.bjork:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\mere.bjork" /setowner "HILLCREST\mere.bjork" /t /c /q
icacls "D:\s_home\2029\wiremu.d'arcy" /inheritance:r /grant:r "HILLCREST\wiremu.d'arcy:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\wiremu.d'arcy" /setowner "HILLCREST\wiremu.d'arcy" /t /c /q
icacls "D:\s_home\2029\maryjane.dasilva" /inheritance:r /grant:r "HILLCREST\maryjane.dasilva:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\maryjane.dasilva" /setowner "HILLCREST\maryjane.dasilva" /t /c /q
icacls "D:\s_home\2029\sofia.dasilva" /inheritance:r /grant:r "HILLCREST\sofia.dasilva:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\sofia.dasilva" /setowner "HILLCREST\sofia.dasilva" /t /c /q
icacls "D:\s_home\2029\rawiri.durand" /inheritance:r /grant:r "HILLCREST\rawiri.durand:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\rawiri.durand" /setowner "HILLCREST\rawiri.durand" /t /c /q
icacls "D:\s_home\2029\emile.durand" /inheritance:r /grant:r "HILLCREST\emile.durand:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\emile.durand" /setowner "HILLCREST\emile.durand" /t /c /q
icacls "D:\s_home\2029\olivia.faleolo" /inheritance:r /grant:r "HILLCREST\olivia.faleolo:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\olivia.faleolo" /setowner "HILLCREST\olivia.faleolo" /t /c /q
icacls "D:\s_home\2029\chloe.ferreira" /inheritance:r /grant:r "HILLCREST\chloe.ferreira:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\chloe.ferreira" /setowner "HILLCREST\chloe.ferreira" /t /c /q
icacls "D:\s_home\2029\kenji.fonoti" /inheritance:r /grant:r "HILLCREST\kenji.fonoti:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\kenji.fonoti" /setowner "HILLCREST\kenji.fonoti" /t /c /q
icacls "D:\s_home\2029\maryjane.fonoti" /inheritance:r /grant:r "HILLCREST\maryjane.fonoti:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\maryjane.fonoti" /setowner "HILLCREST\maryjane.fonoti" /t /c /q
icacls "D:\s_home\2029\olivia.fonoti" /inheritance:r /grant:r "HILLCREST\olivia.fonoti:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\olivia.fonoti" /setowner "HILLCREST\olivia.fonoti" /t /c /q
icacls "D:\s_home\2029\maia.haddad" /inheritance:r /grant:r "HILLCREST\maia.haddad:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\maia.haddad" /setowner "HILLCREST\maia.haddad" /t /c /q
icacls "D:\s_home\2029\mere.horvath" /inheritance:r /grant:r "HILLCREST\mere.horvath:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\mere.horvath" /setowner "HILLCREST\mere.horvath" /t /c /q
icacls "D:\s_home\2029\jean-luc.hughes-parr" /inheritance:r /grant:r "HILLCREST\jean-luc.hughes-parr:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\jean-luc.hughes-parr" /setowner "HILLCREST\jean-luc.hughes-parr" /t /c /q
icacls "D:\s_home\2029\ivy.kaur" /inheritance:r /grant:r "HILLCREST\ivy.kaur:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ivy.kaur" /setowner "HILLCREST\ivy.kaur" /t /c /q
icacls "D:\s_home\2029\lucy.kaur" /inheritance:r /grant:r "HILLCREST\lucy.kaur:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\lucy.kaur" /setowner "HILLCREST\lucy.kaur" /t /c /q
icacls "D:\s_home\2029\rawiri.kereama" /inheritance:r /grant:r "HILLCREST\rawiri.kereama:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\rawiri.kereama" /setowner "HILLCREST\rawiri.kereama" /t /c /q
icacls "D:\s_home\2029\jack.kowalski" /inheritance:r /grant:r "HILLCREST\jack.kowalski:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\jack.kowalski" /setowner "HILLCREST\jack.kowalski" /t /c /q
icacls "D:\s_home\2029\hemi.leroux" /inheritance:r /grant:r "HILLCREST\hemi.leroux:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\hemi.leroux" /setowner "HILLCREST\hemi.leroux" /t /c /q
icacls "D:\s_home\2029\mia.leroux" /inheritance:r /grant:r "HILLCREST\mia.leroux:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\mia.leroux" /setowner "HILLCREST\mia.leroux" /t /c /q
icacls "D:\s_home\2029\liam.macleod" /inheritance:r /grant:r "HILLCREST\liam.macleod:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\liam.macleod" /setowner "HILLCREST\liam.macleod" /t /c /q
icacls "D:\s_home\2029\kahu.moana" /inheritance:r /grant:r "HILLCREST\kahu.moana:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\kahu.moana" /setowner "HILLCREST\kahu.moana" /t /c /q
icacls "D:\s_home\2029\zoe.muller" /inheritance:r /grant:r "HILLCREST\zoe.muller:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\zoe.muller" /setowner "HILLCREST\zoe.muller" /t /c /q
icacls "D:\s_home\2029\jean-luc.novak" /inheritance:r /grant:r "HILLCREST\jean-luc.novak:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\jean-luc.novak" /setowner "HILLCREST\jean-luc.novak" /t /c /q
icacls "D:\s_home\2029\ruby.novak" /inheritance:r /grant:r "HILLCREST\ruby.novak:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ruby.novak" /setowner "HILLCREST\ruby.novak" /t /c /q
icacls "D:\s_home\2029\hana.o'connor" /inheritance:r /grant:r "HILLCREST\hana.o'connor:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\hana.o'connor" /setowner "HILLCREST\hana.o'connor" /t /c /q
icacls "D:\s_home\2029\maia.olsen" /inheritance:r /grant:r "HILLCREST\maia.olsen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\maia.olsen" /setowner "HILLCREST\maia.olsen" /t /c /q
icacls "D:\s_home\2029\emile.olsen" /inheritance:r /grant:r "HILLCREST\emile.olsen:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\emile.olsen" /setowner "HILLCREST\emile.olsen" /t /c /q
icacls "D:\s_home\2029\mateo.parata" /inheritance:r /grant:r "HILLCREST\mateo.parata:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\mateo.parata" /setowner "HILLCREST\mateo.parata" /t /c /q
icacls "D:\s_home\2029\tama.parata" /inheritance:r /grant:r "HILLCREST\tama.parata:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\tama.parata" /setowner "HILLCREST\tama.parata" /t /c /q
icacls "D:\s_home\2029\emile.parata" /inheritance:r /grant:r "HILLCREST\emile.parata:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\emile.parata" /setowner "HILLCREST\emile.parata" /t /c /q
icacls "D:\s_home\2029\ben.rangi" /inheritance:r /grant:r "HILLCREST\ben.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ben.rangi" /setowner "HILLCREST\ben.rangi" /t /c /q
icacls "D:\s_home\2029\kenji.rangi" /inheritance:r /grant:r "HILLCREST\kenji.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\kenji.rangi" /setowner "HILLCREST\kenji.rangi" /t /c /q
icacls "D:\s_home\2029\ruby.rangi" /inheritance:r /grant:r "HILLCREST\ruby.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ruby.rangi" /setowner "HILLCREST\ruby.rangi" /t /c /q
icacls "D:\s_home\2029\sofia.rangi" /inheritance:r /grant:r "HILLCREST\sofia.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\sofia.rangi" /setowner "HILLCREST\sofia.rangi" /t /c /q
icacls "D:\s_home\2029\teao.sato" /inheritance:r /grant:r "HILLCREST\teao.sato:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\teao.sato" /setowner "HILLCREST\teao.sato" /t /c /q
icacls "D:\s_home\2029\anaru.smith-jones" /inheritance:r /grant:r "HILLCREST\anaru.smith-jones:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\anaru.smith-jones" /setowner "HILLCREST\anaru.smith-jones" /t /c /q
icacls "D:\s_home\2029\chloe.tane" /inheritance:r /grant:r "HILLCREST\chloe.tane:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\chloe.tane" /setowner "HILLCREST\chloe.tane" /t /c /q
icacls "D:\s_home\2029\noah.tane" /inheritance:r /grant:r "HILLCREST\noah.tane:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\noah.tane" /setowner "HILLCREST\noah.tane" /t /c /q
icacls "D:\s_home\2029\wiremu.tane" /inheritance:r /grant:r "HILLCREST\wiremu.tane:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\wiremu.tane" /setowner "HILLCREST\wiremu.tane" /t /c /q
icacls "D:\s_home\2029\eli.tipene" /inheritance:r /grant:r "HILLCREST\eli.tipene:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\eli.tipene" /setowner "HILLCREST\eli.tipene" /t /c /q
icacls "D:\s_home\2029\wiremu.tipene" /inheritance:r /grant:r "HILLCREST\wiremu.tipene:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\wiremu.tipene" /setowner "HILLCREST\wiremu.tipene" /t /c /q
icacls "D:\s_home\2029\noah.vanderberg" /inheritance:r /grant:r "HILLCREST\noah.vanderberg:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\noah.vanderberg" /setowner "HILLCREST\noah.vanderberg" /t /c /q
icacls "D:\s_home\2029\tomas.vance" /inheritance:r /grant:r "HILLCREST\tomas.vance:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\tomas.vance" /setowner "HILLCREST\tomas.vance" /t /c /q
icacls "D:\s_home\2029\ana.walker" /inheritance:r /grant:r "HILLCREST\ana.walker:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ana.walker" /setowner "HILLCREST\ana.walker" /t /c /q
icacls "D:\s_home\2029\ethan.walker" /inheritance:r /grant:r "HILLCREST\ethan.walker:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\ethan.walker" /setowner "HILLCREST\ethan.walker" /t /c /q
icacls "D:\s_home\2029\tama.whitlock" /inheritance:r /grant:r "HILLCREST\tama.whitlock:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2029\tama.whitlock" /setowner "HILLCREST\tama.whitlock" /t /c /q
icacls "D:\s_home\2028\noah.hughes-parry" /inheritance:r /grant:r "HILLCREST\noah.hughes-parry:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2028\noah.hughes-parry" /setowner "HILLCREST\noah.hughes-parry" /t /c /q
icacls "D:\s_home\2028\ivy.o'connor" /inheritance:r /grant:r "HILLCREST\ivy.o'connor:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2028\ivy.o'connor" /setowner "HILLCREST\ivy.o'connor" /t /c /q
icacls "D:\s_home\2028\kenji.smith-jones" /inheritance:r /grant:r "HILLCREST\kenji.smith-jones:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2028\kenji.smith-jones" /setowner "HILLCREST\kenji.smith-jones" /t /c /q
icacls "D:\s_home\2027\jean-luc.durand" /inheritance:r /grant:r "HILLCREST\jean-luc.durand:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2027\jean-luc.durand" /setowner "HILLCREST\jean-luc.durand" /t /c /q
icacls "D:\s_home\2027\jean-luc.ferreira" /inheritance:r /grant:r "HILLCREST\jean-luc.ferreira:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2027\jean-luc.ferreira" /setowner "HILLCREST\jean-luc.ferreira" /t /c /q
icacls "D:\s_home\2027\ngaio.hughes-parry" /inheritance:r /grant:r "HILLCREST\ngaio.hughes-parry:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2027\ngaio.hughes-parry" /setowner "HILLCREST\ngaio.hughes-parry" /t /c /q
icacls "D:\s_home\2027\renee.hughes-parry" /inheritance:r /grant:r "HILLCREST\renee.hughes-parry:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2027\renee.hughes-parry" /setowner "HILLCREST\renee.hughes-parry" /t /c /q
icacls "D:\s_home\2027\jean-luc.lindqvist" /inheritance:r /grant:r "HILLCREST\jean-luc.lindqvist:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2027\jean-luc.lindqvist" /setowner "HILLCREST\jean-luc.lindqvist" /t /c /q
icacls "D:\s_home\2027\jean-luc.nunez" /inheritance:r /grant:r "HILLCREST\jean-luc.nunez:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2027\jean-luc.nunez" /setowner "HILLCREST\jean-luc.nunez" /t /c /q
icacls "D:\s_home\2027\jean-luc.vanderberg" /inheritance:r /grant:r "HILLCREST\jean-luc.vanderberg:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2027\jean-luc.vanderberg" /setowner "HILLCREST\jean-luc.vanderberg" /t /c /q
icacls "D:\s_home\2026\amara.d'arcy" /inheritance:r /grant:r "HILLCREST\amara.d'arcy:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\amara.d'arcy" /setowner "HILLCREST\amara.d'arcy" /t /c /q
icacls "D:\s_home\2026\kenji.d'arcy" /inheritance:r /grant:r "HILLCREST\kenji.d'arcy:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\kenji.d'arcy" /setowner "HILLCREST\kenji.d'arcy" /t /c /q
icacls "D:\s_home\2026\ruby.d'arcy" /inheritance:r /grant:r "HILLCREST\ruby.d'arcy:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\ruby.d'arcy" /setowner "HILLCREST\ruby.d'arcy" /t /c /q
icacls "D:\s_home\2026\liam.hughes-parry" /inheritance:r /grant:r "HILLCREST\liam.hughes-parry:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\liam.hughes-parry" /setowner "HILLCREST\liam.hughes-parry" /t /c /q
icacls "D:\s_home\2026\niamh.ihaka" /inheritance:r /grant:r "HILLCREST\niamh.ihaka:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\niamh.ihaka" /setowner "HILLCREST\niamh.ihaka" /t /c /q
icacls "D:\s_home\2026\mia.kereama" /inheritance:r /grant:r "HILLCREST\mia.kereama:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\mia.kereama" /setowner "HILLCREST\mia.kereama" /t /c /q
icacls "D:\s_home\2026\mere.kowalski" /inheritance:r /grant:r "HILLCREST\mere.kowalski:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\mere.kowalski" /setowner "HILLCREST\mere.kowalski" /t /c /q
icacls "D:\s_home\2026\mateo.leroux" /inheritance:r /grant:r "HILLCREST\mateo.leroux:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\mateo.leroux" /setowner "HILLCREST\mateo.leroux" /t /c /q
icacls "D:\s_home\2026\sean.leroux" /inheritance:r /grant:r "HILLCREST\sean.leroux:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\sean.leroux" /setowner "HILLCREST\sean.leroux" /t /c /q
icacls "D:\s_home\2026\renee.lindqvist" /inheritance:r /grant:r "HILLCREST\renee.lindqvist:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\renee.lindqvist" /setowner "HILLCREST\renee.lindqvist" /t /c /q
icacls "D:\s_home\2026\isla.macleod" /inheritance:r /grant:r "HILLCREST\isla.macleod:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\isla.macleod" /setowner "HILLCREST\isla.macleod" /t /c /q
icacls "D:\s_home\2026\mia.macleod" /inheritance:r /grant:r "HILLCREST\mia.macleod:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\mia.macleod" /setowner "HILLCREST\mia.macleod" /t /c /q
icacls "D:\s_home\2026\ivy.moana" /inheritance:r /grant:r "HILLCREST\ivy.moana:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\ivy.moana" /setowner "HILLCREST\ivy.moana" /t /c /q
icacls "D:\s_home\2026\maia.moana" /inheritance:r /grant:r "HILLCREST\maia.moana:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\maia.moana" /setowner "HILLCREST\maia.moana" /t /c /q
icacls "D:\s_home\2026\grace.murphy" /inheritance:r /grant:r "HILLCREST\grace.murphy:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\grace.murphy" /setowner "HILLCREST\grace.murphy" /t /c /q
icacls "D:\s_home\2026\emile.murphy" /inheritance:r /grant:r "HILLCREST\emile.murphy:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\emile.murphy" /setowner "HILLCREST\emile.murphy" /t /c /q
icacls "D:\s_home\2026\niamh.nakamura" /inheritance:r /grant:r "HILLCREST\niamh.nakamura:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\niamh.nakamura" /setowner "HILLCREST\niamh.nakamura" /t /c /q
icacls "D:\s_home\2026\mere.novak" /inheritance:r /grant:r "HILLCREST\mere.novak:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\mere.novak" /setowner "HILLCREST\mere.novak" /t /c /q
icacls "D:\s_home\2026\renee.novak" /inheritance:r /grant:r "HILLCREST\renee.novak:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\renee.novak" /setowner "HILLCREST\renee.novak" /t /c /q
icacls "D:\s_home\2026\ethan.okafor" /inheritance:r /grant:r "HILLCREST\ethan.okafor:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\ethan.okafor" /setowner "HILLCREST\ethan.okafor" /t /c /q
icacls "D:\s_home\2026\jean-luc.patel" /inheritance:r /grant:r "HILLCREST\jean-luc.patel:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\jean-luc.patel" /setowner "HILLCREST\jean-luc.patel" /t /c /q
icacls "D:\s_home\2026\ana.quinn" /inheritance:r /grant:r "HILLCREST\ana.quinn:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\ana.quinn" /setowner "HILLCREST\ana.quinn" /t /c /q
icacls "D:\s_home\2026\oscar.rangi" /inheritance:r /grant:r "HILLCREST\oscar.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\oscar.rangi" /setowner "HILLCREST\oscar.rangi" /t /c /q
icacls "D:\s_home\2026\teao.rangi" /inheritance:r /grant:r "HILLCREST\teao.rangi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\teao.rangi" /setowner "HILLCREST\teao.rangi" /t /c /q
icacls "D:\s_home\2026\mateo.rossi" /inheritance:r /grant:r "HILLCREST\mateo.rossi:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\mateo.rossi" /setowner "HILLCREST\mateo.rossi" /t /c /q
icacls "D:\s_home\2026\hemi.sato" /inheritance:r /grant:r "HILLCREST\hemi.sato:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\hemi.sato" /setowner "HILLCREST\hemi.sato" /t /c /q
icacls "D:\s_home\2026\finn.smith-jones" /inheritance:r /grant:r "HILLCREST\finn.smith-jones:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\finn.smith-jones" /setowner "HILLCREST\finn.smith-jones" /t /c /q
icacls "D:\s_home\2026\tomas.stclair" /inheritance:r /grant:r "HILLCREST\tomas.stclair:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\tomas.stclair" /setowner "HILLCREST\tomas.stclair" /t /c /q
icacls "D:\s_home\2026\ruby.tane" /inheritance:r /grant:r "HILLCREST\ruby.tane:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\ruby.tane" /setowner "HILLCREST\ruby.tane" /t /c /q
icacls "D:\s_home\2026\ben.tipene" /inheritance:r /grant:r "HILLCREST\ben.tipene:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\ben.tipene" /setowner "HILLCREST\ben.tipene" /t /c /q
icacls "D:\s_home\2026\tevita.tipene" /inheritance:r /grant:r "HILLCREST\tevita.tipene:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\tevita.tipene" /setowner "HILLCREST\tevita.tipene" /t /c /q
icacls "D:\s_home\2026\eli.vanderberg" /inheritance:r /grant:r "HILLCREST\eli.vanderberg:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\eli.vanderberg" /setowner "HILLCREST\eli.vanderberg" /t /c /q
icacls "D:\s_home\2026\emile.varga" /inheritance:r /grant:r "HILLCREST\emile.varga:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\emile.varga" /setowner "HILLCREST\emile.varga" /t /c /q
icacls "D:\s_home\2026\ana.walker2" /inheritance:r /grant:r "HILLCREST\ana.walker2:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\ana.walker2" /setowner "HILLCREST\ana.walker2" /t /c /q
icacls "D:\s_home\2026\oscar.xu" /inheritance:r /grant:r "HILLCREST\oscar.xu:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\oscar.xu" /setowner "HILLCREST\oscar.xu" /t /c /q
icacls "D:\s_home\2026\rawiri.yildiz" /inheritance:r /grant:r "HILLCREST\rawiri.yildiz:(OI)(CI)M" "*S-1-5-32-544:(OI)(CI)F" "*S-1-5-18:(OI)(CI)F" /c /q
icacls "D:\s_home\2026\rawiri.yildiz" /setowner "HILLCREST\rawiri.yildiz" /t /c /q
Del c:\exportad.*
Del c:\exprtad2.csv
