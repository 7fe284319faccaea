@echo off
rem Registers this folder as the installed Voltrane, as the installer does:
rem HKEY_CURRENT_USER\SOFTWARE\Kestrelwood\Voltrane, "Main Folder" (this folder, without the
rem trailing backslash that %~dp0 ends in) and "Cfg Name" (voltra.cfg, unless one is set).
rem It can be run again, e.g. after the folder was moved: a chosen configuration name stays.
setlocal
set "KEY=HKCU\SOFTWARE\Kestrelwood\Voltrane"
set "FOLDER=%~dp0"
set "FOLDER=%FOLDER:~0,-1%"
reg add "%KEY%" /v "Main Folder" /t REG_SZ /d "%FOLDER%" /f
if errorlevel 1 goto failed
reg query "%KEY%" /v "Cfg Name" >nul 2>&1
if not errorlevel 1 goto registered
reg add "%KEY%" /v "Cfg Name" /t REG_SZ /d "voltra.cfg" /f
if errorlevel 1 goto failed
:registered
echo Voltrane is registered in "%FOLDER%".
exit /b 0
:failed
echo Voltrane could not be registered.
exit /b 1
