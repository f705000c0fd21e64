#!/usr/bin/env bash
# Drives the real program as a desktop user would, under a virtual X server with a window
# manager, with the fonts that lack Liberation Sans (DejaVu Sans takes its place):
# - the decimal field shows its default text whole (a screenshot);
# - lines pasted through the real clipboard, ending in a line break, are converted, and a
#   coordinate pasted from the X selection with the middle button fills its converter;
# - F10 and Alt alone highlight the menu bar (a screenshot), Return and Down open About;
# - a focused picture of About, and the OK as About opens, show a focus mark (a screenshot);
# - About minimised by the window manager comes back, active, with the same focus, at the next
#   About command (the window manager's state read back).
# Usage: desktop_keys.sh PROGRAM SCREENSHOT.png
set -euo pipefail
program=$1
screenshot=$2

scratch=$(mktemp -d)
trap 'kill $pid $wm $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
source "$(dirname "$0")/x_session.sh"

start_x_server
start_window_manager
# fontconfig reads a relative FONTCONFIG_FILE from its own folder: the path must be absolute.
start_program env FONTCONFIG_FILE="$(cd "$(dirname "$0")" && pwd)/no_liberation.conf" "$program"

active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$(($1))" ]; }
wait_for 100 active "$window" || xdotool windowactivate "$window" 2> /dev/null || true
wait_for 100 active "$window" || fail "the main window never became active"
menu=$(($(xwininfo -id "$window" | awk '/Height:/ {print $2}') - 159))

# The client area's picture, cut to x y w h.
shot() { import -window "$1" "$scratch/whole.png" && convert "$scratch/whole.png" -crop "$4x$5+$2+$3" +repage "$6"; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }

# 1. The decimal field (Text5, at 16 + 8, 40 + 80 below the menu) shows its default text
# "000,00000" whole: nine separate marks of ink across it, the first zero as wide as the last
# (a text scrolled to its end shows eight, or a sliver of the first zero).
runs=""
text5_whole() {
    shot "$window" 27 $((123 + menu)) 67 13 "$scratch/text5.png" || return 1
    # The widths of the runs of inked columns, left to right.
    runs=$(convert "$scratch/text5.png" -colorspace Gray -threshold 50% -negate -scale "67x1!" -threshold 0 \
        -depth 8 txt:- | awk 'NR > 1 { if ($0 ~ /#FFFFFF/) { run++ } else if (run) { printf "%d ", run; run = 0 } }
                              END { if (run) printf "%d", run }')
    local widths
    read -r -a widths <<<"$runs"
    [ "${#widths[@]}" -eq 9 ] && [ "${widths[0]}" -eq "${widths[8]}" ]
}
wait_for 50 text5_whole || { cp "$scratch/text5.png" "$screenshot"; fail "the decimal field's default text is cut (ink runs $runs)"; }
echo "decimal field, DejaVu Sans: ink runs $runs"

# 2. A line pasted through the clipboard, as a spreadsheet cell or a terminal copies it, into
# the focused field (select all, paste); the result read back through the clipboard (Tab to
# it, select all, copy).
clipboard() { xclip -selection clipboard -o 2>/dev/null; }
result_reads() {
    xdotool key ctrl+a ctrl+c
    [ "$(clipboard)" = "$1" ]
}
paste_and_read() { # $1: text to paste, $2: Tabs from the pasted field to its result, $3: expected
    printf '%b' "$1" | xclip -selection clipboard -i
    xdotool key ctrl+a ctrl+v
    for _ in $(seq "$2"); do xdotool key Tab; done
    wait_for 50 result_reads "$3" || fail "pasted '$1': the result reads '$(clipboard)', expected '$3'"
    for _ in $(seq $((6 - $2))); do xdotool key Tab; done # back round to the pasted field
}
paste_and_read '45\n' 3 "45"                                       # Degrees into decimal degrees
xdotool key Tab Tab Tab Tab
paste_and_read '12,5\r\n' 1 " 12$(printf '\u00b0') 30' 0\""         # decimal degrees into DMS
echo "pastes ending in a line break converted"
# A coordinate pasted from the X selection with the middle button, into Text2 (48 + 8, 40 below
# the menu, 25 x 19): the whole angle goes to its converter, whose result Text4 is two Tabs on.
printf '%s' "33°51′54″S" | xclip -selection primary -i
xdotool mousemove --window "$window" 68 $((49 + menu)) click 2
xdotool key Tab Tab
wait_for 50 result_reads "-33,865" || fail "middle-click paste of 33°51′54″S: Text4 reads '$(clipboard)', expected -33,865"
echo "a coordinate pasted with the middle button converted"

# 3. The menu by keyboard: the menu bar's picture changes when it takes the focus, and Return
# or Down runs About. After each, Return on the focused OK closes About again.
about=""
about_open() { about=$(window_named "About Ulvo") && [ -n "$about" ] && xwininfo -id "$about" | grep -q IsViewable; }
about_closed() { ! about_open; }
shot "$window" 0 0 224 "$menu" "$scratch/menu-idle.png"
for keys in "F10 Return" "Alt_L Down"; do
    read -r enter run <<<"$keys"
    xdotool key "$enter"
    highlighted() { shot "$window" 0 0 224 "$menu" "$scratch/menu.png" && ! same "$scratch/menu.png" "$scratch/menu-idle.png"; }
    wait_for 50 highlighted || fail "$enter: nothing shows the menu bar has the focus"
    [ "$enter" = F10 ] && cp "$scratch/menu.png" "$scratch/menu-focused.png"
    xdotool key "$run"
    wait_for 50 about_open || fail "$enter then $run: no About window"
    wait_for 50 active "$about" || fail "About did not become active"
    xdotool key Return
    wait_for 50 about_closed || fail "Return on the focused OK did not close About"
    wait_for 50 active "$window" || fail "the main window did not become active again"
done
echo "F10 and Alt reach the menu, Return and Down open About"

# 4. A focused picture shows a focus mark: the donation picture (8, 208, 57 x 25) before and
# after Tab moves the focus to it. The OK (80, 232, 57 x 25) shows its focus from the opening:
# it changes when Tab takes the focus away.
xdotool key F10 Return
wait_for 50 about_open && wait_for 50 active "$about" || fail "no About window"
shot "$about" 8 208 57 25 "$scratch/donation-idle.png"
shot "$about" 80 232 57 25 "$scratch/ok-opened.png"
xdotool key Tab
marked() { shot "$about" 8 208 57 25 "$scratch/donation.png" && ! same "$scratch/donation.png" "$scratch/donation-idle.png"; }
wait_for 50 marked || fail "the focused donation picture shows no focus mark"
cp "$scratch/donation.png" "$scratch/donation-focused.png"
shot "$about" 80 232 57 25 "$scratch/ok-idle.png"
same "$scratch/ok-opened.png" "$scratch/ok-idle.png" && fail "the OK focused at the opening shows no focus mark"
echo "the focused donation picture, and the OK at the opening, show their focus"

# 5. Minimised by the window manager, About comes back at the next About command: not hidden,
# active, the focus still on the donation picture.
hidden() { xprop -id "$about" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
shown() { ! hidden && xprop -id "$about" WM_STATE | grep -q "Normal"; }
xdotool windowminimize "$about"
wait_for 50 hidden || fail "the window manager did not minimise About"
wait_for 50 active "$window" || xdotool windowactivate "$window"
wait_for 50 active "$window" || fail "the main window did not become active"
xdotool key F10 Return
wait_for 50 shown || fail "the About command left About minimised: $(xprop -id "$about" _NET_WM_STATE WM_STATE)"
wait_for 50 active "$about" || fail "About came back but is not active"
wait_for 50 marked || fail "About came back without the focus on the donation picture"
echo "a minimised About comes back active, with its focus"

convert "$scratch/menu-focused.png" "$scratch/donation-focused.png" "$scratch/text5.png" -append "$screenshot"
kill -0 $pid || fail "the program ended by itself"
echo "desktop keys test passed"
