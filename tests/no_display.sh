#!/usr/bin/env bash
# Started without a graphical session, the program says so in one line of its own and ends with
# status 1: once with no display named at all, once with a display nobody serves.
# Usage: no_display.sh PROGRAM
set -uo pipefail
program=$1
expected="tarvola: needs a graphical desktop session"

check() {
    local what=$1 output status
    shift
    output=$(timeout 20 env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" "$program" 2>&1)
    status=$?
    echo "$what: status $status: $output"
    [ $status -eq 1 ] || { echo "FAIL: $what: status $status, expected 1"; exit 1; }
    [ "$(wc -l <<<"$output")" -eq 1 ] && [[ $output == "$expected"* ]] \
        || { echo "FAIL: $what: expected one line starting '$expected'"; exit 1; }
}

check "no display" -u DISPLAY
# A display number far beyond any server's, on an empty socket folder: the connection is refused.
check "refused display" DISPLAY=:4711
echo "no-display test passed"
