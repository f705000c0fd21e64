#!/usr/bin/env bash
# Runs one short session of the program under valgrind's memcheck and fails on any definite
# leak, or any invalid memory use, whose stack passes through the program's own code. Leaks
# wholly inside Qt, fontconfig or the C library are theirs, not ours, and are only counted.
# Usage: memcheck.sh SESSION_PROGRAM
set -euo pipefail
program=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT

QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --num-callers=50 --log-file="$log" "$program" || { cat "$log"; echo "FAIL: the session did not end cleanly"; exit 1; }

# valgrind writes one record per paragraph; keep those that name our code.
ours=$(awk -v RS='==[0-9]+== \n' '
    /definitely lost|Invalid (read|write|free)|uninitialised|Mismatched free/ &&
    /tarvola::|DDeci_to_DMS|DegDMS_to_DegDeci|memcheck_session\.cpp/ {print; print "----"}' "$log")
summary=$(grep -E "definitely lost:|ERROR SUMMARY" "$log" | sed 's/^==[0-9]*== *//')
echo "$summary"
if [ -n "$ours" ]; then
    echo "$ours"
    echo "FAIL: memcheck found problems in the program's own code"
    exit 1
fi
echo "memcheck: nothing from the program's own code"
