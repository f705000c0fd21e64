#!/usr/bin/env bash
# Measures the Windows program under Wine on a private virtual X server: start until the window
# is shown, private bytes over a long run, and the cost of one refresh tick.
# Usage: bench/measure_windows.sh BUILD_DIR [MINUTES (default 10)]
# BUILD_DIR is the main build of scripts/test, which holds the Windows build and its Wine prefix.
set -euo pipefail
build=$(cd "$1" && pwd)
minutes=${2:-10}
export WINEPREFIX=$build/wine/wineprefix WINEDEBUG=-all
exe=$build/windows/win32/tarvola.exe
ls -l "$exe" | awk '{print "tarvola.exe:", $5, "bytes"}'

wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
numbers=$(mktemp)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3> "$numbers" > /dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null || true; rm -f "$numbers"' EXIT
for _ in $(seq 200); do [ -s "$numbers" ] && break; sleep 0.05; done
display=$(cat "$numbers")
export DISPLAY=:$display
wine explorer /desktop=TarvolaTest,800x600 > /dev/null 2>&1 &
wine "$build/windows/bench/win32/measure_windows.exe" "$(winepath -w "$exe")"

# One long run, read from Linux: Wine's process for tarvola.exe is an ordinary one there.
while pgrep -x tarvola.exe > /dev/null; do sleep 0.1; done # the last start has closed
wine explorer /desktop=TarvolaTest,800x600 "$(winepath -w "$exe")" > /dev/null 2>&1 &
pid=""
for _ in $(seq 100); do pid=$(pgrep -x tarvola.exe | head -1) && [ -n "$pid" ] && break; sleep 0.1; done
[ -n "$pid" ] || { echo "tarvola.exe did not start"; exit 1; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }   # user + system, in clock ticks
private_kb() { awk '/^Private_(Clean|Dirty):/ {sum += $2} END {print sum}' "/proc/$pid/smaps_rollup"; }
sleep 5
c0=$(cpu_ticks)
sleep 30
early=$(private_kb)
sleep $((minutes * 60 - 35 > 0 ? minutes * 60 - 35 : 0))
late=$(private_kb)
c1=$(cpu_ticks)
hz=$(getconf CLK_TCK)
seconds=$((minutes * 60 - 5))
echo "private memory (Private_Clean + Private_Dirty) at 35 s: $early KiB, after $minutes min: $late KiB"
awk -v c=$((c1 - c0)) -v hz="$hz" -v s="$seconds" 'BEGIN {
    printf "CPU over %d s of ticks: %.3f %% of a core, %.1f us per tick (10 Hz, results unchanged)\n",
        s, 100 * c / hz / s, 1e6 * c / hz / (s * 10) }'
