#!/usr/bin/env bash
# menucheck's command line: a folder or a menu.ini gives a report, a missing menu.ini in an
# existing folder gives the defaults, and a missing path or no argument gives exit code 2.
# Usage: menucheck_cli.sh MENUCHECK [RUNNER]   (RUNNER: e.g. scripts/wine-run for the .exe)
set -uo pipefail
menucheck=$(realpath "$1")
runner=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir disc empty
printf '[Main]\r\nAppName=Disc\r\nProgCount=2\r\n[Prog_1]\r\nButtonText=Install\r\nExePath=menu.ini\r\n' >disc/menu.ini

failures=0
check() {  # check NAME EXPECTED_CODE PATTERN ARGS...
    local name=$1 expected=$2 pattern=$3
    shift 3
    $runner "$menucheck" "$@" >out.txt 2>err.txt
    local code=$?
    if [ "$code" -ne "$expected" ]; then
        echo "FAIL $name: exit code $code, expected $expected"; cat err.txt; failures=$((failures + 1))
    elif [ "$expected" -eq 2 ] && { [ ! -s err.txt ] || [ -s out.txt ]; }; then
        echo "FAIL $name: expected a message on stderr and no report"; failures=$((failures + 1))
    elif ! grep -q -- "$pattern" out.txt err.txt; then
        echo "FAIL $name: no match for $pattern"; cat out.txt err.txt; failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

check "no argument" 2 "usage"
check "two arguments" 2 "usage" disc empty
check "empty argument" 2 "usage" ""
check "missing folder" 2 "no such file or folder" nowhere
check "file in a missing folder" 2 "no such file or folder" 'nowhere\menu.ini'
check "folder" 0 '"AppName": "Disc"' disc
check "folder gives its menu.ini" 0 '"IniFileName": ".*disc[\\/]*menu.ini"' disc
check "two entries" 0 '"ProgCount": 2' disc
(cd disc && check "file by name" 0 '"Runnable": true' menu.ini)
check "folder without menu.ini" 0 '"BackgroundPath": ".*empty[\\/]*menu.bmp"' empty
check "missing menu.ini gives one entry" 0 '"TerminateAfterStart": true' empty
check "missing file" 2 "no such file or folder" none.ini

echo "menucheck_cli: $failures failed"
[ "$failures" -eq 0 ]
