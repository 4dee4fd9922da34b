#!/usr/bin/env bash
# The shipped menu.exe from a real disc. A disc folder (the one tests/process/disc_image_test.cpp
# describes) goes through scripts/make-disc into an ISO 9660 image with Joliet and Rock Ridge; the image
# is extracted with osirrox and given to Wine as a CD-ROM drive (drive type "cdrom" in Wine's
# registry). On it:
#  - writes nothing: start-up, hovering, the message dialog and a launch leave the disc folder and
#    the registry (HKCU and HKLM, exported before and after) as they were;
#  - read-only (a read-only bind mount of the extracted image): the window, the buttons' enabled
#    states, a launch in a relative working folder, and `menucheck --lint D:\`;
#  - a plain ISO 9660 level 1 image (upper-case 8.3 names, no Joliet, no Rock Ridge) of the same
#    folder, and one whose background has a long name: the error box names it.
# Needs the X display and Wine prefix of scripts/lib.sh's start_display, and root for the bind mount.
# Usage: disc_image.sh MENU_EXE WINDOWS_TREE NATIVE_MENUCHECK   (e.g. dist/menu.exe build/win32 build/native/tools/menucheck)
set -uo pipefail
here=$(CDPATH= cd "$(dirname "$0")/.." && pwd)
menu_exe=$(realpath "$1")
tree=$(realpath "$2")
export MENUCHECK=$(realpath "$3") MENU_EXE=$menu_exe
disc_tests=$tree/tests/process/disc_tests.exe
menucheck_exe=$tree/tools/menucheck.exe
wine_run=$here/scripts/wine-run
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
work=$(mktemp -d)
failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }
windows_path() { echo "Z:$(tr / '\\' <<<"$1")"; }

# A drive letter the prefix does not use yet, D: if it is free.
letter=
for l in d e f g h i j k l m n o p q s t u v w x y; do
    [ -e "$WINEPREFIX/dosdevices/$l:" ] || [ -L "$WINEPREFIX/dosdevices/$l:" ] || { letter=$l; break; }
done
[ -n "$letter" ] || { echo "FAIL no free drive letter in $WINEPREFIX"; exit 1; }
drive=${letter^^}:
link=$WINEPREFIX/dosdevices/$letter:
mounts=()
cleanup() {
    rm -f "$link"
    "$wine_run" reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f >/dev/null 2>&1
    for m in "${mounts[@]}"; do umount "$m"; done
    rm -rf "$work"
}
trap cleanup EXIT

# --- the disc folder --------------------------------------------------------------------------------
disc=$work/disc
mkdir -p "$disc/setup" "$disc/docs"
perl -e 'my ($w, $h) = (320, 200); my $size = 54 + $w * $h * 3;
    print pack("a2 V v v V V l l v v V V l l V V", "BM", $size, 0, 0, 54, 40, $w, $h, 1, 24, 0, $w * $h * 3, 0, 0, 0, 0),
    "\x99\x66\x33" x ($w * $h)' >"$disc/menu.bmp"
cp "$here/app/menu.ico" "$disc/disc.ico"
cp "$tree/tests/process/recorder.exe" "$disc/setup/setup.exe"
printf 'Read me.\r\n' >"$disc/readme.txt"
printf 'The manual.\r\n' >"$disc/docs/manual.txt"
printf 'The user guide.\r\n' >"$disc/docs/User guide.txt"
entry() {  # entry N CAPTION KEY=VALUE...
    local n=$1 caption=$2
    shift 2
    printf '[Prog_%s]\r\nX=10\r\nY=%s\r\nWidth=200\r\nHeight=28\r\nButtonText=%s\r\nFontInfo=Arial,12,B,0,clRed,0\r\n' \
        "$n" $((10 + 34 * (n - 1))) "$caption"
    printf '%s\r\n' "$@"
}
definition() {  # definition BACKGROUND
    printf '[Main]\r\nBackground=%s\r\nIcon=disc.ico\r\nAppName=Disc from a drive\r\nAppTaskName=CD disc\r\nProgCount=4\r\n' "$1"
    entry 1 '&Install' 'ExePath=setup\setup.exe' 'ExeCommandLine=/from-disc' 'ExeWorkingPath=setup' \
        'PreRunMessage=The installer starts now.' 'TerminateAfterStart=0'
    entry 2 Manual 'ExePath=docs\manual.txt' 'TerminateAfterStart=0'
    entry 3 'User guide' 'ExePath=docs\User guide.txt' 'TerminateAfterStart=0'
    entry 4 Extras 'ExePath=extras\setup.exe'
}
definition menu.bmp >"$disc/menu.ini"

# --- the images -------------------------------------------------------------------------------------
"$here/scripts/make-disc" "$disc" "$work/joliet.iso" >"$work/make-disc.log" 2>&1 ||
    { cat "$work/make-disc.log"; echo "FAIL make-disc"; exit 1; }
level1() {  # level1 FOLDER OUT.iso (menu.exe added, as make-disc adds it)
    xorriso -report_about SORRY -abort_on FAILURE -outdev "stdio:$2" -volid CD_DISC -joliet off -rockridge off \
        -compliance iso_9660_level=1 -map "$1" / -map "$menu_exe" /menu.exe >/dev/null 2>&1
}
level1 "$disc" "$work/level1.iso" || { echo "FAIL xorriso (level 1)"; exit 1; }
mv "$disc/menu.bmp" "$disc/background.bmp"
definition background.bmp >"$disc/menu.ini"
level1 "$disc" "$work/level1-long.iso" || { echo "FAIL xorriso (level 1, long name)"; exit 1; }

extract() {  # extract IMAGE FOLDER
    osirrox -indev "$1" -extract / "$2" >/dev/null 2>&1 || { echo "FAIL osirrox cannot extract $1"; exit 1; }
}
# The folder seen through a read-only bind mount at FOLDER.ro, as a pressed disc cannot be written.
read_only() {
    mkdir "$1.ro"
    mount --bind "$1" "$1.ro" && mounts+=("$1.ro") && mount -o remount,ro,bind "$1.ro" ||
        { echo "FAIL no read-only bind mount of $1 (needs root)"; exit 1; }
}
# Gives the folder to Wine as the CD-ROM drive. Wine learns a drive's type when it starts, so the
# first call waits until this prefix's Wine has ended.
use_as_cdrom() {
    ln -sfn "$1" "$link"
    if ! "$wine_run" reg query 'HKLM\Software\Wine\Drives' /v "$letter:" 2>/dev/null | grep -q cdrom; then
        "$wine_run" reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d cdrom /f >/dev/null 2>&1
        wineserver -w
    fi
}
run_tests() {  # run_tests NAME FILTER
    rm -f "$work/launches.txt"
    if MENU_TEST_CDROM=$drive RECORDER_LOG=$(windows_path "$work/launches.txt") \
        "$wine_run" "$disc_tests" --gtest_filter="$2" >"$work/run.log" 2>&1 && grep -q '\[  PASSED  \] 1 test' "$work/run.log"; then
        echo "ok   $1"
    else
        cat "$work/run.log"; fail "$1"
    fi
}
lint() {  # lint NAME FINDING_PATTERN...: menucheck --lint D:\ gives exactly these warnings
    local name=$1 out code=0
    shift
    out=$("$wine_run" "$menucheck_exe" --lint "$drive\\" 2>&1 | tr -d '\r') || code=$?
    local found
    found=$(grep -cE ': (warning|error): ' <<<"$out")
    [ "$code" -eq 1 ] && [ "$found" -eq $# ] || { echo "$out"; fail "$name: exit code $code, $found findings"; return; }
    for pattern in "$@"; do
        grep -qE "^$drive.menu\.ini:[0-9]+: warning: $pattern" <<<"$out" || { echo "$out"; fail "$name: no finding $pattern"; return; }
    done
    echo "ok   $name"
}

# --- writes nothing ---------------------------------------------------------------------------------
extract "$work/joliet.iso" "$work/cd"
use_as_cdrom "$work/cd"
# Every file and folder with its size, mode and modification time, and every file's content.
snapshot() { (cd "$work/cd" && find . -printf '%p %s %m %T@\n' | sort && find . -type f -exec sha256sum {} + | sort); }
registry() {  # the two exports (UTF-16) as UTF-8 text
    local hive
    for hive in HKCU HKLM; do
        "$wine_run" reg export "$hive" "$(windows_path "$work/export.reg")" /y >/dev/null 2>&1 &&
            iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d "\r" >"$work/${hive,,}-$1.reg" || fail "reg export $hive ($1)"
    done
}
snapshot >"$work/disc-before.txt"
registry before
run_tests "writes nothing: start-up, hovering, a dialog and a launch" 'FromCdrom.StartHoverDialogLaunchAndClose'
grep -q 'folder: ' "$work/launches.txt" 2>/dev/null || fail "writes nothing: the launch was not recorded"
registry after
snapshot >"$work/disc-after.txt"
# Two things Wine itself does are left out of the comparison: its user32 creates an empty volatile key
# under "Temporary System Parameters" the first time a program reads a system parameter of a kind (the
# mouse's, for instance), gone again when Wine ends (a value written there still counts); and its X11
# driver registers its display adapters under HKLM's Control\Video, with new identifiers, whenever
# its desktop starts.
wine_own='^\[HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters[^\n]*\]\n*$|^\[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Video\\'
for hive in hkcu hklm; do
    for when in before after; do
        skip=$wine_own awk -v RS= -v ORS='\n\n' '$0 !~ ENVIRON["skip"]' "$work/$hive-$when.reg" >"$work/$hive-$when.txt"
    done
done
for part in disc hkcu hklm; do
    if ! diff -a "$work/$part-before.txt" "$work/$part-after.txt" >"$work/$part.diff"; then
        head -40 "$work/$part.diff"; fail "writes nothing: $part changed"
    fi
done
[ -s "$work/hklm-after.txt" ] && [ ! -s "$work/disc.diff" ] && [ ! -s "$work/hkcu.diff" ] && [ ! -s "$work/hklm.diff" ] &&
    echo "ok   the disc folder, HKCU and HKLM are unchanged"

# --- read-only --------------------------------------------------------------------------------------
read_only "$work/cd"
use_as_cdrom "$work/cd.ro"
run_tests "Joliet image, read-only" 'FromCdrom.JolietImageShowsTheMenuAndLaunchesFromTheReadOnlyDisc'
lint "Joliet image: menucheck --lint $drive\\" "ExePath extras.setup\.exe does not exist"

extract "$work/level1.iso" "$work/l1"
read_only "$work/l1"
use_as_cdrom "$work/l1.ro"
run_tests "level 1 image" 'FromCdrom.Level1ImageFindsItsUpperCaseFiles'
lint "level 1 image: menucheck --lint $drive\\" "ExePath docs.User guide\.txt does not exist" "ExePath extras.setup\.exe does not exist"

extract "$work/level1-long.iso" "$work/l1long"
read_only "$work/l1long"
use_as_cdrom "$work/l1long.ro"
run_tests "level 1 image, a long background name" 'FromCdrom.Level1ImageNamesTheBackgroundItCannotFind'

echo "disc_image: $failures failed"
[ "$failures" -eq 0 ]
