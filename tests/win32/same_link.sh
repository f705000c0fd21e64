#!/usr/bin/env bash
# Links the Windows program's objects a second time and compares the result with tarvola.exe byte
# for byte: a link time, a path or anything else that differs between two links shows here.
# Usage: same_link.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$1
rm -f "$build/win32/tarvola_second_link.exe"
cmake --build "$build" --target tarvola_second_link > /dev/null || { echo "FAIL: the second link"; exit 1; }
cmp "$build/win32/tarvola.exe" "$build/win32/tarvola_second_link.exe" \
    || { echo "FAIL: two links of the same objects differ"; exit 1; }
echo "two links of tarvola.exe are identical: $(sha256sum < "$build/win32/tarvola.exe" | cut -c1-64)"
