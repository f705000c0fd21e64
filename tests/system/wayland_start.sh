#!/usr/bin/env bash
# The program's windows carry its desktop entry's identity, by which docks show the entry's name
# and icon for them. Started natively under a headless Wayland compositor (weston), the program
# names the entry as its app id on the toplevel it shows and commits a picture to; a value typed
# into the decimal field (by the probe, the same start with keys sent in) is converted. Under X11
# its window class is the entry's StartupWMClass.
# The Wayland side is read from the client's own protocol log (WAYLAND_DEBUG): every request the
# program makes, with its arguments, as the compositor receives it.
# Usage: wayland_start.sh PROGRAM PROBE DESKTOP_ENTRY
set -euo pipefail
program=$1
probe=$2
entry=$3
app_id=$(basename "$entry" .desktop)

scratch=$(mktemp -d)
weston=""
trap 'kill $pid $weston $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
source "$(dirname "$0")/x_session.sh"

# A compositor of our own, in a runtime folder only we may enter, as a session's is.
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
socket=tarvola-test
weston --backend=headless-backend.so --socket=$socket --no-config --idle-time=0 > "$scratch/weston.log" 2>&1 &
weston=$!
wait_for 200 ended_or $weston test -S "$XDG_RUNTIME_DIR/$socket" && kill -0 $weston 2>/dev/null \
    || { cat "$scratch/weston.log"; fail "weston did not open its socket within 20 s"; }

wayland=(env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket)
"${wayland[@]}" WAYLAND_DEBUG=1 "$program" > "$scratch/program.log" 2>&1 &
pid=$!
# The main window's toplevel: the one titled as the main window (its caption as a sed pattern).
title=$(sed 's/[][\\.*^$/]/\\&/g' <<<"$TARVOLA_MAIN_CAPTION")
toplevel() { sed -n "s/.*-> \(xdg_toplevel@[0-9]*\)\.set_title(\"$title\").*/\1/p" "$scratch/program.log" | head -1; }
# Shown once, after the compositor's first configure was acknowledged, a buffer was attached and
# committed.
shown() {
    awk '/-> xdg_surface@[0-9]+\.ack_configure\(/ { acked = 1 }
         acked && /-> wl_surface@[0-9]+\.attach\(wl_buffer@/ { attached = 1 }
         attached && /-> wl_surface@[0-9]+\.commit\(\)/ { found = 1 }
         END { exit !found }' "$scratch/program.log"
}
started() { [ -n "$(toplevel)" ] && shown; }
wait_for 200 ended_or $pid started || true
kill -0 $pid 2>/dev/null || { tail -20 "$scratch/program.log"; fail "the program ended under weston"; }
window=$(toplevel)
[ -n "$window" ] || { tail -20 "$scratch/program.log"; fail "no toplevel titled '$TARVOLA_MAIN_CAPTION' within 20 s"; }
shown || fail "the main window never committed a picture after its first configure"
ids=$(sed -n "s/.*-> $window\.set_app_id(\"\(.*\)\").*/\1/p" "$scratch/program.log")
echo "wayland: main window $window, app id: ${ids:-none}"
[ "$ids" = "$app_id" ] || fail "the main window's app id is '${ids:-none}', expected the entry's '$app_id'"
kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true
pid=""

# A value typed into the decimal field, converted on the next refresh (comma-decimal locale).
# No input method: Qt 6.4's Wayland text input reads the compositor's seat on each key, and a
# headless weston has none (the probe's keys go to the field directly anyway).
converted=$("${wayland[@]}" QT_IM_MODULE=none timeout 60 "$probe" "12,5" 2>&1) || { echo "$converted"; fail "the probe failed"; }
echo "$converted"
grep -qx "platform wayland" <<<"$converted" || fail "the probe did not run on the Wayland platform"
grep -qx "result  12° 30' 0\"" <<<"$converted" || fail "12,5 was not converted to 12° 30' 0\""

# X11: the window class against the entry's StartupWMClass.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"
start_x_server
start_program env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program"
x_window=$window
class=$(xprop -id "$x_window" WM_CLASS)
echo "x11: $class; the entry's StartupWMClass: $wm_class"
[[ $class == *", \"$wm_class\"" ]] || fail "the window class is not the entry's StartupWMClass '$wm_class'"
echo "wayland start test passed"
