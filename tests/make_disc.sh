#!/usr/bin/env bash
# scripts/make-disc on a table of disc folders: the demo disc gives an image holding exactly its files,
# menu.exe and the autorun.inf it writes, read back from the image; a broken disc, a missing folder,
# a folder without menu.ini, an unwritable output and an autorun.inf naming a missing file are
# refused with a clear message and leave no image; an autorun.inf of the author's is kept byte for byte.
# Usage: make_disc.sh MENUCHECK MENU_EXE   (the native menucheck and the shipped dist/menu.exe)
set -uo pipefail
here=$(CDPATH= cd "$(dirname "$0")/.." && pwd)
export MENUCHECK=$(realpath "$1") MENU_EXE=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
make_disc="$here/scripts/make-disc"
failures=0
fail() { echo "FAIL $1"; [ -f "$work/err.txt" ] && cat "$work/out.txt" "$work/err.txt"; failures=$((failures + 1)); }

# The image's files, one "path size" line each, sorted, as Joliet names them (what Windows shows).
listing() { osirrox -indev "$1" -joliet on -rockridge off -find / -type f -exec lsdl -- 2>/dev/null |
    awk '{ name = $NF; gsub(/\x27/, "", name); print name, $5 }' | sort; }
# One file of the image, as Joliet names it, to standard output.
image_file() { osirrox -indev "$1" -joliet on -rockridge off -extract "$2" "$work/extracted" >/dev/null 2>&1 &&
    cat "$work/extracted" && rm -f "$work/extracted"; }
volume_id() { xorriso -indev "$1" -pvd_info 2>/dev/null | sed -n "s/^Volume Id *: //p"; }

# --- the demo disc ----------------------------------------------------------------------------------
demo="$here/examples/demo"
before=$(cd "$demo" && find . -printf '%p %s %T@\n' | sort)
if ! "$make_disc" "$demo" "$work/demo.iso" >"$work/out.txt" 2>"$work/err.txt"; then
    fail "demo disc: make-disc failed"
else
    # menucheck's own warning about the disc's deliberately missing target is printed, not fatal.
    grep -q "does not exist from the disc's root" "$work/out.txt" || fail "demo disc: the lint's warning is not shown"
    expected=$( (cd "$demo" && find . -type f ! -name '.*' -printf '/%P %s\n'
        echo "/menu.exe $(stat -c %s "$MENU_EXE")"
        echo "/autorun.inf 68") | sort)
    actual=$(listing "$work/demo.iso")
    [ "$actual" = "$expected" ] || fail "demo disc: the image holds$(diff <(echo "$expected") <(echo "$actual"))"
    autorun=$(image_file "$work/demo.iso" /autorun.inf | od -An -c | tr -s ' \n' ' ')
    want=$(printf '[autorun]\r\nopen=menu.exe\r\nicon=menu.exe,0\r\nlabel=Product Demo Disc\r\n' | od -An -c | tr -s ' \n' ' ')
    [ "$autorun" = "$want" ] || fail "demo disc: autorun.inf is$autorun"
    cmp -s <(image_file "$work/demo.iso" /menu.exe) "$MENU_EXE" || fail "demo disc: menu.exe differs from dist/menu.exe"
    cmp -s <(image_file "$work/demo.iso" /setup/setup.bat) "$demo/setup/setup.bat" || fail "demo disc: setup.bat differs"
    # Rock Ridge names the same files.
    rr=$(osirrox -indev "$work/demo.iso" -find / -type f 2>/dev/null | tr -d "'" | sort)
    [ "$(wc -l <<<"$rr")" -eq "$(wc -l <<<"$expected")" ] && grep -qx /docs/manual.txt <<<"$rr" ||
        fail "demo disc: Rock Ridge names$rr"
    [ "$(volume_id "$work/demo.iso")" = "Product Demo" ] || fail "demo disc: volume id $(volume_id "$work/demo.iso")"
    [ "$(cd "$demo" && find . -printf '%p %s %T@\n' | sort)" = "$before" ] || fail "demo disc: the folder was changed"
    echo "ok   demo disc"
fi
rm -f "$work/demo.iso"

# --- small discs ------------------------------------------------------------------------------------
bmp() { perl -e 'print pack("a2 V v v V V l l v v V V l l V V", "BM", 58, 0, 0, 54, 40, 1, 1, 1, 24, 0, 4, 0, 0, 0, 0), "\0\0\0\0"' >"$1"; }
ini() { printf '%s\r\n' "$@" >menu.ini; }

# refuse NAME EXPECTED_MESSAGE ARGS...: make-disc fails, says so on stderr, and writes no image.
refuse() {
    local name=$1 message=$2
    shift 2
    if "$make_disc" "$@" >"$work/out.txt" 2>"$work/err.txt"; then
        fail "$name: make-disc succeeded"
    elif ! grep -qE -- "$message" "$work/err.txt"; then
        fail "$name: no message matching $message"
    elif [ -n "$(find "$work" -maxdepth 3 -type f -name '*.iso*')" ]; then
        fail "$name: an image was left: $(find "$work" -maxdepth 3 -name '*.iso*')"
    else
        echo "ok   $name"
    fi
}
disc() { rm -rf "$work/disc" && mkdir "$work/disc" && cd "$work/disc" && bmp menu.bmp; }

disc && ini '[Main]' 'Background=gone.bmp' 'ProgCount=0'
refuse "lint error" "menucheck found errors in .*menu.ini: no image written" "$work/disc" "$work/out.iso"
grep -q "error: the background cannot be loaded" "$work/out.txt" || fail "lint error: the lint's finding is not shown"
if "$make_disc" --force "$work/disc" "$work/forced.iso" >"$work/out.txt" 2>"$work/err.txt" && [ -s "$work/forced.iso" ]; then
    echo "ok   lint error, --force"
else
    fail "lint error, --force: no image"
fi
rm -f "$work/forced.iso"

refuse "missing folder" "no such folder: $work/none" "$work/none" "$work/out.iso"
refuse "a file, not a folder" "not a folder" "$work/disc/menu.bmp" "$work/out.iso"
disc && rm menu.ini 2>/dev/null
refuse "no menu.ini" "has no menu.ini" "$work/disc" "$work/out.iso"
disc && ini '[Main]' 'ProgCount=0'
refuse "output folder missing" "cannot write $work/no/out.iso: no such folder" "$work/disc" "$work/no/out.iso"
refuse "output below a file" "cannot write .*: .*menu.bmp is not a folder" "$work/disc" "$work/disc/menu.bmp/out.iso"
mkdir -p "$work/dir.iso"
refuse "output is a folder" "it is a folder" "$work/disc" "$work/dir.iso"
rmdir "$work/dir.iso"
refuse "output inside the disc" "cannot be inside the disc folder" "$work/disc" "$work/disc/out.iso"
# A full file system refuses the image; the message names the output.
refuse "output not writable" "cannot write /proc/out.iso" "$work/disc" /proc/out.iso

disc && ini '[Main]' 'ProgCount=0' && printf '[AutoRun]\r\nOpen=setup\\Setup.exe /q\r\nicon="menu.exe",0\r\n' >autorun.inf
refuse "autorun.inf names a missing file" "autorun.inf names files that are not on the disc" "$work/disc" "$work/out.iso"
grep -q 'Open=setup\\Setup.exe /q names setup\\Setup.exe' "$work/err.txt" || fail "autorun.inf: the missing file is not named"

# The author's autorun.inf and program are kept; names match in any letter case, as on Windows.
mkdir SETUP && : >SETUP/setup.EXE && printf 'MZ own' >Menu.exe && printf 'x' >.hidden
if "$make_disc" "$work/disc" "$work/own.iso" >"$work/out.txt" 2>"$work/err.txt"; then
    actual=$(listing "$work/own.iso" | tr '\n' ' ')
    expected=$(find . -type f ! -name '.*' -printf '/%P %s\n' | sort | tr '\n' ' ')
    [ "$actual" = "$expected" ] && [[ "$actual" == *"/Menu.exe 6 "* ]] ||
        fail "own autorun.inf: the image holds $actual"
    cmp -s <(image_file "$work/own.iso" /autorun.inf) autorun.inf || fail "own autorun.inf: not kept as written"
    [ "$(volume_id "$work/own.iso")" = DISC ] || fail "own autorun.inf: volume id $(volume_id "$work/own.iso")"
    echo "ok   own autorun.inf and program"
else
    fail "own autorun.inf: make-disc failed"
fi

# An icon of the menu's own becomes the disc's icon; a long title is cut at a word for the volume.
disc && cp "$here/app/menu.ico" disc.ico &&
    ini '[Main]' 'Icon=disc.ico' 'AppName=Window title' 'AppTaskName=Caf'$'\xe9'' Suite Installer 2026' 'ProgCount=0'
if "$make_disc" "$work/disc" "$work/icon.iso" >"$work/out.txt" 2>"$work/err.txt"; then
    autorun=$(image_file "$work/icon.iso" /autorun.inf | od -An -c | tr -s ' \n' ' ')
    want=$(printf '[autorun]\r\nopen=menu.exe\r\nicon=disc.ico\r\nlabel=Caf\351 Suite Installer 2026\r\n' | od -An -c | tr -s ' \n' ' ')
    [ "$autorun" = "$want" ] || fail "icon and title: autorun.inf is$autorun"
    [ "$(volume_id "$work/icon.iso")" = "Cafe Suite" ] || fail "icon and title: volume id $(volume_id "$work/icon.iso")"
    echo "ok   icon and title"
else
    fail "icon and title: make-disc failed"
fi

echo "make_disc: $failures failed"
[ "$failures" -eq 0 ]
