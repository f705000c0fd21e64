# The pieces of a desktop session that the tests of the real program share: a virtual X server
# of their own, a window manager, and the program's start. Sourced, not run. The caller sets
# $scratch (a private folder) first, and kills $pid, $wm and $xvfb when it exits. The main
# window is found by its caption, which ctest passes in from the build as TARVOLA_MAIN_CAPTION.

pid="" wm="" xvfb=""
: "${TARVOLA_MAIN_CAPTION:?is not set: the main window caption, which ctest passes in from the build}"

fail() { echo "FAIL: $*"; exit 1; }

# Polls the command every 0.1 s until it succeeds, for at most $1 tenths of a second.
wait_for() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# True once the condition holds; false as soon as process $1 has ended.
ended_or() {
    local process=$1
    shift
    ! kill -0 "$process" 2> /dev/null || "$@"
}

# Starts Xvfb on a display number no other server holds, abstract sockets included (another
# checkout's tests, a chroot's), and exports DISPLAY once the server answers. -noreset: by
# default the server resets each time its last client leaves, and refuses connections meanwhile.
start_x_server() {
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3> "$scratch/display" > "$scratch/xvfb.log" 2>&1 &
    xvfb=$!
    wait_for 100 test -s "$scratch/display" || { cat "$scratch/xvfb.log"; fail "the X server did not start within 10 s"; }
    export DISPLAY=:$(cat "$scratch/display")
    wait_for 100 eval 'xwininfo -root > /dev/null 2>&1' \
        || { cat "$scratch/xvfb.log"; fail "the X server on $DISPLAY does not answer"; }
}

# Starts openbox, which frames windows and reports the frame (_NET_FRAME_EXTENTS). It announces
# itself before it manages new windows, so it counts as ready once it has framed a probe; on a
# loaded machine that can take many seconds. A start that the fresh server refused, or that
# framed nothing in time, is tried again.
start_window_manager() {
    local probe="" ready="" attempt
    for attempt in 1 2 3; do
        # Its messages in English, whatever the test's locale: the retry reads them.
        LC_ALL=C.UTF-8 LANGUAGE= openbox --sm-disable > "$scratch/wm.log" 2>&1 &
        wm=$!
        if wait_for 400 ended_or "$wm" eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "window id"' \
            && kill -0 "$wm" 2> /dev/null; then
            xmessage -name wm-probe "window manager probe" > /dev/null 2>&1 &
            probe=$!
            wait_for 200 ended_or "$wm" eval 'xprop -name wm-probe _NET_FRAME_EXTENTS 2> /dev/null | grep -q "= "' \
                && kill -0 "$wm" 2> /dev/null && ready=1
            kill "$probe" 2> /dev/null || true
        fi
        [ -n "$ready" ] && return 0
        kill "$wm" 2> /dev/null || true
        wait "$wm" 2> /dev/null || true
        cat "$scratch/wm.log"
        if grep -q "Failed to open the display" "$scratch/wm.log"; then
            echo "attempt $attempt: the X server refused the window manager; starting it again"
        else
            echo "attempt $attempt: the window manager framed nothing in time; starting it again"
        fi
    done
    fail "the window manager did not start"
}

# The id of the window titled $1, or nothing.
window_named() { xwininfo -name "$1" 2> /dev/null | awk '/Window id:/ {print $4}' || true; }

# Starts the command (the program, maybe behind env) with its messages in $scratch/program.log
# and sets $pid and $window once its main window shows, within 20 s. A start the fresh server
# refused (the program says it found no desktop) is tried again; any other early end fails.
start_program() {
    local attempt
    window=""
    for attempt in 1 2 3; do
        "$@" > "$scratch/program.log" 2>&1 &
        pid=$!
        wait_for 200 ended_or "$pid" eval '[ -n "$(window_named "$TARVOLA_MAIN_CAPTION")" ]' || true
        window=$(window_named "$TARVOLA_MAIN_CAPTION")
        [ -n "$window" ] && return 0
        kill "$pid" 2> /dev/null || true
        wait "$pid" 2> /dev/null || true
        cat "$scratch/program.log"
        grep -q "needs a graphical desktop session" "$scratch/program.log" || break
        echo "attempt $attempt: the X server refused the connection; starting again"
    done
    fail "no window titled '$TARVOLA_MAIN_CAPTION' within 20 s"
}
