@echo off
echo Demo installer: there is nothing to install on the demo disc.
echo Options given by the menu: %*
echo Started in: %CD%
pause
