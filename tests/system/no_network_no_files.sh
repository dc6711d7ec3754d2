#!/usr/bin/env bash
# Starts the real program on a virtual X display with a window manager and a
# session bus, works it as a user would (a revenue that is estimated, one that
# brings up the "Input Problem" dialog, closed by Enter and then by Esc),
# closes its window through the window manager and expects it to end with
# status 0, leaving its home and XDG directories empty.
#
# Run under strace (the default), it then shows from the trace that the
# program opened no network socket and wrote no file (see check_trace.sh).
# With --untraced it runs without the tracer, so that a sanitizer build can
# check for leaks, which LeakSanitizer cannot do under a tracer.
#   no_network_no_files.sh [--untraced] PROGRAM [TRACE]
# Exits 77 (skipped) when Xvfb, openbox, xdotool, xprop, dbus-daemon or (for
# the traced run) strace is missing, or tracing is not permitted here.
set -euo pipefail

traced=1
if [[ "${1:-}" == --untraced ]]; then
    traced=0
    shift
fi
program=${1:?usage: no_network_no_files.sh [--untraced] PROGRAM [TRACE]}
trace=${2:-$PWD/no_network_no_files.trace}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
skipped=77
wait_seconds=${LEVORA_SYSTEM_TEST_WAIT:-60}

skip() {
    echo "SKIPPED: $*"
    exit "$skipped"
}

tools=(Xvfb openbox xdotool xprop dbus-daemon)
if ((traced)); then
    tools+=(strace)
fi
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (tools/install-deps installs it)"
done
if ((traced)) && ! strace -o /dev/null true 2>/dev/null; then
    skip "strace cannot trace processes here (ptrace is not permitted)"
fi

work=$(mktemp -d)
home=$work/home
mkdir -m 700 "$home" "$work/wm-home"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Waits up to wait_seconds for a command to succeed.
await() {
    local what=$1
    shift
    local deadline=$((SECONDS + wait_seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || fail "gave up waiting for $what"
        sleep 0.1
    done
}

window_named() { xdotool search --onlyvisible --name "$1"; }
no_window_named() { ! window_named "$1"; }
program_ended() { ! kill -0 "$launched" 2>/dev/null; }

start_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    await "the virtual display" test -s "$work/display"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    HOME=$work/wm-home openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    await "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# A session bus of its own, as a desktop session has one; without it the
# D-Bus library would try to start one through the X server.
start_session_bus() {
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/bus" >"$work/dbus.log" 2>&1 &
    pids+=($!)
    await "the session bus" test -S "$work/bus"
}

# The program runs with an empty home that every XDG base directory points
# at; the system search paths (XDG_DATA_DIRS, XDG_CONFIG_DIRS) keep their
# defaults. Sanitizer options pass through; under the tracer without leak
# checking.
start_program() {
    local environment=(PATH="$PATH" DISPLAY="$DISPLAY" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
        LANG=C.UTF-8 HOME="$home" XDG_CONFIG_HOME="$home" XDG_CACHE_HOME="$home" XDG_DATA_HOME="$home"
        XDG_STATE_HOME="$home" XDG_RUNTIME_DIR="$home")
    if [[ -v UBSAN_OPTIONS ]]; then
        environment+=("UBSAN_OPTIONS=$UBSAN_OPTIONS")
    fi
    local tracer=()
    if ((traced)); then
        environment+=("ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0")
        tracer=(strace -f -y -q -o "$trace" -e 'trace=%file,%network,creat' -e signal=none)
    elif [[ -v ASAN_OPTIONS ]]; then
        environment+=("ASAN_OPTIONS=$ASAN_OPTIONS")
    fi
    (cd "$work" && exec env -i "${environment[@]}" "${tracer[@]}" "$program") &
    launched=$!
    pids+=("$launched")
}

press() { xdotool key --delay 60 "$@"; }

activate() { xdotool windowactivate --sync "$1"; }

# A rejected revenue brings up the modal dialog, which the given key closes.
expect_input_problem_closed_by() {
    press Return
    await 'the "Input Problem" dialog' window_named '^Input Problem$'
    activate "$(window_named '^Input Problem$' | head -n 1)"
    press "$1"
    await "the dialog to close on $1" no_window_named '^Input Problem$'
}

# The main window may follow a splash window: it is found by its title.
work_the_program() {
    await 'the main window' window_named '^Levora for N\.Korea$'
    local main
    main=$(window_named '^Levora for N\.Korea$' | head -n 1)
    activate "$main"

    # Focus starts in the revenue box; Tab leads to the elasticity list, the
    # range list and "GO", and Enter presses "GO".
    xdotool type --delay 60 100
    press Tab Down Down Down Tab Down Down Down Down Down Return
    sleep 1
    no_window_named '^Input Problem$' || fail 'a valid request brought up the "Input Problem" dialog'

    press shift+Tab shift+Tab ctrl+a
    xdotool type --delay 60 abc
    expect_input_problem_closed_by Return
    expect_input_problem_closed_by Escape

    activate "$main"
    press alt+F4
    await "the program to end" program_ended
}

check_trace() {
    grep -q 'connect(.*\.X11-unix' "$trace" ||
        fail "the trace shows no connection to the display: it is not the program's"
    "$here/check_trace.sh" "$trace" || fail "the program reached the network or wrote files (trace: $trace)"
}

start_display
start_session_bus
start_program
work_the_program
status=0
wait "$launched" || status=$?
((status == 0)) || fail "the program ended with status $status"
if ((traced)); then
    check_trace
fi
leftovers=$(find "$home" -mindepth 1)
[[ -z "$leftovers" ]] || fail "the program left files in its home: $leftovers"
if ((traced)); then
    echo "PASSED: no network socket, no file written, home and XDG directories empty"
else
    echo "PASSED: the program ended with status 0, home and XDG directories empty"
fi
