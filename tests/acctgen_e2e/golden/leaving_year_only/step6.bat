xcacls D:\s_home\2031\mere.adeyemi /g mere.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\mere.adeyemi /setowner=HILLCREST\mere.adeyemi
xcacls D:\s_home\2031\oscar.adeyemi /g oscar.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\oscar.adeyemi /setowner=HILLCREST\oscar.adeyemi
xcacls D:\s_home\2031\renee.adeyemi /g renee.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\renee.adeyemi /setowner=HILLCREST\renee.adeyemi
xcacls D:\s_home\2031\kahu.bjork /g kahu.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\kahu.bjork /setowner=HILLCREST\kahu.bjork
xcacls D:\s_home\2031\jean-luc.brennan /g jean-luc.brennan:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\jean-luc.brennan /setowner=HILLCREST\jean-luc.brennan
xcacls D:\s_home\2031\sean.brennan /g sean.brennan:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\sean.brennan /setowner=HILLCREST\sean.brennan
xcacls D:\s_home\2031\leila.chen /g leila.chen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\leila.chen /setowner=HILLCREST\leila.chen
xcacls D:\s_home\2031\olivia.chen /g olivia.chen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\olivia.chen /setowner=HILLCREST\olivia.chen
xcacls D:\s_home\2031\jack.d'arcy /g jack.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\jack.d'arcy /setowner=HILLCREST\jack.d'arcy
xcacls D:\s_home\2031\maia.durand /g maia.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\maia.durand /setowner=HILLCREST\maia.durand
xcacls D:\s_home\2031\ivy.ferreira /g ivy.ferreira:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\ivy.ferreira /setowner=HILLCREST\ivy.ferreira
xcacls D:\s_home\2031\amara.fonoti /g amara.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\amara.fonoti /setowner=HILLCREST\amara.fonoti
xcacls D:\s_home\2031\priya.fonoti /g priya.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\priya.fonoti /setowner=HILLCREST\priya.fonoti
xcacls D:\s_home\2031\tama.fonoti /g tama.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\tama.fonoti /setowner=HILLCREST\tama.fonoti
xcacls D:\s_home\2031\amara.haddad /g amara.haddad:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\amara.haddad /setowner=HILLCREST\amara.haddad
xcacls D:\s_home\2031\aroha.horvath /g aroha.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\aroha.horvath /setowner=HILLCREST\aroha.horvath
xcacls D:\s_home\2031\jose.horvath /g jose.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\jose.horvath /setowner=HILLCREST\jose.horvath
xcacls D:\s_home\2031\anaru.hughes-parry /g anaru.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\anaru.hughes-parry /setowner=HILLCREST\anaru.hughes-parry
xcacls D:\s_home\2031\liam.jensen /g liam.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\liam.jensen /setowner=HILLCREST\liam.jensen
xcacls D:\s_home\2031\olivia.jensen /g olivia.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\olivia.jensen /setowner=HILLCREST\olivia.jensen
xcacls D:\s_home\2031\noah.kaur /g noah.kaur:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\noah.kaur /setowner=HILLCREST\noah.kaur
xcacls D:\s_home\2031\wiremu.kereama /g wiremu.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\wiremu.kereama /setowner=HILLCREST\wiremu.kereama
xcacls D:\s_home\2031\chloe.kowalski /g chloe.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\chloe.kowalski /setowner=HILLCREST\chloe.kowalski
xcacls D:\s_home\2031\jose.kowalski /g jose.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\jose.kowalski /setowner=HILLCREST\jose.kowalski
xcacls D:\s_home\2031\sofia.lindqvist /g sofia.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\sofia.lindqvist /setowner=HILLCREST\sofia.lindqvist
xcacls D:\s_home\2031\chloe.moana /g chloe.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\chloe.moana /setowner=HILLCREST\chloe.moana
xcacls D:\s_home\2031\hana.moana /g hana.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\hana.moana /setowner=HILLCREST\hana.moana
xcacls D:\s_home\2031\tevita.moana /g tevita.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\tevita.moana /setowner=HILLCREST\tevita.moana
xcacls D:\s_home\2031\rawiri.muller /g rawiri.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\rawiri.muller /setowner=HILLCREST\rawiri.muller
xcacls D:\s_home\2031\aroha.ng /g aroha.ng:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\aroha.ng /setowner=HILLCREST\aroha.ng
xcacls D:\s_home\2031\liam.nunez /g liam.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\liam.nunez /setowner=HILLCREST\liam.nunez
xcacls D:\s_home\2031\rawiri.nunez /g rawiri.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\rawiri.nunez /setowner=HILLCREST\rawiri.nunez
xcacls D:\s_home\2031\hemi.o'connor /g hemi.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\hemi.o'connor /setowner=HILLCREST\hemi.o'connor
xcacls D:\s_home\2031\sione.okafor /g sione.okafor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\sione.okafor /setowner=HILLCREST\sione.okafor
xcacls D:\s_home\2031\wiremu.okafor /g wiremu.okafor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\wiremu.okafor /setowner=HILLCREST\wiremu.okafor
xcacls D:\s_home\2031\leila.olsen /g leila.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\leila.olsen /setowner=HILLCREST\leila.olsen
xcacls D:\s_home\2031\rawiri.olsen /g rawiri.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\rawiri.olsen /setowner=HILLCREST\rawiri.olsen
xcacls D:\s_home\2031\ruby.quinn /g ruby.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\ruby.quinn /setowner=HILLCREST\ruby.quinn
xcacls D:\s_home\2031\tomas.rangi /g tomas.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\tomas.rangi /setowner=HILLCREST\tomas.rangi
xcacls D:\s_home\2031\olivia.rossi /g olivia.rossi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\olivia.rossi /setowner=HILLCREST\olivia.rossi
xcacls D:\s_home\2031\tevita.sato /g tevita.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\tevita.sato /setowner=HILLCREST\tevita.sato
xcacls D:\s_home\2031\olivia.stclair /g olivia.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\olivia.stclair /setowner=HILLCREST\olivia.stclair
xcacls D:\s_home\2031\sione.tipene /g sione.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\sione.tipene /setowner=HILLCREST\sione.tipene
xcacls D:\s_home\2031\ana.vanderberg /g ana.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\ana.vanderberg /setowner=HILLCREST\ana.vanderberg
xcacls D:\s_home\2031\lucy.walker /g lucy.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\lucy.walker /setowner=HILLCREST\lucy.walker
xcacls D:\s_home\2031\chloe.xu /g chloe.xu:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\chloe.xu /setowner=HILLCREST\chloe.xu
xcacls D:\s_home\2031\hemi.xu /g hemi.xu:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\hemi.xu /setowner=HILLCREST\hemi.xu
xcacls D:\s_home\2031\jean-luc.yildiz /g jean-luc.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\jean-luc.yildiz /setowner=HILLCREST\jean-luc.yildiz
xcacls D:\s_home\2031\ana.zhang /g ana.zhang:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\ana.zhang /setowner=HILLCREST\ana.zhang
xcacls D:\s_home\2031\niamh.zhang /g niamh.zhang:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2031\niamh.zhang /setowner=HILLCREST\niamh.zhang
xcacls D:\s_home\2030\chloe.bjork /g chloe.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\chloe.bjork /setowner=HILLCREST\chloe.bjork
xcacls D:\s_home\2030\grace.bjork /g grace.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\grace.bjork /setowner=HILLCREST\grace.bjork
xcacls D:\s_home\2030\sean.bjork /g sean.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\sean.bjork /setowner=HILLCREST\sean.bjork
xcacls D:\s_home\2030\mateo.brennan /g mateo.brennan:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\mateo.brennan /setowner=HILLCREST\mateo.brennan
xcacls D:\s_home\2030\noah.chen /g noah.chen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\noah.chen /setowner=HILLCREST\noah.chen
xcacls D:\s_home\2030\aroha.dasilva /g aroha.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\aroha.dasilva /setowner=HILLCREST\aroha.dasilva
xcacls D:\s_home\2030\leila.dasilva /g leila.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\leila.dasilva /setowner=HILLCREST\leila.dasilva
xcacls D:\s_home\2030\tevita.durand /g tevita.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\tevita.durand /setowner=HILLCREST\tevita.durand
xcacls D:\s_home\2030\zoe.durand /g zoe.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\zoe.durand /setowner=HILLCREST\zoe.durand
xcacls D:\s_home\2030\sione.faleolo /g sione.faleolo:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\sione.faleolo /setowner=HILLCREST\sione.faleolo
xcacls D:\s_home\2030\mere.fonoti /g mere.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\mere.fonoti /setowner=HILLCREST\mere.fonoti
xcacls D:\s_home\2030\maryjane.horvath /g maryjane.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\maryjane.horvath /setowner=HILLCREST\maryjane.horvath
xcacls D:\s_home\2030\olivia.hughes-parry /g olivia.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\olivia.hughes-parry /setowner=HILLCREST\olivia.hughes-parry
xcacls D:\s_home\2030\jack.ihaka /g jack.ihaka:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\jack.ihaka /setowner=HILLCREST\jack.ihaka
xcacls D:\s_home\2030\kenji.ihaka /g kenji.ihaka:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\kenji.ihaka /setowner=HILLCREST\kenji.ihaka
xcacls D:\s_home\2030\maia.jensen /g maia.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\maia.jensen /setowner=HILLCREST\maia.jensen
xcacls D:\s_home\2030\niamh.jensen /g niamh.jensen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\niamh.jensen /setowner=HILLCREST\niamh.jensen
xcacls D:\s_home\2030\ana.kereama /g ana.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\ana.kereama /setowner=HILLCREST\ana.kereama
xcacls D:\s_home\2030\renee.kereama /g renee.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\renee.kereama /setowner=HILLCREST\renee.kereama
xcacls D:\s_home\2030\ruby.kereama /g ruby.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\ruby.kereama /setowner=HILLCREST\ruby.kereama
xcacls D:\s_home\2030\ethan.lindqvist /g ethan.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\ethan.lindqvist /setowner=HILLCREST\ethan.lindqvist
xcacls D:\s_home\2030\leila.muller /g leila.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\leila.muller /setowner=HILLCREST\leila.muller
xcacls D:\s_home\2030\olivia.muller /g olivia.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\olivia.muller /setowner=HILLCREST\olivia.muller
xcacls D:\s_home\2030\finn.ng /g finn.ng:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\finn.ng /setowner=HILLCREST\finn.ng
xcacls D:\s_home\2030\olivia.ng /g olivia.ng:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\olivia.ng /setowner=HILLCREST\olivia.ng
xcacls D:\s_home\2030\zoe.novak /g zoe.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\zoe.novak /setowner=HILLCREST\zoe.novak
xcacls D:\s_home\2030\hemi.nunez /g hemi.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\hemi.nunez /setowner=HILLCREST\hemi.nunez
xcacls D:\s_home\2030\renee.o'connor /g renee.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\renee.o'connor /setowner=HILLCREST\renee.o'connor
xcacls D:\s_home\2030\oscar.olsen /g oscar.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\oscar.olsen /setowner=HILLCREST\oscar.olsen
xcacls D:\s_home\2030\olivia.parata /g olivia.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\olivia.parata /setowner=HILLCREST\olivia.parata
xcacls D:\s_home\2030\eli.patel /g eli.patel:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\eli.patel /setowner=HILLCREST\eli.patel
xcacls D:\s_home\2030\mia.patel /g mia.patel:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\mia.patel /setowner=HILLCREST\mia.patel
xcacls D:\s_home\2030\kahu.quinn /g kahu.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\kahu.quinn /setowner=HILLCREST\kahu.quinn
xcacls D:\s_home\2030\priya.quinn /g priya.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\priya.quinn /setowner=HILLCREST\priya.quinn
xcacls D:\s_home\2030\olivia.rangi /g olivia.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\olivia.rangi /setowner=HILLCREST\olivia.rangi
xcacls D:\s_home\2030\ivy.rossi /g ivy.rossi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\ivy.rossi /setowner=HILLCREST\ivy.rossi
xcacls D:\s_home\2030\sofia.sato /g sofia.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\sofia.sato /setowner=HILLCREST\sofia.sato
xcacls D:\s_home\2030\tomas.sato /g tomas.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\tomas.sato /setowner=HILLCREST\tomas.sato
xcacls D:\s_home\2030\john.smith2 /g john.smith2:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\john.smith2 /setowner=HILLCREST\john.smith2
xcacls D:\s_home\2030\chloe.stclair /g chloe.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\chloe.stclair /setowner=HILLCREST\chloe.stclair
xcacls D:\s_home\2030\niamh.stclair /g niamh.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\niamh.stclair /setowner=HILLCREST\niamh.stclair
xcacls D:\s_home\2030\tomas.tane /g tomas.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\tomas.tane /setowner=HILLCREST\tomas.tane
xcacls D:\s_home\2030\maia.tipene /g maia.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\maia.tipene /setowner=HILLCREST\maia.tipene
xcacls D:\s_home\2030\ngaio.vanderberg /g ngaio.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\ngaio.vanderberg /setowner=HILLCREST\ngaio.vanderberg
xcacls D:\s_home\2030\priya.vanderberg /g priya.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\priya.vanderberg /setowner=HILLCREST\priya.vanderberg
xcacls D:\s_home\2030\tama.vanderberg /g tama.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\tama.vanderberg /setowner=HILLCREST\tama.vanderberg
xcacls D:\s_home\2030\sione.varga /g sione.varga:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\sione.varga /setowner=HILLCREST\sione.varga
xcacls D:\s_home\2030\ivy.walker /g ivy.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\ivy.walker /setowner=HILLCREST\ivy.walker
xcacls D:\s_home\2030\ana.yildiz /g ana.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\ana.yildiz /setowner=HILLCREST\ana.yildiz
xcacls D:\s_home\2030\liam.yildiz /g liam.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\liam.yildiz /setowner=HILLCREST\liam.yildiz
xcacls D:\s_home\2030\teao.yildiz /g teao.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2030\teao.yildiz /setowner=HILLCREST\teao.yildiz
xcacls D:\s_home\2029\ivy.adeyemi /g ivy.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ivy.adeyemi /setowner=HILLCREST\ivy.adeyemi
xcacls D:\s_home\2029\rawiri.adeyemi /g rawiri.adeyemi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\rawiri.adeyemi /setowner=HILLCREST\rawiri.adeyemi
xcacls D:\s_home\2029\ben.bjork /g ben.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ben.bjork /setowner=HILLCREST\ben.bjork
xcacls D:\s_home\2029\jack.bjork /g jack.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\jack.bjork /setowner=HILLCREST\jack.bjork
xcacls D:\s_home\2029\mere.bjork /g mere.bjork:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\mere.bjork /setowner=HILLCREST\mere.bjork
xcacls D:\s_home\2029\wiremu.d'arcy /g wiremu.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\wiremu.d'arcy /setowner=HILLCREST\wiremu.d'arcy
xcacls D:\s_home\2029\maryjane.dasilva /g maryjane.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\maryjane.dasilva /setowner=HILLCREST\maryjane.dasilva
xcacls D:\s_home\2029\sofia.dasilva /g sofia.dasilva:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\sofia.dasilva /setowner=HILLCREST\sofia.dasilva
xcacls D:\s_home\2029\rawiri.durand /g rawiri.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\rawiri.durand /setowner=HILLCREST\rawiri.durand
xcacls D:\s_home\2029\emile.durand /g emile.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\emile.durand /setowner=HILLCREST\emile.durand
xcacls D:\s_home\2029\olivia.faleolo /g olivia.faleolo:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\olivia.faleolo /setowner=HILLCREST\olivia.faleolo
xcacls D:\s_home\2029\chloe.ferreira /g chloe.ferreira:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\chloe.ferreira /setowner=HILLCREST\chloe.ferreira
xcacls D:\s_home\2029\kenji.fonoti /g kenji.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\kenji.fonoti /setowner=HILLCREST\kenji.fonoti
xcacls D:\s_home\2029\maryjane.fonoti /g maryjane.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\maryjane.fonoti /setowner=HILLCREST\maryjane.fonoti
xcacls D:\s_home\2029\olivia.fonoti /g olivia.fonoti:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\olivia.fonoti /setowner=HILLCREST\olivia.fonoti
xcacls D:\s_home\2029\maia.haddad /g maia.haddad:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\maia.haddad /setowner=HILLCREST\maia.haddad
xcacls D:\s_home\2029\mere.horvath /g mere.horvath:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\mere.horvath /setowner=HILLCREST\mere.horvath
xcacls D:\s_home\2029\jean-luc.hughes-parr /g jean-luc.hughes-parr:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\jean-luc.hughes-parr /setowner=HILLCREST\jean-luc.hughes-parr
xcacls D:\s_home\2029\ivy.kaur /g ivy.kaur:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ivy.kaur /setowner=HILLCREST\ivy.kaur
xcacls D:\s_home\2029\lucy.kaur /g lucy.kaur:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\lucy.kaur /setowner=HILLCREST\lucy.kaur
xcacls D:\s_home\2029\rawiri.kereama /g rawiri.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\rawiri.kereama /setowner=HILLCREST\rawiri.kereama
xcacls D:\s_home\2029\jack.kowalski /g jack.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\jack.kowalski /setowner=HILLCREST\jack.kowalski
xcacls D:\s_home\2029\hemi.leroux /g hemi.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\hemi.leroux /setowner=HILLCREST\hemi.leroux
xcacls D:\s_home\2029\mia.leroux /g mia.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\mia.leroux /setowner=HILLCREST\mia.leroux
xcacls D:\s_home\2029\liam.macleod /g liam.macleod:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\liam.macleod /setowner=HILLCREST\liam.macleod
xcacls D:\s_home\2029\kahu.moana /g kahu.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\kahu.moana /setowner=HILLCREST\kahu.moana
xcacls D:\s_home\2029\zoe.muller /g zoe.muller:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\zoe.muller /setowner=HILLCREST\zoe.muller
xcacls D:\s_home\2029\jean-luc.novak /g jean-luc.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\jean-luc.novak /setowner=HILLCREST\jean-luc.novak
xcacls D:\s_home\2029\ruby.novak /g ruby.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ruby.novak /setowner=HILLCREST\ruby.novak
xcacls D:\s_home\2029\hana.o'connor /g hana.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\hana.o'connor /setowner=HILLCREST\hana.o'connor
xcacls D:\s_home\2029\maia.olsen /g maia.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\maia.olsen /setowner=HILLCREST\maia.olsen
xcacls D:\s_home\2029\emile.olsen /g emile.olsen:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\emile.olsen /setowner=HILLCREST\emile.olsen
xcacls D:\s_home\2029\mateo.parata /g mateo.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\mateo.parata /setowner=HILLCREST\mateo.parata
xcacls D:\s_home\2029\tama.parata /g tama.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\tama.parata /setowner=HILLCREST\tama.parata
xcacls D:\s_home\2029\emile.parata /g emile.parata:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\emile.parata /setowner=HILLCREST\emile.parata
xcacls D:\s_home\2029\ben.rangi /g ben.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ben.rangi /setowner=HILLCREST\ben.rangi
xcacls D:\s_home\2029\kenji.rangi /g kenji.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\kenji.rangi /setowner=HILLCREST\kenji.rangi
xcacls D:\s_home\2029\ruby.rangi /g ruby.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ruby.rangi /setowner=HILLCREST\ruby.rangi
xcacls D:\s_home\2029\sofia.rangi /g sofia.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\sofia.rangi /setowner=HILLCREST\sofia.rangi
xcacls D:\s_home\2029\teao.sato /g teao.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\teao.sato /setowner=HILLCREST\teao.sato
xcacls D:\s_home\2029\anaru.smith-jones /g anaru.smith-jones:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\anaru.smith-jones /setowner=HILLCREST\anaru.smith-jones
xcacls D:\s_home\2029\chloe.tane /g chloe.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\chloe.tane /setowner=HILLCREST\chloe.tane
xcacls D:\s_home\2029\noah.tane /g noah.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\noah.tane /setowner=HILLCREST\noah.tane
xcacls D:\s_home\2029\wiremu.tane /g wiremu.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\wiremu.tane /setowner=HILLCREST\wiremu.tane
xcacls D:\s_home\2029\eli.tipene /g eli.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\eli.tipene /setowner=HILLCREST\eli.tipene
xcacls D:\s_home\2029\wiremu.tipene /g wiremu.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\wiremu.tipene /setowner=HILLCREST\wiremu.tipene
xcacls D:\s_home\2029\noah.vanderberg /g noah.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\noah.vanderberg /setowner=HILLCREST\noah.vanderberg
xcacls D:\s_home\2029\tomas.vance /g tomas.vance:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\tomas.vance /setowner=HILLCREST\tomas.vance
xcacls D:\s_home\2029\ana.walker /g ana.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ana.walker /setowner=HILLCREST\ana.walker
xcacls D:\s_home\2029\ethan.walker /g ethan.walker:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\ethan.walker /setowner=HILLCREST\ethan.walker
xcacls D:\s_home\2029\tama.whitlock /g tama.whitlock:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2029\tama.whitlock /setowner=HILLCREST\tama.whitlock
xcacls D:\s_home\2028\noah.hughes-parry /g noah.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2028\noah.hughes-parry /setowner=HILLCREST\noah.hughes-parry
xcacls D:\s_home\2028\ivy.o'connor /g ivy.o'connor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2028\ivy.o'connor /setowner=HILLCREST\ivy.o'connor
xcacls D:\s_home\2028\kenji.smith-jones /g kenji.smith-jones:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2028\kenji.smith-jones /setowner=HILLCREST\kenji.smith-jones
xcacls D:\s_home\2027\jean-luc.durand /g jean-luc.durand:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2027\jean-luc.durand /setowner=HILLCREST\jean-luc.durand
xcacls D:\s_home\2027\jean-luc.ferreira /g jean-luc.ferreira:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2027\jean-luc.ferreira /setowner=HILLCREST\jean-luc.ferreira
xcacls D:\s_home\2027\ngaio.hughes-parry /g ngaio.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2027\ngaio.hughes-parry /setowner=HILLCREST\ngaio.hughes-parry
xcacls D:\s_home\2027\renee.hughes-parry /g renee.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2027\renee.hughes-parry /setowner=HILLCREST\renee.hughes-parry
xcacls D:\s_home\2027\jean-luc.lindqvist /g jean-luc.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2027\jean-luc.lindqvist /setowner=HILLCREST\jean-luc.lindqvist
xcacls D:\s_home\2027\jean-luc.nunez /g jean-luc.nunez:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2027\jean-luc.nunez /setowner=HILLCREST\jean-luc.nunez
xcacls D:\s_home\2027\jean-luc.vanderberg /g jean-luc.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2027\jean-luc.vanderberg /setowner=HILLCREST\jean-luc.vanderberg
xcacls D:\s_home\2026\amara.d'arcy /g amara.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\amara.d'arcy /setowner=HILLCREST\amara.d'arcy
xcacls D:\s_home\2026\kenji.d'arcy /g kenji.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\kenji.d'arcy /setowner=HILLCREST\kenji.d'arcy
xcacls D:\s_home\2026\ruby.d'arcy /g ruby.d'arcy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\ruby.d'arcy /setowner=HILLCREST\ruby.d'arcy
xcacls D:\s_home\2026\liam.hughes-parry /g liam.hughes-parry:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\liam.hughes-parry /setowner=HILLCREST\liam.hughes-parry
xcacls D:\s_home\2026\niamh.ihaka /g niamh.ihaka:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\niamh.ihaka /setowner=HILLCREST\niamh.ihaka
xcacls D:\s_home\2026\mia.kereama /g mia.kereama:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\mia.kereama /setowner=HILLCREST\mia.kereama
xcacls D:\s_home\2026\mere.kowalski /g mere.kowalski:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\mere.kowalski /setowner=HILLCREST\mere.kowalski
xcacls D:\s_home\2026\mateo.leroux /g mateo.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\mateo.leroux /setowner=HILLCREST\mateo.leroux
xcacls D:\s_home\2026\sean.leroux /g sean.leroux:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\sean.leroux /setowner=HILLCREST\sean.leroux
xcacls D:\s_home\2026\renee.lindqvist /g renee.lindqvist:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\renee.lindqvist /setowner=HILLCREST\renee.lindqvist
xcacls D:\s_home\2026\isla.macleod /g isla.macleod:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\isla.macleod /setowner=HILLCREST\isla.macleod
xcacls D:\s_home\2026\mia.macleod /g mia.macleod:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\mia.macleod /setowner=HILLCREST\mia.macleod
xcacls D:\s_home\2026\ivy.moana /g ivy.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\ivy.moana /setowner=HILLCREST\ivy.moana
xcacls D:\s_home\2026\maia.moana /g maia.moana:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\maia.moana /setowner=HILLCREST\maia.moana
xcacls D:\s_home\2026\grace.murphy /g grace.murphy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\grace.murphy /setowner=HILLCREST\grace.murphy
xcacls D:\s_home\2026\emile.murphy /g emile.murphy:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\emile.murphy /setowner=HILLCREST\emile.murphy
xcacls D:\s_home\2026\niamh.nakamura /g niamh.nakamura:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\niamh.nakamura /setowner=HILLCREST\niamh.nakamura
xcacls D:\s_home\2026\mere.novak /g mere.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\mere.novak /setowner=HILLCREST\mere.novak
xcacls D:\s_home\2026\renee.novak /g renee.novak:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\renee.novak /setowner=HILLCREST\renee.novak
xcacls D:\s_home\2026\ethan.okafor /g ethan.okafor:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\ethan.okafor /setowner=HILLCREST\ethan.okafor
xcacls D:\s_home\2026\jean-luc.patel /g jean-luc.patel:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\jean-luc.patel /setowner=HILLCREST\jean-luc.patel
xcacls D:\s_home\2026\ana.quinn /g ana.quinn:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\ana.quinn /setowner=HILLCREST\ana.quinn
xcacls D:\s_home\2026\oscar.rangi /g oscar.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\oscar.rangi /setowner=HILLCREST\oscar.rangi
xcacls D:\s_home\2026\teao.rangi /g teao.rangi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\teao.rangi /setowner=HILLCREST\teao.rangi
xcacls D:\s_home\2026\mateo.rossi /g mateo.rossi:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\mateo.rossi /setowner=HILLCREST\mateo.rossi
xcacls D:\s_home\2026\hemi.sato /g hemi.sato:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\hemi.sato /setowner=HILLCREST\hemi.sato
xcacls D:\s_home\2026\finn.smith-jones /g finn.smith-jones:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\finn.smith-jones /setowner=HILLCREST\finn.smith-jones
xcacls D:\s_home\2026\tomas.stclair /g tomas.stclair:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\tomas.stclair /setowner=HILLCREST\tomas.stclair
xcacls D:\s_home\2026\ruby.tane /g ruby.tane:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\ruby.tane /setowner=HILLCREST\ruby.tane
xcacls D:\s_home\2026\ben.tipene /g ben.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\ben.tipene /setowner=HILLCREST\ben.tipene
xcacls D:\s_home\2026\tevita.tipene /g tevita.tipene:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\tevita.tipene /setowner=HILLCREST\tevita.tipene
xcacls D:\s_home\2026\eli.vanderberg /g eli.vanderberg:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\eli.vanderberg /setowner=HILLCREST\eli.vanderberg
xcacls D:\s_home\2026\emile.varga /g emile.varga:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\emile.varga /setowner=HILLCREST\emile.varga
xcacls D:\s_home\2026\ana.walker2 /g ana.walker2:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\ana.walker2 /setowner=HILLCREST\ana.walker2
xcacls D:\s_home\2026\oscar.xu /g oscar.xu:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\oscar.xu /setowner=HILLCREST\oscar.xu
xcacls D:\s_home\2026\rawiri.yildiz /g rawiri.yildiz:RC administrator:F /Y
subinacl /subdirectories \\HCSERVER1\s_home\2026\rawiri.yildiz /setowner=HILLCREST\rawiri.yildiz
Del c:\exportad.*
Del c:\exprtad2.csv
