#!/usr/bin/env bash
# The native and the Windows menucheck must print the same report for the same definition.
# Usage: menucheck_compare.sh NATIVE_MENUCHECK WINDOWS_MENUCHECK_EXE [DEFINITION...]
# Without definitions: the demo disc and every .ini of the INI test corpus. Each one is checked
# from its own folder (relative targets are tested from there) by its bare file name. The reports
# name the definition's folder by full path, "/dir/" on the host and "Z:\dir\" under Wine; both
# are replaced by "<DIR>" before comparing.
# Needs scripts/wine-run's prefix (and a display for Wine, as the Windows tests do).
set -euo pipefail
here=$(CDPATH= cd "$(dirname "$0")/.." && pwd)
native=$(realpath "$1")
windows=$(realpath "$2")
shift 2
if [ $# -eq 0 ]; then
    set -- "$here/examples/demo/menu.ini"
    for f in "$here"/tests/data/ini/*.ini; do [ -e "$f" ] && set -- "$@" "$f"; done
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
for definition in "$@"; do
    folder=$(dirname "$definition")
    name=$(basename "$definition")
    folder=$(realpath "$folder")
    (cd "$folder" && "$native" "$name") 2>"$scratch/native.err" |
        FOLDER="$folder/" perl -pe 's/\Q$ENV{FOLDER}\E/<DIR>/g' >"$scratch/native.json" || true
    # Wine shows host folders on drive Z:, with backslashes (doubled in JSON text).
    windows_folder="Z:$(printf '%s' "$folder/" | sed 's|/|\\\\|g')"
    (cd "$folder" && "$here/scripts/wine-run" "$windows" "$name") 2>"$scratch/windows.err" |
        FOLDER="$windows_folder" perl -pe 's/\Q$ENV{FOLDER}\E/<DIR>/g' >"$scratch/windows.json" || true
    if [ ! -s "$scratch/native.json" ]; then
        echo "menucheck_compare: no native report for $definition:"; cat "$scratch/native.err"; failures=$((failures + 1))
    elif ! diff -u --label "native $name" --label "windows $name" "$scratch/native.json" "$scratch/windows.json"; then
        failures=$((failures + 1))
    fi
done
echo "menucheck_compare: $# definitions, $failures differing"
[ "$failures" -eq 0 ]
