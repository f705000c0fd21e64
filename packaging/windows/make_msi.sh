#!/usr/bin/env bash
# Builds the Windows installer from tarvola.exe with wixl, the same bytes for the same program:
# the cabinet's file times, the package's creation and save dates are SOURCE_DATE_EPOCH (the
# last commit's time when it is not set), its product code is derived from the version and its
# package code from everything that makes the package.
# Usage: make_msi.sh TARVOLA_EXE OUTPUT_MSI VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
output=$(realpath -m "$2")
version=${3:?usage: make_msi.sh TARVOLA_EXE OUTPUT_MSI VERSION}

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in wixl:wixl msibuild:msitools; do
    command -v "${tool%%:*}" > /dev/null || fail "${tool%%:*} is missing: install the package ${tool#*:}"
done
# libfaketime's clock, loaded directly: its faketime wrapper needs a writable /dev/shm.
faketime_library=(/usr/lib/*/faketime/libfaketime.so.1)
[ -e "${faketime_library[0]}" ] || fail "libfaketime is missing: install the package libfaketime"
# Outside a git checkout, a fixed day: the cabinet keeps DOS times, which start in 1980.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 315619200)}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/tarvola.exe"
cp "$here/../../assets/tarvola.ico" "$stage/tarvola.ico"
touch -d "@$epoch" "$stage/tarvola.exe" "$stage/tarvola.ico"

# A GUID made from the SHA-256 of standard input (shaped as a name-based one).
guid_of() {
    local hash
    hash=$(sha256sum | tr a-f A-F)
    echo "${hash:0:8}-${hash:8:4}-5${hash:13:3}-8${hash:17:3}-${hash:20:12}"
}
# Each version is a product of its own: a new version gets a new code and so replaces this one.
product_code=$(echo "Tarvola for Windows, x64, version $version" | guid_of)
# Windows tells packages apart by this code: whatever changes the package changes it.
package_code={$(cat "$stage/tarvola.exe" "$stage/tarvola.ico" "$here/tarvola.wxs" "$0" \
    <(echo "$version $epoch") | guid_of)}

# wixl dates the package by the clock: a clock stopped at the epoch (in UTC, as it is read).
clock=(env TZ=UTC LD_PRELOAD="${faketime_library[0]}" FAKETIME="$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')")
(cd "$stage" && "${clock[@]}" wixl --arch x64 --define Version="$version" \
    --define ProductCode="$product_code" --define Exe=tarvola.exe --define Icon=tarvola.ico --output tarvola.msi "$here/tarvola.wxs") || fail "wixl"
"${clock[@]}" msibuild "$stage/tarvola.msi" -s "Tarvola $version installer" Ulvo "x64;1033" "$package_code" \
    || fail "msibuild could not set the package code"
mv "$stage/tarvola.msi" "$output"
echo "built $output"
