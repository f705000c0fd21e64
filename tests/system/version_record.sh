#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW's windres and checks the version record that
# comes out: file and product version 1,0,0,1, French with the Unicode code page, the icon.
# Usage: version_record.sh RESOURCE_SCRIPT
set -euo pipefail
script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The host's preprocessor will do: the script needs no Windows headers.
x86_64-w64-mingw32-windres --preprocessor=cpp "$script" -O coff -o "$scratch/tarvola_res.o" || fail "windres"
x86_64-w64-mingw32-windres -i "$scratch/tarvola_res.o" -O rc > "$scratch/decompiled.rc"
for expected in 'FILEVERSION 1, 0, 0, 1' 'PRODUCTVERSION 1, 0, 0, 1' 'BLOCK "040C04B0"' \
                'VALUE "FileVersion", "1.00.0001"' 'VALUE "ProductVersion", "1.00.0001"' \
                'VALUE "Translation", 0x40c, 1200' 'RT_GROUP_ICON'; do
    grep -qF "$expected" "$scratch/decompiled.rc" || fail "the compiled record lacks: $expected"
done
echo "version record check passed"
