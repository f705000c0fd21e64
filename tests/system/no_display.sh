#!/usr/bin/env bash
# Started without a graphical session, the program says so in one line of its own and ends with
# status 1: with no display named at all, with an X display nobody serves, and with only a
# Wayland display named where no compositor listens, the Wayland platform asked for or not. A
# platform plugin that does not exist is reported as that instead, naming it, with Qt's own lines.
# Usage: no_display.sh PROGRAM
set -uo pipefail
program=$1
expected="tarvola: needs a graphical desktop session"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Holds the abstract socket of X display number $1 without listening, then runs the rest of the
# command line with the socket still open: meanwhile no X server can take that number, and a
# client trying it is refused. Exits 75 when the number is held already. (perl is part of every
# Debian system.)
holder='
    $^F = 1023; # the socket stays open across exec
    socket(my $held, AF_UNIX, SOCK_STREAM, 0) or die "socket: $!";
    bind($held, pack_sockaddr_un("\0/tmp/.X11-unix/X" . shift)) or exit 75;
    exec { $ARGV[0] } @ARGV or die "exec: $!";'
hold=()

# Runs the program with the environment changes given (env arguments): one line and status 1.
check() {
    local what=$1 output status
    shift
    output=$("${hold[@]}" timeout 20 env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$@" \
        "$program" 2>&1)
    status=$?
    [ $status -eq 75 ] && [ ${#hold[@]} -gt 0 ] && return 75
    echo "$what: status $status: $output"
    [ $status -eq 1 ] || { echo "FAIL: $what: status $status, expected 1"; exit 1; }
    [ "$(wc -l <<<"$output")" -eq 1 ] && [[ $output == "$expected"* ]] \
        || { echo "FAIL: $what: expected one line starting '$expected'"; exit 1; }
}

check "no display" -u DISPLAY

# A display number with no socket file, whose abstract socket we hold.
refused=""
for _ in $(seq 20); do
    number=$((20000 + RANDOM % 10000))
    [ -e "/tmp/.X11-unix/X$number" ] && continue
    hold=(perl -MSocket -e "$holder" "$number")
    check "refused display :$number" DISPLAY=:$number && { refused=1; break; }
done
hold=()
[ -n "$refused" ] || { echo "FAIL: every X display number tried was taken"; exit 1; }

# Only a Wayland display, in a runtime folder of our own where certainly no compositor listens.
check "only a Wayland display" -u DISPLAY WAYLAND_DISPLAY=tarvola-none XDG_RUNTIME_DIR="$scratch" \
    XDG_SESSION_TYPE=wayland
check "only a Wayland display, the Wayland platform asked for" -u DISPLAY WAYLAND_DISPLAY=tarvola-none \
    XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=wayland

# A platform plugin that is not there, with displays of both kinds named.
plugin=nosuchplugin
output=$(timeout 20 env DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=$plugin "$program" 2>&1)
status=$?
echo "platform plugin $plugin: status $status: $output"
[ $status -eq 1 ] || { echo "FAIL: plugin $plugin: status $status, expected 1"; exit 1; }
[ "$(tail -1 <<<"$output")" = "tarvola: cannot start: the Qt platform plugin \"$plugin\" is missing or could not be loaded" ] \
    || { echo "FAIL: plugin $plugin: the last line does not name the plugin"; exit 1; }
grep -q "Could not find the Qt platform plugin \"$plugin\"" <<<"$output" || { echo "FAIL: plugin $plugin: Qt's own line is gone"; exit 1; }
! grep -q "$expected" <<<"$output" || { echo "FAIL: plugin $plugin: reported as no desktop session"; exit 1; }
echo "no-display test passed"
