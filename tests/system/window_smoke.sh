#!/usr/bin/env bash
# Starts the real program under a virtual X server with a window manager, waits for its window,
# checks its size, that its frame is centred on the screen once the first refresh shows, and that
# it asks to stay out of the taskbar, then takes a screenshot that must not be blank.
# Usage: window_smoke.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2

scratch=$(mktemp -d)
trap 'kill $pid $wm $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
source "$(dirname "$0")/x_session.sh"

start_x_server
start_window_manager
start_program "$program"

# Dark pixels inside a field, borders left out: $1 = the field's client rectangle x y w h.
ink() {
    local x=$(($1 + 3)) y=$(($2 + 3 + menu)) w=$(($3 - 6)) h=$(($4 - 6))
    convert "$scratch/shot.png" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -threshold 50% \
        -format "%[fx:round((1-mean)*w*h)]" info:
}

# Measures the window and its frame, and takes a screenshot. True once the frame, title bar
# included, sits in the middle of the 800 x 600 screen (to a pixel) and the first refresh has
# rewritten the decimal result: its "0" then carries less ink than the "000" of the degrees,
# whatever the font, where the default "000,00000" carried more.
settled() {
    info=$(xwininfo -id "$window") || return 1
    width=$(awk '/Width:/ {print $2}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | awk -F'= ' '{gsub(",", ""); print $2}')
    local x y
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    centre_x=$((x - ${left:-0} + (${left:-0} + width + ${right:-0}) / 2))
    centre_y=$((y - ${top:-0} + (${top:-0} + height + ${bottom:-0}) / 2))
    import -window "$window" "$scratch/shot.png" || return 1
    menu=$((height - 159))
    degrees_ink=$(ink 16 40 33 19)   # Text1, in Frame1 at (8, 0)
    result_ink=$(ink 128 40 73 19)   # Text4
    centred=""
    [ $((centre_x - 400)) -ge -1 ] && [ $((centre_x - 400)) -le 1 ] && [ $((centre_y - 300)) -ge -1 ] \
        && [ $((centre_y - 300)) -le 1 ] && centred=1
    refreshed=""
    [ "$result_ink" -gt 0 ] && [ "$result_ink" -lt "$degrees_ink" ] && refreshed=1
    [ -n "$centred" ] && [ -n "$refreshed" ]
}
width=0 height=0 left="" right="" top="" bottom="" centre_x="" centre_y="" degrees_ink="" result_ink=""
centred="" refreshed=""
wait_for 100 settled || true
echo "window $window: ${width}x${height}; frame extents ${left:-} ${right:-} ${top:-} ${bottom:-};" \
    "frame centre ($centre_x, $centre_y); ink of the degrees $degrees_ink, of the decimal result $result_ink"

# The client area is 224 x 159 below a menu bar of one line.
[ "$width" -eq 224 ] || { echo "FAIL: width $width, expected 224"; exit 1; }
[ "$height" -gt 159 ] && [ "$height" -lt 200 ] || { echo "FAIL: height $height, expected 159 plus a menu bar"; exit 1; }
[ "${top:-0}" -gt 0 ] || { echo "FAIL: the window manager gave no frame"; cat "$scratch/wm.log"; exit 1; }
[ -n "$centred" ] || { echo "FAIL: the frame is not centred on the screen within 10 s"; exit 1; }
[ -n "$refreshed" ] || { echo "FAIL: the first refresh did not show within 10 s"; exit 1; }

xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR \
    || { echo "FAIL: window does not ask to stay out of the taskbar"; exit 1; }

cp "$scratch/shot.png" "$screenshot"
colours=$(convert "$screenshot" -format "%k" info:)
echo "screenshot $screenshot: $colours colours"
[ "$colours" -gt 8 ] || { echo "FAIL: the screenshot is blank"; exit 1; }
kill -0 $pid || { echo "FAIL: the program ended by itself"; exit 1; }
echo "window smoke test passed"
