#!/usr/bin/env bash
# Starts the real program under a virtual X server with a window manager, waits for its window,
# checks its size, that its frame is centred on the screen and that it asks to stay out of the
# taskbar, then takes a screenshot that must not be blank.
# Usage: window_smoke.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2

# A freshly started Xvfb now and then refuses a client's first connection, mostly on a loaded
# machine; such a start is retried, and any other early end fails the test.
errors=$(mktemp)
numbers=$(mktemp)
pid=""
wm=""
# A virtual X server of our own; it picks a display number no other server holds, abstract
# sockets included (another checkout's tests, a chroot's), and says which.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3> "$numbers" > /dev/null 2>&1 &
xvfb=$!
trap 'kill $pid $wm $xvfb 2>/dev/null || true; rm -f "$errors" "$errors.wm" "$numbers"' EXIT
for _ in $(seq 200); do [ -s "$numbers" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$numbers")
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
# A window manager that frames windows and reports the frame (_NET_FRAME_EXTENTS).
openbox --sm-disable > "$errors.wm" 2>&1 &
wm=$!
# Openbox announces itself before it manages new windows: wait until it has framed a probe. On a
# loaded machine its start can take seconds.
wm_ready=""
for _ in $(seq 200); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
xmessage -name wm-probe "window manager probe" > /dev/null 2>&1 &
probe=$!
for _ in $(seq 200); do
    xprop -name wm-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q "= " && { wm_ready=1; break; }
    sleep 0.05
done
[ -n "$wm_ready" ] || { echo "FAIL: the window manager did not start"; cat "$errors.wm"; exit 1; }
kill $probe 2>/dev/null || true
window=""
for attempt in 1 2 3; do
    for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
    "$program" 2>"$errors" &
    pid=$!
    for _ in $(seq 100); do
        window=$(xwininfo -name " Tarvola v1.1" 2>/dev/null | awk '/Window id:/ {print $4}') && [ -n "$window" ] && break
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$window" ] && break
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    cat "$errors"
    grep -q "could not connect to display" "$errors" || break
    echo "attempt $attempt: the X server refused the connection; starting again"
done
[ -n "$window" ] || { echo "FAIL: no window titled ' Tarvola v1.1' within 10 s"; exit 1; }
sleep 0.5 # the first refresh comes 100 ms after the window, and the frame is centred once drawn

info=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
echo "window $window: ${width}x${height}"
# The client area is 224 x 159 below a menu bar of one line.
[ "$width" -eq 224 ] || { echo "FAIL: width $width, expected 224"; exit 1; }
[ "$height" -gt 159 ] && [ "$height" -lt 200 ] || { echo "FAIL: height $height, expected 159 plus a menu bar"; exit 1; }

# The frame, title bar included, sits in the middle of the 800 x 600 screen.
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | awk -F'= ' '{gsub(",", ""); print $2}')
x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
centre_x=$((x - left + (left + width + right) / 2))
centre_y=$((y - top + (top + height + bottom) / 2))
echo "frame extents $left $right $top $bottom; frame centre ($centre_x, $centre_y)"
[ "${top:-0}" -gt 0 ] || { echo "FAIL: the window manager gave no frame"; cat "$errors.wm"; exit 1; }
[ $((centre_x - 400)) -ge -1 ] && [ $((centre_x - 400)) -le 1 ] && [ $((centre_y - 300)) -ge -1 ] && [ $((centre_y - 300)) -le 1 ] \
    || { echo "FAIL: the frame is not centred on the screen"; exit 1; }

xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR \
    || { echo "FAIL: window does not ask to stay out of the taskbar"; exit 1; }

import -window "$window" "$screenshot"
colours=$(convert "$screenshot" -format "%k" info:)
echo "screenshot $screenshot: $colours colours"
[ "$colours" -gt 8 ] || { echo "FAIL: the screenshot is blank"; exit 1; }
kill -0 $pid || { echo "FAIL: the program ended by itself"; exit 1; }
echo "window smoke test passed"
