#!/usr/bin/env bash
# Measures Tarvola's window side by side with bench/minimal_window under one virtual X server:
# start-up (exec to window mapped, median of 10), idle CPU of the 10 Hz refresh over 30 s (also
# with the DMS result focused and selected, as a user copying it leaves it), and peak resident
# memory with its growth over a long run of ticks.
# Usage: bench/measure_window.sh BUILD_DIR [MINUTES_FOR_GROWTH (default 10)]
set -euo pipefail
build=$(cd "$1" && pwd)
minutes=${2:-10}

if [ -z "${TARVOLA_MEASURE_INSIDE_X:-}" ]; then
    exec env TARVOLA_MEASURE_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

tarvola="$build/qt/tarvola"
# The main window's caption, TARVOLA_MAIN_CAPTION, as the build wrote it down.
source "$build/tarvola-build.env"
minimal="$build/bench/minimal_window"

now_ms() { date +%s%3N; }
errors=$(mktemp)

# One watcher of the root window for every launch: polling the X server with a new connection
# every few milliseconds fills its listen queue and makes launches fail to connect.
coproc WATCH { stdbuf -oL xev -root -event substructure 2>/dev/null; }
sleep 0.5

# Milliseconds from exec until the program's first top-level window is mapped. A launch whose
# window never comes (Xvfb now and then refuses a connection) is tried again.
startup_ms() {
    local program=$1 start pid line
    for _ in 1 2 3; do
        start=$(now_ms)
        "$program" 2>>"$errors" >/dev/null &
        pid=$!
        while read -r -t 10 line <&"${WATCH[0]}"; do
            if [[ $line == MapNotify* ]]; then
                echo $(($(now_ms) - start))
                kill $pid
                wait $pid 2>/dev/null || true
                return 0
            fi
        done
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null || true
    done
    echo "$program never showed its window; see $errors" >&2
    return 1
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

# Nanoseconds the process has spent on a CPU (all threads).
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{sum += $1} END {print sum}'; }
status_kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/status"; }

for run in tarvola minimal; do
    program=${!run}
    : > "/tmp/$run.times"
    # Not in a pipeline: the watcher's descriptor exists in this shell only.
    for _ in $(seq 10); do startup_ms "$program" >> "/tmp/$run.times"; done
    median < "/tmp/$run.times" > "/tmp/$run.startup"
done

"$tarvola" >/dev/null 2>&1 & tarvola_pid=$!
"$minimal" >/dev/null 2>&1 & minimal_pid=$!
"$tarvola" >/dev/null 2>&1 & selected_pid=$!
trap 'kill $tarvola_pid $minimal_pid $selected_pid $WATCH_PID 2>/dev/null || true' EXIT
# Five tabs from Text1 reach Text6, and tabbing into a line edit selects its whole text.
selected_window=$(xdotool search --sync --pid $selected_pid --name "$TARVOLA_MAIN_CAPTION" | head -1)
xdotool windowfocus --sync "$selected_window"
xdotool key --window "$selected_window" Tab Tab Tab Tab Tab
sleep 5 # warm-up
t0=$(cpu_ns $tarvola_pid); m0=$(cpu_ns $minimal_pid); s0=$(cpu_ns $selected_pid)
sleep 30
t1=$(cpu_ns $tarvola_pid); m1=$(cpu_ns $minimal_pid); s1=$(cpu_ns $selected_pid)
rss_t_early=$(status_kb $tarvola_pid VmRSS); rss_m_early=$(status_kb $minimal_pid VmRSS)
sleep $((minutes * 60 - 35 > 0 ? minutes * 60 - 35 : 0))
rss_t_late=$(status_kb $tarvola_pid VmRSS); rss_m_late=$(status_kb $minimal_pid VmRSS)

percent() { awk -v d="$1" 'BEGIN {printf "%.3f", 100 * d / 1e9 / 30}'; }
printf '%-26s %12s %12s\n' "" "tarvola" "minimal"
printf '%-26s %12s %12s\n' "exec to mapped (median ms)" "$(cat /tmp/tarvola.startup)" "$(cat /tmp/minimal.startup)"
printf '%-26s %12s %12s\n' "idle CPU over 30 s (%)" "$(percent $((t1 - t0)))" "$(percent $((m1 - m0)))"
printf '%-26s %12s\n' "  with Text6 selected (%)" "$(percent $((s1 - s0)))"
printf '%-26s %12s %12s\n' "peak RSS (KiB)" "$(status_kb $tarvola_pid VmHWM)" "$(status_kb $minimal_pid VmHWM)"
printf '%-26s %12s %12s\n' "RSS at 35 s (KiB)" "$rss_t_early" "$rss_m_early"
printf '%-26s %12s %12s\n' "RSS at ${minutes} min (KiB)" "$rss_t_late" "$rss_m_late"
