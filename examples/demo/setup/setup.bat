@echo off
echo Demo installer: there is nothing to install on the demo disc.
pause
