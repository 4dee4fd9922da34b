#!/usr/bin/env bash
# The disc author's last steps, on the program of one Windows tree: scripts/make-disc (make_disc.sh),
# signing (signing.sh) and the program run from ISO images given to Wine as a CD-ROM drive
# (disc_image.sh). Needs the native tree's menucheck and the display and prefix of start_display.
# Usage: disc_stage.sh TREE   (win32: the shipped dist/menu.exe; win64: its own menu.exe)
set -uo pipefail
here=$(CDPATH= cd "$(dirname "$0")/.." && pwd)
tree=$here/build/$1
menu_exe=$here/dist/menu.exe shipped=()
[ "$1" = win32 ] || { menu_exe=$tree/app/menu.exe; shipped=("$here/dist/menu.exe"); }
menucheck=$here/build/native/tools/menucheck
failed=0
"$here/tests/make_disc.sh" "$menucheck" "$menu_exe" || failed=1
"$here/tests/signing.sh" "$menu_exe" "$tree/tests/process/disc_tests.exe" "${shipped[@]}" || failed=1
"$here/tests/disc_image.sh" "$menu_exe" "$tree" "$menucheck" || failed=1
exit $failed
