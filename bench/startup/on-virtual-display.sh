#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb, 1024 x 768, 24 bits,
# on the first free display number) under the openbox window manager, with a
# session bus of its own where dbus-daemon is installed, as a desktop has one.
# Everything it started is stopped by its PID afterwards.
#   on-virtual-display.sh COMMAND [ARGUMENT...]
# Exits with the command's status, or 77 (skipped) when Xvfb or openbox is missing.
set -euo pipefail

(($# > 0)) || {
    echo "usage: on-virtual-display.sh COMMAND [ARGUMENT...]" >&2
    exit 2
}
for tool in Xvfb openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (tools/install-deps installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

await() {
    local what=$1
    shift
    local tries
    for ((tries = 0; tries < 200; tries++)); do
        "$@" && return 0
        sleep 0.05
    done
    echo "gave up waiting for $what" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
await "the virtual display" test -s "$work/display"
export DISPLAY=":$(head -n 1 "$work/display")"

mkdir -m 700 "$work/home" "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)

if command -v dbus-daemon >/dev/null; then
    dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/bus" 2>"$work/dbus.log" &
    pids+=($!)
    await "the session bus" test -S "$work/bus"
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
fi

status=0
"$@" || status=$?
exit "$status"
