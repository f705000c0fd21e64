#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks its contents, its dependencies and its
# desktop integration files, then installs it into a scratch root and removes it again.
# Usage: package_check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack:cmake dpkg-deb:dpkg lintian:lintian readelf:binutils desktop-file-validate:desktop-file-utils \
    appstreamcli:appstream identify:imagemagick; do
    command -v "${tool%%:*}" > /dev/null || fail "${tool%%:*} is missing (Debian package ${tool#*:})"
done

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack"; }
package=$(ls "$scratch"/out/tarvola_*.deb)
echo "package: $(basename "$package")"

# Exactly the program, its desktop integration and the files every Debian package carries.
files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | sort)
expected=$(sort <<'LIST'
./usr/bin/tarvola
./usr/share/applications/org.example.ulvo.Tarvola.desktop
./usr/share/metainfo/org.example.ulvo.Tarvola.metainfo.xml
./usr/share/icons/hicolor/48x48/apps/org.example.ulvo.Tarvola.png
./usr/share/doc/tarvola/copyright
./usr/share/doc/tarvola/changelog.gz
./usr/share/man/man1/tarvola.1.gz
LIST
)
[ "$files" = "$expected" ] || fail "package holds:
$files"

[ "$(dpkg-deb -f "$package" Version)" = "1.00.0001" ] || fail "version is not 1.00.0001"
depends=$(dpkg-deb -f "$package" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation qt6-qpa-plugins qt6-wayland; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

# Debian's own checker: an error or a warning fails.
lintian_status=0
lintian --fail-on error,warning "$package" > "$scratch/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$scratch/lintian.log" || true
[ $lintian_status -eq 0 ] || fail "lintian reports an error or a warning"

# The installed desktop entry, metainfo and icon, as a desktop would read them.
root="$scratch/root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
# As any user: the scratch root is ours, and owners need not be set. dpkg looks for ldconfig and
# start-stop-daemon, which a user's PATH often lacks.
export PATH="$PATH:/usr/sbin:/sbin"
dpkg_scratch=(dpkg --root="$root" --force-not-root --force-script-chrootless --log=/dev/null)
"${dpkg_scratch[@]}" --force-depends -i "$package" > "$scratch/dpkg.log" 2>&1 \
    || { cat "$scratch/dpkg.log"; fail "install"; }
dynamic=$(readelf -d "$root/usr/bin/tarvola") || fail "readelf could not read the installed program"
grep -q "(NEEDED)" <<<"$dynamic" || fail "readelf shows no dynamic section"
! grep -qE "RPATH|RUNPATH" <<<"$dynamic" || fail "the installed program carries a library search path"
desktop-file-validate "$root/usr/share/applications/org.example.ulvo.Tarvola.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.ulvo.Tarvola.metainfo.xml" || fail "metainfo"
grep -q '<release version="1.00.0001"' "$root/usr/share/metainfo/org.example.ulvo.Tarvola.metainfo.xml" \
    || fail "metainfo lacks release 1.00.0001"
[ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/48x48/apps/org.example.ulvo.Tarvola.png")" = 48x48 ] \
    || fail "icon is not 48x48"

"${dpkg_scratch[@]}" -r tarvola > "$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "remove"; }
left=$(find "$root" -mindepth 1 -not -path "$root/var*" -type f)
[ -z "$left" ] || fail "files left after removal: $left"
echo "package check passed"
