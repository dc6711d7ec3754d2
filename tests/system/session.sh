# shellcheck shell=bash
# Shell functions shared by the system tests, sourced by them: a work folder,
# the processes a test started (ended by PID on every exit), waiting with a
# deadline, and a desktop session of a virtual X display, a window manager
# and a session bus. The sourcing script sets `set -euo pipefail` first.

skipped=77
wait_seconds=${LEVORA_SYSTEM_TEST_WAIT:-60}

skip() {
    echo "SKIPPED: $*"
    exit "$skipped"
}

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed (tools/install-deps installs it)"
    done
}

# A work folder, removed on exit (kept when LEVORA_KEEP_WORK is set, to look
# at the logs in it) after every process in pids is ended, the
# last started first.
begin_session() {
    work=$(mktemp -d)
    pids=()
    trap end_session EXIT
}

end_session() {
    local index
    for ((index = ${#pids[@]} - 1; index >= 0; index--)); do
        kill "${pids[index]}" 2>/dev/null || true
    done
    [[ -n "${LEVORA_KEEP_WORK:-}" ]] || rm -rf "$work"
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

# A virtual display of the given screen size (1024x768x24 unless given) with
# openbox on it; sets and exports DISPLAY.
start_display() {
    local screen=${1:-1024x768x24}
    mkdir -p "$work/wm-home"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
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

press() { xdotool key --delay 60 "$@"; }

activate() { xdotool windowactivate --sync "$1"; }
