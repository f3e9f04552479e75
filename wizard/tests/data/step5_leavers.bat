@echo off
rem A:\step5.bat of a school year, written by hand: the home folder of a new student, then
rem four leavers deleted; the last two lines delete nothing.
cscript step5 ran
cscript a:\makfldr.vbs D:\s_home\2031\aroha.ngata
NET USER /delete old.leaver /DOMAIN
NET USER /delete "two words" /DOMAIN
  net user /delete lower.case /DOMAIN
@NET USER /delete at.sign /DOMAIN
rem NET USER /delete not.this /DOMAIN
echo NET USER /delete nor.this /DOMAIN
