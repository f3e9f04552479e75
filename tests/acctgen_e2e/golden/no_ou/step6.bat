xcacls D:\s_home\mere.adeyemi /g mere.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mere.adeyemi /setowner=HILLCREST\mere.adeyemi
xcacls D:\s_home\oscar.adeyemi /g oscar.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\oscar.adeyemi /setowner=HILLCREST\oscar.adeyemi
xcacls D:\s_home\renee.adeyemi /g renee.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\renee.adeyemi /setowner=HILLCREST\renee.adeyemi
xcacls D:\s_home\kahu.bjork /g kahu.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kahu.bjork /setowner=HILLCREST\kahu.bjork
xcacls D:\s_home\jean-luc.brennan /g jean-luc.brennan:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.brennan /setowner=HILLCREST\jean-luc.brennan
xcacls D:\s_home\sean.brennan /g sean.brennan:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sean.brennan /setowner=HILLCREST\sean.brennan
xcacls D:\s_home\leila.chen /g leila.chen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\leila.chen /setowner=HILLCREST\leila.chen
xcacls D:\s_home\olivia.chen /g olivia.chen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.chen /setowner=HILLCREST\olivia.chen
xcacls D:\s_home\jack.d'arcy /g jack.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jack.d'arcy /setowner=HILLCREST\jack.d'arcy
xcacls D:\s_home\maia.durand /g maia.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maia.durand /setowner=HILLCREST\maia.durand
xcacls D:\s_home\ivy.ferreira /g ivy.ferreira:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ivy.ferreira /setowner=HILLCREST\ivy.ferreira
xcacls D:\s_home\amara.fonoti /g amara.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\amara.fonoti /setowner=HILLCREST\amara.fonoti
xcacls D:\s_home\priya.fonoti /g priya.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\priya.fonoti /setowner=HILLCREST\priya.fonoti
xcacls D:\s_home\tama.fonoti /g tama.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tama.fonoti /setowner=HILLCREST\tama.fonoti
xcacls D:\s_home\amara.haddad /g amara.haddad:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\amara.haddad /setowner=HILLCREST\amara.haddad
xcacls D:\s_home\aroha.horvath /g aroha.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\aroha.horvath /setowner=HILLCREST\aroha.horvath
xcacls D:\s_home\jose.horvath /g jose.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jose.horvath /setowner=HILLCREST\jose.horvath
xcacls D:\s_home\anaru.hughes-parry /g anaru.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\anaru.hughes-parry /setowner=HILLCREST\anaru.hughes-parry
xcacls D:\s_home\liam.jensen /g liam.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\liam.jensen /setowner=HILLCREST\liam.jensen
xcacls D:\s_home\olivia.jensen /g olivia.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.jensen /setowner=HILLCREST\olivia.jensen
xcacls D:\s_home\noah.kaur /g noah.kaur:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\noah.kaur /setowner=HILLCREST\noah.kaur
xcacls D:\s_home\wiremu.kereama /g wiremu.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\wiremu.kereama /setowner=HILLCREST\wiremu.kereama
xcacls D:\s_home\chloe.kowalski /g chloe.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\chloe.kowalski /setowner=HILLCREST\chloe.kowalski
xcacls D:\s_home\jose.kowalski /g jose.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jose.kowalski /setowner=HILLCREST\jose.kowalski
xcacls D:\s_home\sofia.lindqvist /g sofia.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sofia.lindqvist /setowner=HILLCREST\sofia.lindqvist
xcacls D:\s_home\chloe.moana /g chloe.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\chloe.moana /setowner=HILLCREST\chloe.moana
xcacls D:\s_home\hana.moana /g hana.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\hana.moana /setowner=HILLCREST\hana.moana
xcacls D:\s_home\tevita.moana /g tevita.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tevita.moana /setowner=HILLCREST\tevita.moana
xcacls D:\s_home\rawiri.muller /g rawiri.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\rawiri.muller /setowner=HILLCREST\rawiri.muller
xcacls D:\s_home\aroha.ng /g aroha.ng:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\aroha.ng /setowner=HILLCREST\aroha.ng
xcacls D:\s_home\liam.nunez /g liam.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\liam.nunez /setowner=HILLCREST\liam.nunez
xcacls D:\s_home\rawiri.nunez /g rawiri.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\rawiri.nunez /setowner=HILLCREST\rawiri.nunez
xcacls D:\s_home\hemi.o'connor /g hemi.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\hemi.o'connor /setowner=HILLCREST\hemi.o'connor
xcacls D:\s_home\sione.okafor /g sione.okafor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sione.okafor /setowner=HILLCREST\sione.okafor
xcacls D:\s_home\wiremu.okafor /g wiremu.okafor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\wiremu.okafor /setowner=HILLCREST\wiremu.okafor
xcacls D:\s_home\leila.olsen /g leila.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\leila.olsen /setowner=HILLCREST\leila.olsen
xcacls D:\s_home\rawiri.olsen /g rawiri.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\rawiri.olsen /setowner=HILLCREST\rawiri.olsen
xcacls D:\s_home\ruby.quinn /g ruby.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ruby.quinn /setowner=HILLCREST\ruby.quinn
xcacls D:\s_home\tomas.rangi /g tomas.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tomas.rangi /setowner=HILLCREST\tomas.rangi
xcacls D:\s_home\olivia.rossi /g olivia.rossi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.rossi /setowner=HILLCREST\olivia.rossi
xcacls D:\s_home\tevita.sato /g tevita.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tevita.sato /setowner=HILLCREST\tevita.sato
xcacls D:\s_home\olivia.stclair /g olivia.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.stclair /setowner=HILLCREST\olivia.stclair
xcacls D:\s_home\sione.tipene /g sione.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sione.tipene /setowner=HILLCREST\sione.tipene
xcacls D:\s_home\ana.vanderberg /g ana.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ana.vanderberg /setowner=HILLCREST\ana.vanderberg
xcacls D:\s_home\lucy.walker /g lucy.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\lucy.walker /setowner=HILLCREST\lucy.walker
xcacls D:\s_home\chloe.xu /g chloe.xu:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\chloe.xu /setowner=HILLCREST\chloe.xu
xcacls D:\s_home\hemi.xu /g hemi.xu:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\hemi.xu /setowner=HILLCREST\hemi.xu
xcacls D:\s_home\jean-luc.yildiz /g jean-luc.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.yildiz /setowner=HILLCREST\jean-luc.yildiz
xcacls D:\s_home\ana.zhang /g ana.zhang:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ana.zhang /setowner=HILLCREST\ana.zhang
xcacls D:\s_home\niamh.zhang /g niamh.zhang:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\niamh.zhang /setowner=HILLCREST\niamh.zhang
xcacls D:\s_home\chloe.bjork /g chloe.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\chloe.bjork /setowner=HILLCREST\chloe.bjork
xcacls D:\s_home\grace.bjork /g grace.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\grace.bjork /setowner=HILLCREST\grace.bjork
xcacls D:\s_home\sean.bjork /g sean.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sean.bjork /setowner=HILLCREST\sean.bjork
xcacls D:\s_home\mateo.brennan /g mateo.brennan:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mateo.brennan /setowner=HILLCREST\mateo.brennan
xcacls D:\s_home\noah.chen /g noah.chen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\noah.chen /setowner=HILLCREST\noah.chen
xcacls D:\s_home\aroha.dasilva /g aroha.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\aroha.dasilva /setowner=HILLCREST\aroha.dasilva
xcacls D:\s_home\leila.dasilva /g leila.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\leila.dasilva /setowner=HILLCREST\leila.dasilva
xcacls D:\s_home\tevita.durand /g tevita.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tevita.durand /setowner=HILLCREST\tevita.durand
xcacls D:\s_home\zoe.durand /g zoe.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\zoe.durand /setowner=HILLCREST\zoe.durand
xcacls D:\s_home\sione.faleolo /g sione.faleolo:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sione.faleolo /setowner=HILLCREST\sione.faleolo
xcacls D:\s_home\mere.fonoti /g mere.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mere.fonoti /setowner=HILLCREST\mere.fonoti
xcacls D:\s_home\maryjane.horvath /g maryjane.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maryjane.horvath /setowner=HILLCREST\maryjane.horvath
xcacls D:\s_home\olivia.hughes-parry /g olivia.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.hughes-parry /setowner=HILLCREST\olivia.hughes-parry
xcacls D:\s_home\jack.ihaka /g jack.ihaka:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jack.ihaka /setowner=HILLCREST\jack.ihaka
xcacls D:\s_home\kenji.ihaka /g kenji.ihaka:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kenji.ihaka /setowner=HILLCREST\kenji.ihaka
xcacls D:\s_home\maia.jensen /g maia.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maia.jensen /setowner=HILLCREST\maia.jensen
xcacls D:\s_home\niamh.jensen /g niamh.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\niamh.jensen /setowner=HILLCREST\niamh.jensen
xcacls D:\s_home\ana.kereama /g ana.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ana.kereama /setowner=HILLCREST\ana.kereama
xcacls D:\s_home\renee.kereama /g renee.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\renee.kereama /setowner=HILLCREST\renee.kereama
xcacls D:\s_home\ruby.kereama /g ruby.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ruby.kereama /setowner=HILLCREST\ruby.kereama
xcacls D:\s_home\ethan.lindqvist /g ethan.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ethan.lindqvist /setowner=HILLCREST\ethan.lindqvist
xcacls D:\s_home\leila.muller /g leila.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\leila.muller /setowner=HILLCREST\leila.muller
xcacls D:\s_home\olivia.muller /g olivia.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.muller /setowner=HILLCREST\olivia.muller
xcacls D:\s_home\finn.ng /g finn.ng:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\finn.ng /setowner=HILLCREST\finn.ng
xcacls D:\s_home\olivia.ng /g olivia.ng:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.ng /setowner=HILLCREST\olivia.ng
xcacls D:\s_home\zoe.novak /g zoe.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\zoe.novak /setowner=HILLCREST\zoe.novak
xcacls D:\s_home\hemi.nunez /g hemi.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\hemi.nunez /setowner=HILLCREST\hemi.nunez
xcacls D:\s_home\renee.o'connor /g renee.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\renee.o'connor /setowner=HILLCREST\renee.o'connor
xcacls D:\s_home\oscar.olsen /g oscar.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\oscar.olsen /setowner=HILLCREST\oscar.olsen
xcacls D:\s_home\olivia.parata /g olivia.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.parata /setowner=HILLCREST\olivia.parata
xcacls D:\s_home\eli.patel /g eli.patel:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\eli.patel /setowner=HILLCREST\eli.patel
xcacls D:\s_home\mia.patel /g mia.patel:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mia.patel /setowner=HILLCREST\mia.patel
xcacls D:\s_home\kahu.quinn /g kahu.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kahu.quinn /setowner=HILLCREST\kahu.quinn
xcacls D:\s_home\priya.quinn /g priya.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\priya.quinn /setowner=HILLCREST\priya.quinn
xcacls D:\s_home\olivia.rangi /g olivia.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.rangi /setowner=HILLCREST\olivia.rangi
xcacls D:\s_home\ivy.rossi /g ivy.rossi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ivy.rossi /setowner=HILLCREST\ivy.rossi
xcacls D:\s_home\sofia.sato /g sofia.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sofia.sato /setowner=HILLCREST\sofia.sato
xcacls D:\s_home\tomas.sato /g tomas.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tomas.sato /setowner=HILLCREST\tomas.sato
xcacls D:\s_home\chloe.stclair /g chloe.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\chloe.stclair /setowner=HILLCREST\chloe.stclair
xcacls D:\s_home\niamh.stclair /g niamh.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\niamh.stclair /setowner=HILLCREST\niamh.stclair
xcacls D:\s_home\tomas.tane /g tomas.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tomas.tane /setowner=HILLCREST\tomas.tane
xcacls D:\s_home\maia.tipene /g maia.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maia.tipene /setowner=HILLCREST\maia.tipene
xcacls D:\s_home\ngaio.vanderberg /g ngaio.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ngaio.vanderberg /setowner=HILLCREST\ngaio.vanderberg
xcacls D:\s_home\priya.vanderberg /g priya.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\priya.vanderberg /setowner=HILLCREST\priya.vanderberg
xcacls D:\s_home\tama.vanderberg /g tama.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tama.vanderberg /setowner=HILLCREST\tama.vanderberg
xcacls D:\s_home\sione.varga /g sione.varga:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sione.varga /setowner=HILLCREST\sione.varga
xcacls D:\s_home\ivy.walker /g ivy.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ivy.walker /setowner=HILLCREST\ivy.walker
xcacls D:\s_home\ana.yildiz /g ana.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ana.yildiz /setowner=HILLCREST\ana.yildiz
xcacls D:\s_home\liam.yildiz /g liam.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\liam.yildiz /setowner=HILLCREST\liam.yildiz
xcacls D:\s_home\teao.yildiz /g teao.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\teao.yildiz /setowner=HILLCREST\teao.yildiz
xcacls D:\s_home\ivy.adeyemi /g ivy.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ivy.adeyemi /setowner=HILLCREST\ivy.adeyemi
xcacls D:\s_home\rawiri.adeyemi /g rawiri.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\rawiri.adeyemi /setowner=HILLCREST\rawiri.adeyemi
xcacls D:\s_home\ben.bjork /g ben.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ben.bjork /setowner=HILLCREST\ben.bjork
xcacls D:\s_home\jack.bjork /g jack.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jack.bjork /setowner=HILLCREST\jack.bjork
xcacls D:\s_home\mere.bjork /g mere.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mere.bjork /setowner=HILLCREST\mere.bjork
xcacls D:\s_home\wiremu.d'arcy /g wiremu.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\wiremu.d'arcy /setowner=HILLCREST\wiremu.d'arcy
xcacls D:\s_home\maryjane.dasilva /g maryjane.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maryjane.dasilva /setowner=HILLCREST\maryjane.dasilva
xcacls D:\s_home\sofia.dasilva /g sofia.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sofia.dasilva /setowner=HILLCREST\sofia.dasilva
xcacls D:\s_home\rawiri.durand /g rawiri.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\rawiri.durand /setowner=HILLCREST\rawiri.durand
xcacls D:\s_home\emile.durand /g emile.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\emile.durand /setowner=HILLCREST\emile.durand
xcacls D:\s_home\olivia.faleolo /g olivia.faleolo:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.faleolo /setowner=HILLCREST\olivia.faleolo
xcacls D:\s_home\chloe.ferreira /g chloe.ferreira:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\chloe.ferreira /setowner=HILLCREST\chloe.ferreira
xcacls D:\s_home\kenji.fonoti /g kenji.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kenji.fonoti /setowner=HILLCREST\kenji.fonoti
xcacls D:\s_home\maryjane.fonoti /g maryjane.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maryjane.fonoti /setowner=HILLCREST\maryjane.fonoti
xcacls D:\s_home\olivia.fonoti /g olivia.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\olivia.fonoti /setowner=HILLCREST\olivia.fonoti
xcacls D:\s_home\maia.haddad /g maia.haddad:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maia.haddad /setowner=HILLCREST\maia.haddad
xcacls D:\s_home\mere.horvath /g mere.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mere.horvath /setowner=HILLCREST\mere.horvath
xcacls D:\s_home\jean-luc.hughes-parr /g jean-luc.hughes-parr:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.hughes-parr /setowner=HILLCREST\jean-luc.hughes-parr
xcacls D:\s_home\ivy.kaur /g ivy.kaur:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ivy.kaur /setowner=HILLCREST\ivy.kaur
xcacls D:\s_home\lucy.kaur /g lucy.kaur:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\lucy.kaur /setowner=HILLCREST\lucy.kaur
xcacls D:\s_home\rawiri.kereama /g rawiri.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\rawiri.kereama /setowner=HILLCREST\rawiri.kereama
xcacls D:\s_home\jack.kowalski /g jack.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jack.kowalski /setowner=HILLCREST\jack.kowalski
xcacls D:\s_home\hemi.leroux /g hemi.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\hemi.leroux /setowner=HILLCREST\hemi.leroux
xcacls D:\s_home\mia.leroux /g mia.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mia.leroux /setowner=HILLCREST\mia.leroux
xcacls D:\s_home\liam.macleod /g liam.macleod:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\liam.macleod /setowner=HILLCREST\liam.macleod
xcacls D:\s_home\kahu.moana /g kahu.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kahu.moana /setowner=HILLCREST\kahu.moana
xcacls D:\s_home\zoe.muller /g zoe.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\zoe.muller /setowner=HILLCREST\zoe.muller
xcacls D:\s_home\jean-luc.novak /g jean-luc.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.novak /setowner=HILLCREST\jean-luc.novak
xcacls D:\s_home\ruby.novak /g ruby.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ruby.novak /setowner=HILLCREST\ruby.novak
xcacls D:\s_home\hana.o'connor /g hana.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\hana.o'connor /setowner=HILLCREST\hana.o'connor
xcacls D:\s_home\maia.olsen /g maia.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maia.olsen /setowner=HILLCREST\maia.olsen
xcacls D:\s_home\emile.olsen /g emile.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\emile.olsen /setowner=HILLCREST\emile.olsen
xcacls D:\s_home\mateo.parata /g mateo.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mateo.parata /setowner=HILLCREST\mateo.parata
xcacls D:\s_home\tama.parata /g tama.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tama.parata /setowner=HILLCREST\tama.parata
xcacls D:\s_home\emile.parata /g emile.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\emile.parata /setowner=HILLCREST\emile.parata
xcacls D:\s_home\ben.rangi /g ben.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ben.rangi /setowner=HILLCREST\ben.rangi
xcacls D:\s_home\kenji.rangi /g kenji.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kenji.rangi /setowner=HILLCREST\kenji.rangi
xcacls D:\s_home\ruby.rangi /g ruby.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ruby.rangi /setowner=HILLCREST\ruby.rangi
xcacls D:\s_home\sofia.rangi /g sofia.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sofia.rangi /setowner=HILLCREST\sofia.rangi
xcacls D:\s_home\teao.sato /g teao.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\teao.sato /setowner=HILLCREST\teao.sato
xcacls D:\s_home\anaru.smith-jones /g anaru.smith-jones:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\anaru.smith-jones /setowner=HILLCREST\anaru.smith-jones
xcacls D:\s_home\chloe.tane /g chloe.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\chloe.tane /setowner=HILLCREST\chloe.tane
xcacls D:\s_home\noah.tane /g noah.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\noah.tane /setowner=HILLCREST\noah.tane
xcacls D:\s_home\wiremu.tane /g wiremu.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\wiremu.tane /setowner=HILLCREST\wiremu.tane
xcacls D:\s_home\eli.tipene /g eli.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\eli.tipene /setowner=HILLCREST\eli.tipene
xcacls D:\s_home\wiremu.tipene /g wiremu.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\wiremu.tipene /setowner=HILLCREST\wiremu.tipene
xcacls D:\s_home\noah.vanderberg /g noah.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\noah.vanderberg /setowner=HILLCREST\noah.vanderberg
xcacls D:\s_home\tomas.vance /g tomas.vance:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tomas.vance /setowner=HILLCREST\tomas.vance
xcacls D:\s_home\ana.walker /g ana.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ana.walker /setowner=HILLCREST\ana.walker
xcacls D:\s_home\ethan.walker /g ethan.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ethan.walker /setowner=HILLCREST\ethan.walker
xcacls D:\s_home\tama.whitlock /g tama.whitlock:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tama.whitlock /setowner=HILLCREST\tama.whitlock
xcacls D:\s_home\noah.hughes-parry /g noah.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\noah.hughes-parry /setowner=HILLCREST\noah.hughes-parry
xcacls D:\s_home\ivy.o'connor /g ivy.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ivy.o'connor /setowner=HILLCREST\ivy.o'connor
xcacls D:\s_home\kenji.smith-jones /g kenji.smith-jones:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kenji.smith-jones /setowner=HILLCREST\kenji.smith-jones
xcacls D:\s_home\jean-luc.durand /g jean-luc.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.durand /setowner=HILLCREST\jean-luc.durand
xcacls D:\s_home\jean-luc.ferreira /g jean-luc.ferreira:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.ferreira /setowner=HILLCREST\jean-luc.ferreira
xcacls D:\s_home\ngaio.hughes-parry /g ngaio.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ngaio.hughes-parry /setowner=HILLCREST\ngaio.hughes-parry
xcacls D:\s_home\renee.hughes-parry /g renee.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\renee.hughes-parry /setowner=HILLCREST\renee.hughes-parry
xcacls D:\s_home\jean-luc.lindqvist /g jean-luc.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.lindqvist /setowner=HILLCREST\jean-luc.lindqvist
xcacls D:\s_home\jean-luc.nunez /g jean-luc.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.nunez /setowner=HILLCREST\jean-luc.nunez
xcacls D:\s_home\john.smith2 /g john.smith2:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\john.smith2 /setowner=HILLCREST\john.smith2
xcacls D:\s_home\jean-luc.vanderberg /g jean-luc.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.vanderberg /setowner=HILLCREST\jean-luc.vanderberg
xcacls D:\s_home\amara.d'arcy /g amara.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\amara.d'arcy /setowner=HILLCREST\amara.d'arcy
xcacls D:\s_home\kenji.d'arcy /g kenji.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\kenji.d'arcy /setowner=HILLCREST\kenji.d'arcy
xcacls D:\s_home\ruby.d'arcy /g ruby.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ruby.d'arcy /setowner=HILLCREST\ruby.d'arcy
xcacls D:\s_home\liam.hughes-parry /g liam.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\liam.hughes-parry /setowner=HILLCREST\liam.hughes-parry
xcacls D:\s_home\niamh.ihaka /g niamh.ihaka:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\niamh.ihaka /setowner=HILLCREST\niamh.ihaka
xcacls D:\s_home\mia.kereama /g mia.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mia.kereama /setowner=HILLCREST\mia.kereama
xcacls D:\s_home\mere.kowalski /g mere.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mere.kowalski /setowner=HILLCREST\mere.kowalski
xcacls D:\s_home\mateo.leroux /g mateo.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mateo.leroux /setowner=HILLCREST\mateo.leroux
xcacls D:\s_home\sean.leroux /g sean.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\sean.leroux /setowner=HILLCREST\sean.leroux
xcacls D:\s_home\renee.lindqvist /g renee.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\renee.lindqvist /setowner=HILLCREST\renee.lindqvist
xcacls D:\s_home\isla.macleod /g isla.macleod:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\isla.macleod /setowner=HILLCREST\isla.macleod
xcacls D:\s_home\mia.macleod /g mia.macleod:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mia.macleod /setowner=HILLCREST\mia.macleod
xcacls D:\s_home\ivy.moana /g ivy.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ivy.moana /setowner=HILLCREST\ivy.moana
xcacls D:\s_home\maia.moana /g maia.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\maia.moana /setowner=HILLCREST\maia.moana
xcacls D:\s_home\grace.murphy /g grace.murphy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\grace.murphy /setowner=HILLCREST\grace.murphy
xcacls D:\s_home\emile.murphy /g emile.murphy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\emile.murphy /setowner=HILLCREST\emile.murphy
xcacls D:\s_home\niamh.nakamura /g niamh.nakamura:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\niamh.nakamura /setowner=HILLCREST\niamh.nakamura
xcacls D:\s_home\mere.novak /g mere.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mere.novak /setowner=HILLCREST\mere.novak
xcacls D:\s_home\renee.novak /g renee.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\renee.novak /setowner=HILLCREST\renee.novak
xcacls D:\s_home\ethan.okafor /g ethan.okafor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ethan.okafor /setowner=HILLCREST\ethan.okafor
xcacls D:\s_home\jean-luc.patel /g jean-luc.patel:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\jean-luc.patel /setowner=HILLCREST\jean-luc.patel
xcacls D:\s_home\ana.quinn /g ana.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ana.quinn /setowner=HILLCREST\ana.quinn
xcacls D:\s_home\oscar.rangi /g oscar.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\oscar.rangi /setowner=HILLCREST\oscar.rangi
xcacls D:\s_home\teao.rangi /g teao.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\teao.rangi /setowner=HILLCREST\teao.rangi
xcacls D:\s_home\mateo.rossi /g mateo.rossi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\mateo.rossi /setowner=HILLCREST\mateo.rossi
xcacls D:\s_home\hemi.sato /g hemi.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\hemi.sato /setowner=HILLCREST\hemi.sato
xcacls D:\s_home\finn.smith-jones /g finn.smith-jones:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\finn.smith-jones /setowner=HILLCREST\finn.smith-jones
xcacls D:\s_home\tomas.stclair /g tomas.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tomas.stclair /setowner=HILLCREST\tomas.stclair
xcacls D:\s_home\ruby.tane /g ruby.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ruby.tane /setowner=HILLCREST\ruby.tane
xcacls D:\s_home\ben.tipene /g ben.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ben.tipene /setowner=HILLCREST\ben.tipene
xcacls D:\s_home\tevita.tipene /g tevita.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\tevita.tipene /setowner=HILLCREST\tevita.tipene
xcacls D:\s_home\eli.vanderberg /g eli.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\eli.vanderberg /setowner=HILLCREST\eli.vanderberg
xcacls D:\s_home\emile.varga /g emile.varga:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\emile.varga /setowner=HILLCREST\emile.varga
xcacls D:\s_home\ana.walker2 /g ana.walker2:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\ana.walker2 /setowner=HILLCREST\ana.walker2
xcacls D:\s_home\oscar.xu /g oscar.xu:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\oscar.xu /setowner=HILLCREST\oscar.xu
xcacls D:\s_home\rawiri.yildiz /g rawiri.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\rawiri.yildiz /setowner=HILLCREST\rawiri.yildiz
Del c:\exportad.*
Del c:\exprtad2.csv
