@echo off
rem Starts the Trellis setup wizard from the folder this file is in. The programs write to C:\ and
rem run batch files that create accounts and set rights, so they need administrator rights: this
rem file asks Windows for them when it lacks them, then gives its folder the letter A: in that
rem elevated session (a letter made with subst in a normal prompt is not seen by an elevated
rem program, nor the other way round) and starts A:\wizard.exe.
setlocal EnableExtensions
set "kit=%~dp0"
set "kit=%kit:~0,-1%"

net session >nul 2>&1
if errorlevel 1 goto elevate

call :look_at_a
if "%on_a%"=="yes" goto start
subst A: "%kit%" >nul 2>&1
call :look_at_a
if not "%on_a%"=="yes" goto taken

:start
echo Starting A:\wizard.exe (A: is %kit%).
start "" /D A:\ A:\wizard.exe
exit /b 0

:elevate
if /i "%~1"=="/elevated" (
  echo This prompt still lacks administrator rights, or the Server service that "net session"
  echo asks is stopped. Right-click start.cmd and choose "Run as administrator", sign in with an
  echo account of the domain's administrators, or start the Server service.
  pause
  exit /b 1
)
echo Trellis needs administrator rights: Windows will now ask for them.
set "self=%~f0"
set "self=%self:'=''%"
powershell -NoProfile -Command "Start-Process -FilePath '%self%' -ArgumentList '/elevated' -Verb RunAs"
if errorlevel 1 (
  echo Windows did not start Trellis with administrator rights. Right-click start.cmd and
  echo choose "Run as administrator".
  pause
  exit /b 1
)
exit /b 0

:taken
echo.
echo The letter A: is taken by something else on this computer: a floppy or card-reader drive,
echo a network drive, or another folder given the letter with subst. It is not this folder:
echo   %kit%
echo Trellis finds its files on A:. Free the letter and start start.cmd again:
echo   a folder given A: with subst:  subst A: /D   (typed in an administrator's prompt)
echo   a network drive:               net use A: /delete
echo   a drive of this computer:      give it another letter in Disk Management
echo Or copy this folder's files to a floppy disk and run start.cmd from drive A:.
pause
exit /b 1

rem Sets on_a to yes when A: shows this folder: a file made here must appear there.
:look_at_a
set "on_a=no"
set "marker=trellis-%RANDOM%%RANDOM%.tmp"
type nul >"%kit%\%marker%" 2>nul
if not exist "%kit%\%marker%" exit /b 0
if exist "A:\%marker%" set "on_a=yes"
del "%kit%\%marker%" >nul 2>&1
exit /b 0
