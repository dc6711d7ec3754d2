#!/usr/bin/env bash
# One round of the start-up benchmark on a virtual display: against the bare
# program alone, or with Levora and its tour when LEVORA is given. The round
# must end cleanly and print its start-up times and peak memory as figures.
#   startup_smoke.sh ON_VIRTUAL_DISPLAY WATCHER BARE [LEVORA]
# Exits 77 (skipped) where the virtual display cannot be had.
set -euo pipefail

runner=${1:?usage: startup_smoke.sh ON_VIRTUAL_DISPLAY WATCHER BARE [LEVORA]}
watcher=${2:?}
bare=${3:?}
levora=${4:-}

arguments=(--rounds 1 --bare "$bare")
[[ -z "$levora" ]] || arguments+=(--levora "$levora")
status=0
output=$("$runner" "$watcher" "${arguments[@]}") || status=$?
echo "$output"
((status != 77)) || exit 77
((status == 0)) || {
    echo "FAILED: the benchmark ended with status $status"
    exit 1
}

figure='[0-9]+\.[0-9] \([0-9]+\.[0-9]-[0-9]+\.[0-9]\)'
expect() {
    grep -Eq "$1" <<<"$output" || {
        echo "FAILED: no line matching: $1"
        exit 1
    }
}
if [[ -z "$levora" ]]; then
    expect "^main window painted in full +- +$figure +-$"
    expect "^after start-up +- +$figure +-$"
else
    ratio='[0-9]+\.[0-9]{2} x, goal <= [0-9.]+ x: (met|MISSED)$'
    expect "^splash painted in full +$figure +$figure +$ratio"
    expect "^main window painted in full +$figure +$figure +$ratio"
    expect "^after the tour \(bare: after start-up\) +$figure +$figure +$ratio"
fi
echo "PASSED"
