#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW's windres and checks the version record that
# comes out: file and product version those of the build (TARVOLA_VERSION, as 1.0.0.1, and
# TARVOLA_VERSION_TEXT, which ctest passes in), French with the Unicode code page, the icon.
# Usage: version_record.sh RESOURCE_SCRIPT
set -euo pipefail
script=$1
: "${TARVOLA_VERSION:?is not set: the four version numbers, which ctest passes in from the build}"
: "${TARVOLA_VERSION_TEXT:?is not set: the version text, which ctest passes in from the build}"
# As windres writes the numbers back: 1, 0, 0, 1.
numbers=${TARVOLA_VERSION//./, }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The host's preprocessor will do: the script needs no Windows headers.
x86_64-w64-mingw32-windres --preprocessor=cpp "$script" -O coff -o "$scratch/tarvola_res.o" || fail "windres"
x86_64-w64-mingw32-windres -i "$scratch/tarvola_res.o" -O rc > "$scratch/decompiled.rc"
for expected in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" 'BLOCK "040C04B0"' \
                "VALUE \"FileVersion\", \"$TARVOLA_VERSION_TEXT\"" \
                "VALUE \"ProductVersion\", \"$TARVOLA_VERSION_TEXT\"" \
                'VALUE "Translation", 0x40c, 1200' 'RT_GROUP_ICON'; do
    grep -qF "$expected" "$scratch/decompiled.rc" || fail "the compiled record lacks: $expected"
done
echo "version record check passed"
