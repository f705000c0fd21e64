#!/usr/bin/env bash
# tarvola.exe is one file that imports only DLLs every Windows ships, at most 1 MB, with the
# protections Windows expects and no link time (so the same commit links to the same bytes).
# Usage: check_executable.sh TARVOLA_EXE
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*"; exit 1; }
command -v x86_64-w64-mingw32-objdump > /dev/null \
    || fail "x86_64-w64-mingw32-objdump is missing: install the package binutils-mingw-w64-x86-64"
[ -f "$exe" ] || fail "no executable at $exe"
size=$(stat -c %s "$exe")
echo "tarvola.exe: $size bytes"
[ "$size" -le 1048576 ] || fail "larger than 1 MB"
# Windows places it at a random address (with 64-bit entropy) and never runs its data.
headers=$(TZ=UTC x86_64-w64-mingw32-objdump -p "$exe") || fail "objdump cannot read $exe as a Windows executable"
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    grep -qw "$flag" <<< "$headers" || fail "lacks $flag"
done
grep -qE "^Time/Date[[:space:]]+(Thu Jan  1 00:00:00 1970|0+)$" <<< "$headers" \
    || fail "carries a link time: $(grep ^Time/Date <<< "$headers")"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort) \
    || fail "objdump cannot read $exe as a Windows executable"
echo "imports:" $imports
# A window program cannot do without these two; their absence means the list was not read.
for needed in KERNEL32.DLL USER32.DLL; do
    grep -qx "$needed" <<< "$imports" || fail "does not import $needed: the import list was not read"
done
for dll in $imports; do
    case $dll in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | SHELL32.DLL | COMCTL32.DLL | OLE32.DLL | MSVCRT.DLL | VERSION.DLL | ADVAPI32.DLL) ;;
        *) fail "imports $dll, which Windows does not ship" ;;
    esac
done
echo "executable check passed"
