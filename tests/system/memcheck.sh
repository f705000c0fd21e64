#!/usr/bin/env bash
# Runs one short session of the program under valgrind's memcheck and fails on any definite leak
# and on any invalid memory use, wherever its stack runs: valgrind itself gives the verdict.
# None is known today, in the program or in the Qt, fontconfig and C libraries below it.
# Usage: memcheck.sh SESSION_PROGRAM
set -euo pipefail
program=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT

command -v valgrind > /dev/null || { echo "FAIL: valgrind is missing (Debian package valgrind)"; exit 1; }
status=0
QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=40 --log-file="$log" \
    "$program" || status=$?
grep -E "definitely lost:|ERROR SUMMARY" "$log" | sed 's/^==[0-9]*== *//'
case $status in
    0) echo "memcheck: no leak and no invalid memory use" ;;
    99) cat "$log"; echo "FAIL: memcheck found a definite leak or an invalid memory use"; exit 1 ;;
    *) cat "$log"; echo "FAIL: the session did not end cleanly (status $status)"; exit 1 ;;
esac
