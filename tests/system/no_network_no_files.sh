#!/usr/bin/env bash
# Starts the real program on a virtual X display with a window manager and a
# session bus, works it as a user would (a revenue that is estimated, one that
# brings up the "Input Problem" dialog, closed by Enter and then by Esc),
# closes its window through the window manager and expects it to end with
# status 0, leaving its home and XDG directories empty.
#
# Run under strace (the default), it then shows from the trace that the
# program opened no network socket, wrote no file and looked nothing up in
# the directory it was started in (see check_trace.sh).
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
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

tools=(Xvfb openbox xdotool xprop dbus-daemon)
if ((traced)); then
    tools+=(strace)
fi
require_tools "${tools[@]}"
if ((traced)) && ! strace -o /dev/null true 2>/dev/null; then
    skip "strace cannot trace processes here (ptrace is not permitted)"
fi

begin_session
home=$work/home
mkdir -m 700 "$home"

program_ended() { ! kill -0 "$launched" 2>/dev/null; }

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
    "$here/check_trace.sh" "$trace" ||
        fail "the program reached the network, wrote files or read from the current directory (trace: $trace)"
}

start_display 1024x768x24
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
    echo "PASSED: no network socket, no file written, nothing read from the current directory," \
        "home and XDG directories empty"
else
    echo "PASSED: the program ended with status 0, home and XDG directories empty"
fi
