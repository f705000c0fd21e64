#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks its contents, its dependencies and its
# desktop integration files, then installs it into a scratch root and removes it again.
# Usage: package_check.sh BUILD_DIR FORTIFY_PROBE
# The package's version must be the build's, TARVOLA_VERSION_TEXT (ctest passes it in).
set -euo pipefail
: "${TARVOLA_VERSION_TEXT:?is not set: the version text, which ctest passes in from the build}"
version=$TARVOLA_VERSION_TEXT
build=$(cd "$1" && pwd)
probe=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack:cmake dpkg-deb:dpkg lintian:lintian readelf:binutils desktop-file-validate:desktop-file-utils \
    appstreamcli:appstream identify:imagemagick convert:imagemagick rsvg-convert:librsvg2-bin \
    xmllint:libxml2-utils; do
    command -v "${tool%%:*}" > /dev/null || fail "${tool%%:*} is missing (Debian package ${tool#*:})"
done

# Made as a release makes it, twice: the two must be the same bytes, every member dated at the
# last commit, owned by root.
source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null || echo 315619200)
export SOURCE_DATE_EPOCH
for run in 1 2; do
    cpack --config "$build/CPackConfig.cmake" -B "$scratch/out$run" > "$scratch/cpack.log" 2>&1 \
        || { cat "$scratch/cpack.log"; fail "cpack"; }
done
package=$(ls "$scratch"/out1/tarvola_*.deb)
echo "package: $(basename "$package")"
cmp "$package" "$scratch/out2/$(basename "$package")" || fail "the package made twice from one build differs"
ar_times=$(TZ=UTC ar tv "$package" | awk '{print $2, $4, $5, $6, $7}' | sort -u)
want_date=$(LC_ALL=C date -u -d "@$SOURCE_DATE_EPOCH" '+%b %-d %H:%M %Y')
[ "$ar_times" = "0/0 $want_date" ] || fail "the package's members are not root's, dated $want_date: $ar_times"
tar_times=$({ dpkg-deb --ctrl-tarfile "$package"; dpkg-deb --fsys-tarfile "$package"; } \
    | TZ=UTC tar -tv --full-time --numeric-owner --ignore-zeros | awk '{print $2, $4, $5}' | sort -u)
want_time=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
[ "$tar_times" = "0/0 $want_time" ] || fail "the packaged files are not root's, dated $want_time: $tar_times"

# Exactly the program, its desktop integration and the files every Debian package carries.
files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | sort)
expected=$(sort <<'LIST'
./usr/bin/tarvola
./usr/share/applications/org.example.ulvo.Tarvola.desktop
./usr/share/metainfo/org.example.ulvo.Tarvola.metainfo.xml
./usr/share/icons/hicolor/16x16/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/22x22/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/24x24/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/32x32/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/48x48/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/64x64/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/128x128/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/256x256/apps/org.example.ulvo.Tarvola.png
./usr/share/icons/hicolor/scalable/apps/org.example.ulvo.Tarvola.svg
./usr/share/doc/tarvola/copyright
./usr/share/doc/tarvola/changelog.gz
./usr/share/man/man1/tarvola.1.gz
LIST
)
[ "$files" = "$expected" ] || fail "package holds:
$files"

[ "$(dpkg-deb -f "$package" Version)" = "$version" ] || fail "version is not $version"
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
# Hardened as Debian hardens its own programs: position-independent, relocations read-only before
# main runs (RELRO with immediate binding), a stack protector, and the C library's checked calls:
# in the program when it makes a call from lintian's list of calls that can be checked (memcpy
# and its kin are left out there, as the compiler bounds them only through objects of known
# size), and in the probe built with the same flags, which makes one.
program="$root/usr/bin/tarvola"
readelf -h "$program" | grep -q "Type:.*DYN" || fail "the installed program is not position-independent"
grep -qE "FLAGS_1.*PIE" <<<"$dynamic" || fail "the installed program is not marked PIE"
readelf -lW "$program" | grep -q GNU_RELRO || fail "the installed program has no RELRO segment"
grep -qE "\(FLAGS\).*BIND_NOW" <<<"$dynamic" && grep -qE "FLAGS_1.*NOW" <<<"$dynamic" \
    || fail "the installed program binds lazily (partial RELRO)"
imported=$(readelf --dyn-syms -W "$program" | awk '$7 == "UND" {sub(/@.*/, "", $8); print $8}' | sort -u)
grep -qx "__stack_chk_fail" <<<"$imported" || fail "the installed program has no stack protector"
checkable=$(grep -v "^#" /usr/share/lintian/data/binaries/hardened-functions | grep . | sort -u)
plain=$(comm -12 <(echo "$imported") <(echo "$checkable") | tr '\n' ' ')
checked=$(grep -E "^__.+_chk$" <<<"$imported" | tr '\n' ' ' || true)
echo "hardening: PIE, RELRO, BIND_NOW, stack protector; checked calls: ${checked:-none}; unchecked: ${plain:-none}"
# A fortifying build leaves a call plain only where it cannot bound the buffer (snprintf into a
# pointer, say), and never one that it checks for its format as well: one of those plain is a
# call built without fortification, whatever other calls are checked.
always_checked="printf fprintf vprintf vfprintf dprintf vdprintf sprintf vsprintf vsnprintf asprintf vasprintf
obstack_printf obstack_vprintf syslog vsyslog wprintf fwprintf vwprintf vfwprintf"
never_plain=$(comm -12 <(tr ' ' '\n' <<<"$plain" | sort -u) <(tr ' ' '\n' <<<"$always_checked" | sort -u) \
    | grep . | tr '\n' ' ' || true)
[ -z "$never_plain" ] || fail "calls that a fortifying build always checks are plain: $never_plain"
[ -z "$plain" ] || [ -n "$checked" ] || fail "calls that can be fortified are not: $plain"
readelf --dyn-syms -W "$probe" | grep -q " __snprintf_chk@" || fail "the build does not fortify calls (see $probe)"
desktop-file-validate "$root/usr/share/applications/org.example.ulvo.Tarvola.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.ulvo.Tarvola.metainfo.xml" || fail "metainfo"
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/org.example.ulvo.Tarvola.metainfo.xml" \
    || fail "metainfo lacks release $version"
# The changelog's newest entry, its first line, is this version's: a release without one fails.
newest=$(gzip -dc "$root/usr/share/doc/tarvola/changelog.gz" | sed -n '1s/^tarvola (\([^)]*\)) .*/\1/p')
[ "$newest" = "$version" ] || fail "the changelog's newest entry is for '${newest:-nothing}', not $version"
# The entry and the metainfo name the icon the theme holds; each size holds a picture of its
# own size, and every one of them, the scalable drawing rendered by librsvg as desktops render
# it, shows the same globe on grey as the 48 x 48 original: their difference at 48 x 48 is small.
grep -qx "Icon=org.example.ulvo.Tarvola" "$root/usr/share/applications/org.example.ulvo.Tarvola.desktop" \
    || fail "the desktop entry does not name the icon"
grep -q '<icon type="stock">org.example.ulvo.Tarvola</icon>' "$root/usr/share/metainfo/org.example.ulvo.Tarvola.metainfo.xml" \
    || fail "the metainfo does not name the icon"
icons="$root/usr/share/icons/hicolor"
original="$icons/48x48/apps/org.example.ulvo.Tarvola.png"
like_original() {
    local error
    error=$(convert "$1" -background none -flatten -resize 48x48\! "$original" -metric RMSE -format "%[distortion]" \
        -compare info: 2>/dev/null) || true
    echo "$2: difference from the 48 x 48 icon $error"
    awk -v e="${error:-1}" 'BEGIN { exit !(e < 0.1) }' || fail "$2 does not look like the 48 x 48 icon"
}
for size in 16 22 24 32 48 64 128 256; do
    icon="$icons/${size}x$size/apps/org.example.ulvo.Tarvola.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "the ${size}x$size icon is not ${size}x$size"
    if [ "$size" -ge 32 ]; then like_original "$icon" "${size}x$size"; fi
done
svg="$icons/scalable/apps/org.example.ulvo.Tarvola.svg"
xmllint --noout "$svg" || fail "the scalable icon is not well-formed"
rsvg-convert -w 256 -h 256 "$svg" -o "$scratch/scalable.png" || fail "librsvg cannot render the scalable icon"
like_original "$scratch/scalable.png" "scalable icon"

# The Windows icon file: the 48 x 48 image in 256 colours first, then each size Windows asks for
# at some resolution, each read back by ImageMagick; from its directory, width and bits a pixel.
ico="$source/assets/tarvola.ico"
read -r -a directory <<<"$(od -An -v -tu1 -N 198 "$ico" | tr -s ' \n' ' ')"
entries=""
for ((entry = 0; entry < directory[4]; entry++)); do
    at=$((6 + 16 * entry))
    entries+="$(( directory[at] == 0 ? 256 : directory[at] )):$((directory[at + 6] + 256 * directory[at + 7])) "
done
echo "Windows icon (width:bits): $entries"
[[ $entries == "48:8 "* ]] || fail "the Windows icon does not start with the 48 x 48 image in 256 colours"
sizes=" $(identify -format '%w ' "$ico")"
for size in 16 24 32 48 256; do
    [[ $sizes == *" $size "* ]] || fail "the Windows icon lacks the ${size}x$size image (it holds$sizes)"
done

"${dpkg_scratch[@]}" -r tarvola > "$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "remove"; }
left=$(find "$root" -mindepth 1 -not -path "$root/var*" -type f)
[ -z "$left" ] || fail "files left after removal: $left"
echo "package check passed"
