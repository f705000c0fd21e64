#!/usr/bin/env bash
# Runs the cross-compiled core and refresh-cycle tests under Wine through the Windows build's
# own ctest, and waits for Wine to be gone before the next Windows test starts. Finding no test
# is a failure: a build that lost its tests must not pass.
# Usage: run_core_tests.sh WINDOWS_BUILD_DIR
set -uo pipefail
status=0
ctest --test-dir "$1" -L core --no-tests=error --output-on-failure || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
