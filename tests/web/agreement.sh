#!/bin/sh
# The desktop's build and the WebAssembly build must make the same texts of the same inputs:
# runs the agreement probe of each and compares their output byte for byte.
# Usage: agreement.sh NATIVE_PROBE NODE WASM_PROBE_JS
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" > "$work/desktop.txt"
"$2" "$3" > "$work/webassembly.txt"
lines=$(wc -l < "$work/desktop.txt")
[ "$lines" -gt 100000 ] || { echo "FAIL: the desktop's probe wrote only $lines lines"; exit 1; }
if ! cmp -s "$work/desktop.txt" "$work/webassembly.txt"; then
    echo "FAIL: the WebAssembly build differs from the desktop's (desktop <, WebAssembly >):"
    diff "$work/desktop.txt" "$work/webassembly.txt" | head -20
    exit 1
fi
echo "the same $lines lines from both builds"
