#!/usr/bin/env bash
# Signing the shipped program as docs/signing.md describes: a copy of menu.exe signed with a throw-away
# self-signed code-signing certificate made by openssl verifies with osslsigncode, a copy changed after
# signing does not, and the signed copy starts under Wine and shows its window. The PE checksum of the
# program as linked, and of the signed copy, is checked against the sum computed here.
# Needs the X display and Wine prefix of scripts/lib.sh's start_display.
# Usage: signing.sh MENU_EXE DISC_TESTS_EXE [PROGRAM...]   (PROGRAM: further programs whose checksum
# is checked, such as the shipped dist/menu.exe where the Windows tests run on the 64-bit tree)
set -uo pipefail
here=$(CDPATH= cd "$(dirname "$0")/.." && pwd)
menu_exe=$(realpath "$1")
disc_tests=$(realpath "$2")
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $1"; failures=$((failures + 1)); }

# The PE image checksum: the file as 16-bit little-endian words (its checksum field taken as zero)
# added with the carry folded back in, plus the file's length. Prints "stored computed" in hex.
pe_checksum() {
    perl -e 'open(my $f, "<:raw", $ARGV[0]) or die "$ARGV[0]: $!"; local $/; my $d = <$f>;
        my $length = length $d; my $field = unpack("V", substr($d, 60, 4)) + 24 + 64;
        my $stored = unpack("V", substr($d, $field, 4)); substr($d, $field, 4) = "\0" x 4;
        $d .= "\0" if $length % 2; my $sum = 0;
        for my $word (unpack("v*", $d)) { $sum += $word; $sum = ($sum & 0xffff) + ($sum >> 16); }
        printf("%08x %08x\n", $stored, $sum + $length);' "$1"
}
check_checksum() {  # check_checksum NAME FILE
    read -r stored computed < <(pe_checksum "$2")
    if [ "$stored" = "$computed" ] && [ "$stored" != 00000000 ]; then
        echo "ok   $1: PE checksum $stored"
    else
        fail "$1: PE checksum $stored, the file sums to $computed"
    fi
}
check_checksum "menu.exe as linked" "$menu_exe"
for program in "$@"; do check_checksum "$program as linked" "$program"; done

cd "$work" || exit 1
openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 2 -subj "/CN=Disc Menu Test Publisher" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
    -keyout key.pem -out cert.pem 2>openssl.log || { cat openssl.log; fail "openssl made no certificate"; }
if osslsigncode sign -certs cert.pem -key key.pem -h sha256 -n "Disc menu" -i https://example.invalid/ \
    -in "$menu_exe" -out signed.exe >sign.log 2>&1; then
    echo "ok   signed"
else
    cat sign.log; fail "osslsigncode could not sign"
fi
if osslsigncode verify -CAfile cert.pem -in signed.exe >verify.log 2>&1 && grep -q "Signature verification: ok" verify.log; then
    echo "ok   the signature verifies"
else
    cat verify.log; fail "the signed copy does not verify"
fi
check_checksum "signed copy" signed.exe

# One byte of code changed after signing: the signature no longer matches.
cp signed.exe changed.exe
printf '\x90' | dd of=changed.exe bs=1 seek=$((0x1010)) conv=notrunc status=none
if osslsigncode verify -CAfile cert.pem -in changed.exe >changed.log 2>&1; then
    fail "a copy changed after signing still verifies"
else
    echo "ok   a copy changed after signing fails verification"
fi

MENU_TEST_SIGNED_EXE="Z:$(tr / '\\' <<<"$work/signed.exe")" "$here/scripts/wine-run" "$disc_tests" \
    --gtest_filter='SignedProgram.*' >run.log 2>&1 && grep -q '\[  PASSED  \] 1 test' run.log &&
    echo "ok   the signed copy starts and shows its window" || { cat run.log; fail "the signed copy under Wine"; }

echo "signing: $failures failed"
[ "$failures" -eq 0 ]
