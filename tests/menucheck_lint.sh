#!/usr/bin/env bash
# menucheck --lint on a table of small discs: each case writes a menu.ini (CR LF line ends) and the
# files it names into a folder of its own, then expects an exit code and exactly the listed
# findings, in order, as "line: level: message" (extended regular expressions after "menu.ini:").
# The demo disc gives only its two deliberate findings. Cases marked "windows" need the platform (fonts, registry).
# Usage: menucheck_lint.sh MENUCHECK [RUNNER]   (RUNNER: e.g. scripts/wine-run for the .exe)
set -uo pipefail
here=$(CDPATH= cd "$(dirname "$0")/.." && pwd)
menucheck=$(realpath "$1")
runner=${2:+$(realpath "$2")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
on_windows=false
[[ "$menucheck" == *.exe ]] && on_windows=true

# bmp FILE WIDTH HEIGHT: a 24-bit bitmap header without pixels (the rows may be missing).
bmp() { perl -e 'print pack("a2 V v v V V l l v v V V l l V V", "BM", 54, 0, 0, 54, 40, $ARGV[0], $ARGV[1], 1, 24, 0, 0, 0, 0, 0, 0)' "$2" "$3" >"$1"; }
# ini LINE...: menu.ini with CR LF line ends.
ini() { printf '%s\r\n' "$@" >menu.ini; }

failures=0
run_case() {  # run_case NAME [windows] SETUP_FUNCTION EXPECTED_CODE EXPECTED_FINDING...
    local name=$1
    shift
    if [ "$1" = windows ]; then
        shift
        $on_windows || { echo "skip $name (Windows only)"; return; }
    fi
    local setup=$1 expected=$2
    shift 2
    local disc="$work/$name"
    mkdir -p "$disc" && cd "$disc" || return
    bmp menu.bmp 200 100
    $setup
    $runner "$menucheck" --lint menu.ini >"$work/out.txt" 2>"$work/err.txt"
    local code=$?
    local found=()
    mapfile -t found < <(tr -d '\r' <"$work/out.txt" | grep -E '^menu\.ini(:[0-9]+)?: (warning|error): ' | sed 's/^menu\.ini://')
    local problem=""
    [ "$code" -ne "$expected" ] && problem="exit code $code, expected $expected"
    [ -z "$problem" ] && [ "${#found[@]}" -ne $# ] && problem="${#found[@]} findings, expected $#"
    local i=0
    for pattern in "$@"; do
        [ -n "$problem" ] && break
        [[ "${found[$i]}" =~ ^$pattern$ ]] || problem="finding $((i + 1)) does not match: $pattern"
        i=$((i + 1))
    done
    if [ -n "$problem" ]; then
        echo "FAIL $name: $problem"; cat "$work/out.txt" "$work/err.txt"; failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
    cd "$work" || exit 1
}

clean() {
    mkdir setup && : >setup/setup.exe && : >readme.txt
    ini '; A comment line' '[Main]' 'Background=menu.bmp' 'ProgCount=2' \
        '[Prog_1]' 'X=10' 'Y=10' 'Width=120' 'Height=30' 'ButtonText=&Install' 'ExePath=setup\setup.exe' \
        '[Prog_2]' 'X=10' 'Y=50' 'Width=120' 'Height=30' 'ButtonText=&Read me' 'ExePath=readme.txt' \
        'FontInfo=Arial,10,B,0,clWhite,0' 'HighlightColor=$00FF8000' 'TerminateAfterStart=0'
}
run_case clean clean 0

values() {
    : >a.exe
    ini '[Main]' 'ProgCount=1' '[Prog_1]' 'X=12px' 'Y=' 'Width=100' 'Height=20' 'ExePath=a.exe' \
        'TerminateAfterStart=false' 'HighlightColor=red' 'TopContourColor=clBtnFace' \
        'FontInfo=Arial,big,Bold,0,clRed,RUSSIAN_CHARSET'
}
run_case values values 1 \
    "4: warning: X=12px is not a number: the menu uses 0" \
    "5: warning: Y is empty: the menu uses 0" \
    "9: warning: TerminateAfterStart=false is not a number: the menu takes it as true \(only 0 means false\)" \
    "10: warning: HighlightColor=red is not a colour: the menu uses clBlack" \
    "12: warning: font size 'big' is not a number: the size stays 8" \
    "12: warning: font style 'Bold' is read letter by letter \(B, I, U, S\): it gives B" \
    "12: warning: character set 'RUSSIAN_CHARSET' is not a number: it stays 1"

font_colour() {
    : >a.exe
    ini '[Main]' 'ProgCount=1' '[Prog_1]' 'Width=100' 'Height=20' 'ExePath=a.exe' 'FontInfo=Arial;12;;0;;204;x'
}
run_case font_colour font_colour 1 \
    "7: warning: font colour is empty: the menu stops reading the font there \(colour stays clWindowText, character set not read\)" \
    "7: warning: the font text has more than six fields: the menu ignores the rest"

names() {
    : >a.exe
    ini '[Main]' 'ProgCount=2' 'progcount=3' '[Prog_1]' 'Widht=100' 'Width=100' 'Height=20' 'ExePath=a.exe' \
        'Background=b.bmp' 'Height' '[Prog_2]' 'Width=100' 'Y=30' 'Height=20' 'ExePath=a.exe' \
        '[prog_1]' 'X=5' '[Prog_010]' '[Prog_3]' '[Settings]' '[Mian]'
}
run_case names names 1 \
    "3: warning: 'progcount' appears again in \[Main\] \(first at line 2\): the menu uses the first" \
    "5: warning: 'Widht' is not a key the menu reads in \[Prog_1\]; did you mean 'Width'\?" \
    "9: warning: 'Background' is not a key the menu reads in \[Prog_1\]: it is read only in \[Main\]" \
    "10: warning: 'Height' appears again in \[Prog_1\] \(first at line 7\): the menu uses the first" \
    "16: warning: \[prog_1\] appears again \(first at line 4\): the menu reads only the first" \
    "18: warning: \[Prog_010\] is never read: entry numbers have no leading zeros \(write \[Prog_10\]\)" \
    "19: warning: \[Prog_3\] is not read: ProgCount is 2" \
    "20: warning: \[Settings\] is not a section the menu reads" \
    "21: warning: \[Mian\] is not a section the menu reads; did you mean \[Main\]\?"

counts() {
    : >a.exe
    ini '[Main]' 'ProgCount=5' '[Prog_1]' 'Width=10' 'Height=10' 'ExePath=a.exe' '[Prog_3]' 'Width=10' 'Height=10' \
        'X=20' 'ExePath=a.exe'
}
run_case counts counts 1 \
    "2: warning: ProgCount is 5 but \[Prog_2\] is missing: its button has zero size" \
    "2: warning: ProgCount is 5 but \[Prog_4\] to \[Prog_5\] are missing: their buttons have zero size"

too_many() { ini '[Main]' 'ProgCount=$7FFFFFFF'; }
run_case too_many too_many 1 \
    "2: warning: ProgCount 2147483647 is more than the 1000 entries the menu reads: it shows the first 1000" \
    "2: warning: ProgCount is 1000 but \[Prog_1\] to \[Prog_1000\] are missing: their buttons have zero size"

targets() {
    mkdir docs
    ini '[Main]' 'ProgCount=4' '[Prog_1]' 'Width=10' 'Height=10' 'ExePath=setup\none.exe' \
        '[Prog_2]' 'Y=20' 'Width=10' 'Height=10' 'ExePath=docs' \
        '[Prog_3]' 'Y=40' 'Width=10' 'Height=10' 'ExePath=$REG$HKLMSoftware\NoSuchMaker\Viewer$KEY$Path$DEF$none\v.exe' \
        '[Prog_4]' 'Y=60' 'Width=10' 'Height=10'
}
run_case targets targets 1 \
    "6: warning: ExePath setup.none\.exe does not exist from the disc's root: the button will be grey" \
    "11: warning: ExePath docs is a folder, not a file from the disc's root: the button will be grey" \
    "16: warning: ExePath is a registry macro \(HKLM.Software.NoSuchMaker.Viewer, value Path\); on this machine it resolves to 'none.v\.exe' \(its fallback\), which does not exist from the disc's root: the button will be grey here; the registry differs on other machines" \
    "17: warning: \[Prog_4\] has no ExePath: its button will be grey"

places() {
    : >a.exe
    ini '[Main]' 'ProgCount=5' \
        '[Prog_1]' 'X=10' 'Y=10' 'Width=50' 'Height=20' 'ButtonText=&Go' 'ExePath=a.exe' \
        '[Prog_2]' 'X=40' 'Y=20' 'Width=50' 'Height=20' 'ButtonText=&go on' 'ExePath=a.exe' \
        '[Prog_3]' 'X=180' 'Y=90' 'Width=50' 'Height=20' 'ExePath=a.exe' \
        '[Prog_4]' 'X=300' 'Y=10' 'Width=50' 'Height=20' 'ExePath=a.exe' \
        '[Prog_5]' 'X=10' 'Y=60' 'Width=50' 'ExePath=a.exe'
}
run_case places places 1 \
    "10: warning: the button of \[Prog_2\] overlaps the one of \[Prog_1\] \(line 3\) and lies on top of it" \
    "15: warning: the accelerator key G of \[Prog_2\] is also the one of \[Prog_1\] \(line 8\): the key starts only one of them" \
    "17: warning: the button of \[Prog_3\] \(180, 90, 50 x 20\) reaches outside the background \(200 x 100\): it is cut off there" \
    "23: warning: the button of \[Prog_4\] \(300, 10, 50 x 20\) lies outside the background \(200 x 100\): it cannot be seen" \
    "29: warning: the button of \[Prog_5\] \(10, 60, 50 x 0\) has zero size: it cannot be seen or clicked"

no_background() { ini '[Main]' 'Background=none.bmp' 'ProgCount=0'; }
run_case no_background no_background 2 \
    "2: error: the background cannot be loaded: Cannot open file .*none\.bmp\." \
    "3: warning: ProgCount is 0: the menu has no entries and shows one empty button"

bad_images() {
    printf 'PK\003\004 not a bitmap' >pic.bmp
    printf '\000\000\002\000\001\000' >cursor.ico
    ini '[Main]' 'Background=C:\pics\pic.bmp' 'Icon=cursor.ico' 'ProgCount=0'
}
run_case bad_images bad_images 2 \
    "2: warning: Background=C:.pics.pic\.bmp is absolute, but the menu appends it to its own folder: it loads .*C:.pics.pic\.bmp" \
    "2: error: the background cannot be loaded: Cannot open file .*C:.pics.pic\.bmp\." \
    "3: error: the icon cannot be loaded: Icon image is not valid\." \
    "4: warning: ProgCount is 0: the menu has no entries and shows one empty button"

not_bitmap() { printf 'PK\003\004 not a bitmap' >menu.bmp; ini '[Main]' 'ProgCount=0'; }
run_case not_bitmap not_bitmap 2 \
    "1: error: the background cannot be loaded: Bitmap image is not valid\." \
    "2: warning: ProgCount is 0: the menu has no entries and shows one empty button"

lf_lines() {
    : >a.exe
    printf '\n[Main]\nProgCount=1\r\r\n[Prog_1]\nWidth=10\nHeight=10\nExePath=a.exe\nX=1O\n' >menu.ini
}
run_case lf_lines lf_lines 1 "9: warning: X=1O is not a number: the menu uses 0"

caption() {
    : >a.exe
    ini '[Main]' 'ProgCount=1' '[Prog_1]' 'Width=40' 'Height=20' 'ExePath=a.exe' \
        'ButtonText=A caption far wider than its button' 'FontInfo=Arial,12,,0,clBlack,0'
}
run_case caption windows caption 1 \
    "7: warning: the caption 'A caption far wider than its button' needs [0-9]+ x [0-9]+ pixels in its font \(Arial,12,,0,clBlack,0\), the button has room for 38 x 18: it is cut off"

# A macro whose registry value names the disc's folder: Windows finds the target through it.
macro_key='HKCU\Software\DiscMenuLintTest'
registry() {
    : >found.exe
    $runner reg add "$macro_key" /v Dir /d "Z:$(pwd | tr / '\\')" /f >/dev/null 2>&1
    ini '[Main]' 'ProgCount=1' '[Prog_1]' 'Width=10' 'Height=10' \
        'ExePath=$REG$HKCUSoftware\DiscMenuLintTest$KEY$Dir$DEF$none.exe$EXENAME$\found.exe'
}
run_case registry windows registry 0
$on_windows && $runner reg delete "$macro_key" /f >/dev/null 2>&1

# The demo disc shows two things on purpose: a grey entry whose target is missing and a caption wider
# than its button. Those, and nothing else, are what the linter must report for it.
(cd "$here/examples/demo" && $runner "$menucheck" --lint menu.ini) >"$work/out.txt" 2>&1
code=$?
demo_found=$(tr -d '\r' <"$work/out.txt" | grep -cE ': (warning|error): ')
demo_expected=1
$on_windows && demo_expected=2
if [ "$code" -ne 1 ] || [ "$demo_found" -ne "$demo_expected" ] ||
    ! grep -qE "ExePath .* does not exist from the disc's root: the button will be grey" "$work/out.txt" ||
    { $on_windows && ! grep -qE ": warning: the caption '.*' needs .* it is cut off" "$work/out.txt"; }; then
    echo "FAIL demo disc: exit code $code"; cat "$work/out.txt"; failures=$((failures + 1))
else
    echo "ok   demo disc"
fi

echo "menucheck_lint: $failures failed"
[ "$failures" -eq 0 ]
