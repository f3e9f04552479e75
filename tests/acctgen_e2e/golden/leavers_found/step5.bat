cscript a:\makfldr.vbs D:\s_home
net share s_home=D:\s_home /GRANT:Everyone,FULL
cscript a:\makfldr.vbs D:\s_home\2026
cscript a:\makfldr.vbs D:\s_home\2031
cscript a:\makfldr.vbs D:\s_home\2031\mere.adeyemi
cscript a:\makfldr.vbs D:\s_home\2031\oscar.adeyemi
cscript a:\makfldr.vbs D:\s_home\2031\renee.adeyemi
cscript a:\makfldr.vbs D:\s_home\2031\kahu.bjork
cscript a:\makfldr.vbs D:\s_home\2031\jean-luc.brennan
cscript a:\makfldr.vbs D:\s_home\2031\sean.brennan
cscript a:\makfldr.vbs D:\s_home\2031\leila.chen
cscript a:\makfldr.vbs D:\s_home\2031\olivia.chen
cscript a:\makfldr.vbs D:\s_home\2031\jack.d'arcy
cscript a:\makfldr.vbs D:\s_home\2031\maia.durand
cscript a:\makfldr.vbs D:\s_home\2031\ivy.ferreira
cscript a:\makfldr.vbs D:\s_home\2031\amara.fonoti
cscript a:\makfldr.vbs D:\s_home\2031\priya.fonoti
cscript a:\makfldr.vbs D:\s_home\2031\tama.fonoti
cscript a:\makfldr.vbs D:\s_home\2031\amara.haddad
cscript a:\makfldr.vbs D:\s_home\2031\aroha.horvath
cscript a:\makfldr.vbs D:\s_home\2031\jose.horvath
cscript a:\makfldr.vbs D:\s_home\2031\anaru.hughes-parry
cscript a:\makfldr.vbs D:\s_home\2031\liam.jensen
cscript a:\makfldr.vbs D:\s_home\2031\olivia.jensen
cscript a:\makfldr.vbs D:\s_home\2031\noah.kaur
cscript a:\makfldr.vbs D:\s_home\2031\wiremu.kereama
cscript a:\makfldr.vbs D:\s_home\2031\chloe.kowalski
cscript a:\makfldr.vbs D:\s_home\2031\jose.kowalski
cscript a:\makfldr.vbs D:\s_home\2031\sofia.lindqvist
cscript a:\makfldr.vbs D:\s_home\2031\chloe.moana
cscript a:\makfldr.vbs D:\s_home\2031\hana.moana
cscript a:\makfldr.vbs D:\s_home\2031\tevita.moana
cscript a:\makfldr.vbs D:\s_home\2031\rawiri.muller
cscript a:\makfldr.vbs D:\s_home\2031\aroha.ng
cscript a:\makfldr.vbs D:\s_home\2031\liam.nunez
cscript a:\makfldr.vbs D:\s_home\2031\rawiri.nunez
cscript a:\makfldr.vbs D:\s_home\2031\hemi.o'connor
cscript a:\makfldr.vbs D:\s_home\2031\sione.okafor
cscript a:\makfldr.vbs D:\s_home\2031\wiremu.okafor
cscript a:\makfldr.vbs D:\s_home\2031\leila.olsen
cscript a:\makfldr.vbs D:\s_home\2031\rawiri.olsen
cscript a:\makfldr.vbs D:\s_home\2031\ruby.quinn
cscript a:\makfldr.vbs D:\s_home\2031\tomas.rangi
cscript a:\makfldr.vbs D:\s_home\2031\olivia.rossi
cscript a:\makfldr.vbs D:\s_home\2031\tevita.sato
cscript a:\makfldr.vbs D:\s_home\2031\olivia.stclair
cscript a:\makfldr.vbs D:\s_home\2031\sione.tipene
cscript a:\makfldr.vbs D:\s_home\2031\ana.vanderberg
cscript a:\makfldr.vbs D:\s_home\2031\lucy.walker
cscript a:\makfldr.vbs D:\s_home\2031\chloe.xu
cscript a:\makfldr.vbs D:\s_home\2031\hemi.xu
cscript a:\makfldr.vbs D:\s_home\2031\jean-luc.yildiz
cscript a:\makfldr.vbs D:\s_home\2031\ana.zhang
cscript a:\makfldr.vbs D:\s_home\2031\niamh.zhang
cscript a:\makfldr.vbs D:\s_home\2030
cscript a:\makfldr.vbs D:\s_home\2030\chloe.bjork
cscript a:\makfldr.vbs D:\s_home\2030\grace.bjork
cscript a:\makfldr.vbs D:\s_home\2030\sean.bjork
cscript a:\makfldr.vbs D:\s_home\2030\mateo.brennan
cscript a:\makfldr.vbs D:\s_home\2030\noah.chen
cscript a:\makfldr.vbs D:\s_home\2030\aroha.dasilva
cscript a:\makfldr.vbs D:\s_home\2030\leila.dasilva
cscript a:\makfldr.vbs D:\s_home\2030\tevita.durand
cscript a:\makfldr.vbs D:\s_home\2030\zoe.durand
cscript a:\makfldr.vbs D:\s_home\2030\sione.faleolo
cscript a:\makfldr.vbs D:\s_home\2030\mere.fonoti
cscript a:\makfldr.vbs D:\s_home\2030\maryjane.horvath
cscript a:\makfldr.vbs D:\s_home\2030\olivia.hughes-parry
cscript a:\makfldr.vbs D:\s_home\2030\jack.ihaka
cscript a:\makfldr.vbs D:\s_home\2030\kenji.ihaka
cscript a:\makfldr.vbs D:\s_home\2030\maia.jensen
cscript a:\makfldr.vbs D:\s_home\2030\niamh.jensen
cscript a:\makfldr.vbs D:\s_home\2030\ana.kereama
cscript a:\makfldr.vbs D:\s_home\2030\renee.kereama
cscript a:\makfldr.vbs D:\s_home\2030\ruby.kereama
cscript a:\makfldr.vbs D:\s_home\2030\ethan.lindqvist
cscript a:\makfldr.vbs D:\s_home\2030\leila.muller
cscript a:\makfldr.vbs D:\s_home\2030\olivia.muller
cscript a:\makfldr.vbs D:\s_home\2030\finn.ng
cscript a:\makfldr.vbs D:\s_home\2030\olivia.ng
cscript a:\makfldr.vbs D:\s_home\2030\zoe.novak
cscript a:\makfldr.vbs D:\s_home\2030\hemi.nunez
cscript a:\makfldr.vbs D:\s_home\2030\renee.o'connor
cscript a:\makfldr.vbs D:\s_home\2030\oscar.olsen
cscript a:\makfldr.vbs D:\s_home\2030\olivia.parata
cscript a:\makfldr.vbs D:\s_home\2030\eli.patel
cscript a:\makfldr.vbs D:\s_home\2030\mia.patel
cscript a:\makfldr.vbs D:\s_home\2030\kahu.quinn
cscript a:\makfldr.vbs D:\s_home\2030\priya.quinn
cscript a:\makfldr.vbs D:\s_home\2030\olivia.rangi
cscript a:\makfldr.vbs D:\s_home\2030\ivy.rossi
cscript a:\makfldr.vbs D:\s_home\2030\sofia.sato
cscript a:\makfldr.vbs D:\s_home\2030\tomas.sato
cscript a:\makfldr.vbs D:\s_home\2030\john.smith2
cscript a:\makfldr.vbs D:\s_home\2030\chloe.stclair
cscript a:\makfldr.vbs D:\s_home\2030\niamh.stclair
cscript a:\makfldr.vbs D:\s_home\2030\tomas.tane
cscript a:\makfldr.vbs D:\s_home\2030\maia.tipene
cscript a:\makfldr.vbs D:\s_home\2030\ngaio.vanderberg
cscript a:\makfldr.vbs D:\s_home\2030\priya.vanderberg
cscript a:\makfldr.vbs D:\s_home\2030\tama.vanderberg
cscript a:\makfldr.vbs D:\s_home\2030\sione.varga
cscript a:\makfldr.vbs D:\s_home\2030\ivy.walker
cscript a:\makfldr.vbs D:\s_home\2030\ana.yildiz
cscript a:\makfldr.vbs D:\s_home\2030\liam.yildiz
cscript a:\makfldr.vbs D:\s_home\2030\teao.yildiz
cscript a:\makfldr.vbs D:\s_home\2029
cscript a:\makfldr.vbs D:\s_home\2029\ivy.adeyemi
cscript a:\makfldr.vbs D:\s_home\2029\rawiri.adeyemi
cscript a:\makfldr.vbs D:\s_home\2029\ben.bjork
cscript a:\makfldr.vbs D:\s_home\2029\jack.bjork
cscript a:\makfldr.vbs D:\s_home\2029\mere.bjork
cscript a:\makfldr.vbs D:\s_home\2029\wiremu.d'arcy
cscript a:\makfldr.vbs D:\s_home\2029\maryjane.dasilva
cscript a:\makfldr.vbs D:\s_home\2029\sofia.dasilva
cscript a:\makfldr.vbs D:\s_home\2029\rawiri.durand
cscript a:\makfldr.vbs D:\s_home\2029\emile.durand
cscript a:\makfldr.vbs D:\s_home\2029\olivia.faleolo
cscript a:\makfldr.vbs D:\s_home\2029\chloe.ferreira
cscript a:\makfldr.vbs D:\s_home\2029\kenji.fonoti
cscript a:\makfldr.vbs D:\s_home\2029\maryjane.fonoti
cscript a:\makfldr.vbs D:\s_home\2029\olivia.fonoti
cscript a:\makfldr.vbs D:\s_home\2029\maia.haddad
cscript a:\makfldr.vbs D:\s_home\2029\mere.horvath
cscript a:\makfldr.vbs D:\s_home\2029\jean-luc.hughes-parr
cscript a:\makfldr.vbs D:\s_home\2029\ivy.kaur
cscript a:\makfldr.vbs D:\s_home\2029\lucy.kaur
cscript a:\makfldr.vbs D:\s_home\2029\rawiri.kereama
cscript a:\makfldr.vbs D:\s_home\2029\jack.kowalski
cscript a:\makfldr.vbs D:\s_home\2029\hemi.leroux
cscript a:\makfldr.vbs D:\s_home\2029\mia.leroux
cscript a:\makfldr.vbs D:\s_home\2029\liam.macleod
cscript a:\makfldr.vbs D:\s_home\2029\kahu.moana
cscript a:\makfldr.vbs D:\s_home\2029\zoe.muller
cscript a:\makfldr.vbs D:\s_home\2029\jean-luc.novak
cscript a:\makfldr.vbs D:\s_home\2029\ruby.novak
cscript a:\makfldr.vbs D:\s_home\2029\hana.o'connor
cscript a:\makfldr.vbs D:\s_home\2029\maia.olsen
cscript a:\makfldr.vbs D:\s_home\2029\emile.olsen
cscript a:\makfldr.vbs D:\s_home\2029\mateo.parata
cscript a:\makfldr.vbs D:\s_home\2029\tama.parata
cscript a:\makfldr.vbs D:\s_home\2029\emile.parata
cscript a:\makfldr.vbs D:\s_home\2029\ben.rangi
cscript a:\makfldr.vbs D:\s_home\2029\kenji.rangi
cscript a:\makfldr.vbs D:\s_home\2029\ruby.rangi
cscript a:\makfldr.vbs D:\s_home\2029\sofia.rangi
cscript a:\makfldr.vbs D:\s_home\2029\teao.sato
cscript a:\makfldr.vbs D:\s_home\2029\anaru.smith-jones
cscript a:\makfldr.vbs D:\s_home\2029\chloe.tane
cscript a:\makfldr.vbs D:\s_home\2029\noah.tane
cscript a:\makfldr.vbs D:\s_home\2029\wiremu.tane
cscript a:\makfldr.vbs D:\s_home\2029\eli.tipene
cscript a:\makfldr.vbs D:\s_home\2029\wiremu.tipene
cscript a:\makfldr.vbs D:\s_home\2029\noah.vanderberg
cscript a:\makfldr.vbs D:\s_home\2029\tomas.vance
cscript a:\makfldr.vbs D:\s_home\2029\ana.walker
cscript a:\makfldr.vbs D:\s_home\2029\ethan.walker
cscript a:\makfldr.vbs D:\s_home\2029\tama.whitlock
cscript a:\makfldr.vbs D:\s_home\2028
cscript a:\makfldr.vbs D:\s_home\2028\noah.hughes-parry
cscript a:\makfldr.vbs D:\s_home\2028\ivy.o'connor
cscript a:\makfldr.vbs D:\s_home\2028\kenji.smith-jones
cscript a:\makfldr.vbs D:\s_home\2027
cscript a:\makfldr.vbs D:\s_home\2027\jean-luc.durand
cscript a:\makfldr.vbs D:\s_home\2027\jean-luc.ferreira
cscript a:\makfldr.vbs D:\s_home\2027\ngaio.hughes-parry
cscript a:\makfldr.vbs D:\s_home\2027\renee.hughes-parry
cscript a:\makfldr.vbs D:\s_home\2027\jean-luc.lindqvist
cscript a:\makfldr.vbs D:\s_home\2027\jean-luc.nunez
cscript a:\makfldr.vbs D:\s_home\2027\jean-luc.vanderberg
cscript a:\makfldr.vbs D:\s_home\2026\amara.d'arcy
cscript a:\makfldr.vbs D:\s_home\2026\kenji.d'arcy
cscript a:\makfldr.vbs D:\s_home\2026\ruby.d'arcy
cscript a:\makfldr.vbs D:\s_home\2026\liam.hughes-parry
cscript a:\makfldr.vbs D:\s_home\2026\niamh.ihaka
cscript a:\makfldr.vbs D:\s_home\2026\mia.kereama
cscript a:\makfldr.vbs D:\s_home\2026\mere.kowalski
cscript a:\makfldr.vbs D:\s_home\2026\mateo.leroux
cscript a:\makfldr.vbs D:\s_home\2026\sean.leroux
cscript a:\makfldr.vbs D:\s_home\2026\renee.lindqvist
cscript a:\makfldr.vbs D:\s_home\2026\isla.macleod
cscript a:\makfldr.vbs D:\s_home\2026\mia.macleod
cscript a:\makfldr.vbs D:\s_home\2026\ivy.moana
cscript a:\makfldr.vbs D:\s_home\2026\maia.moana
cscript a:\makfldr.vbs D:\s_home\2026\grace.murphy
cscript a:\makfldr.vbs D:\s_home\2026\emile.murphy
cscript a:\makfldr.vbs D:\s_home\2026\niamh.nakamura
cscript a:\makfldr.vbs D:\s_home\2026\mere.novak
cscript a:\makfldr.vbs D:\s_home\2026\renee.novak
cscript a:\makfldr.vbs D:\s_home\2026\ethan.okafor
cscript a:\makfldr.vbs D:\s_home\2026\jean-luc.patel
cscript a:\makfldr.vbs D:\s_home\2026\ana.quinn
cscript a:\makfldr.vbs D:\s_home\2026\oscar.rangi
cscript a:\makfldr.vbs D:\s_home\2026\teao.rangi
cscript a:\makfldr.vbs D:\s_home\2026\mateo.rossi
cscript a:\makfldr.vbs D:\s_home\2026\hemi.sato
cscript a:\makfldr.vbs D:\s_home\2026\finn.smith-jones
cscript a:\makfldr.vbs D:\s_home\2026\tomas.stclair
cscript a:\makfldr.vbs D:\s_home\2026\ruby.tane
cscript a:\makfldr.vbs D:\s_home\2026\ben.tipene
cscript a:\makfldr.vbs D:\s_home\2026\tevita.tipene
cscript a:\makfldr.vbs D:\s_home\2026\eli.vanderberg
cscript a:\makfldr.vbs D:\s_home\2026\emile.varga
cscript a:\makfldr.vbs D:\s_home\2026\ana.walker2
cscript a:\makfldr.vbs D:\s_home\2026\oscar.xu
cscript a:\makfldr.vbs D:\s_home\2026\rawiri.yildiz
NET USER /delete "amara.darcy" /DOMAIN
NET USER /delete "kenji.darcy" /DOMAIN
NET USER /delete "ruby.darcy" /DOMAIN
NET USER /delete "jeanluc.durand" /DOMAIN
NET USER /delete "jeanluc.ferreira" /DOMAIN
NET USER /delete "dane.hollis" /DOMAIN
NET USER /delete "liam.hughesparry" /DOMAIN
NET USER /delete "ngaio.hughesparry" /DOMAIN
NET USER /delete "noah.hughesparry" /DOMAIN
NET USER /delete "renee.hughesparry" /DOMAIN
NET USER /delete "jeanluc.lindqvist" /DOMAIN
NET USER /delete "kiri.matiu" /DOMAIN
NET USER /delete "jeanluc.nunez" /DOMAIN
NET USER /delete "ivy.oconnor" /DOMAIN
NET USER /delete "ada.okonkwo" /DOMAIN
NET USER /delete "luis.pereira" /DOMAIN
NET USER /delete "beth.sinclair" /DOMAIN
NET USER /delete "kenji.smithjones" /DOMAIN
NET USER /delete "pita.tangaroa" /DOMAIN
NET USER /delete "greta.ulrich" /DOMAIN
NET USER /delete "losa.vaifale" /DOMAIN
NET USER /delete "jeanluc.vanderberg" /DOMAIN
