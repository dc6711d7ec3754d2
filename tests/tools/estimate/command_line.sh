#!/usr/bin/env bash
# Runs levora-estimate as a script would and checks its exit status, where
# its rows and messages go, and that a full disk or a missing file is told.
#   command_line.sh LEVORA_ESTIMATE
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect STATUS STDOUT_LINES STDERR_PATTERN -- ARGUMENTS...
# STDOUT_LINES is the number of lines on standard output (- for any);
# STDERR_PATTERN an extended regular expression the first line of standard
# error must match (empty: standard error must be empty).
expect() {
    local status=$1 lines=$2 pattern=$3
    shift 4
    local got=0
    "$program" "$@" <"${input:-/dev/null}" >"$work/out" 2>"$work/err" || got=$?
    local said
    said=$(head -n 1 "$work/err")
    [[ $got == "$status" ]] || fail "$* exits with $got, not $status"
    if [[ $lines != - ]]; then
        [[ $(wc -l <"$work/out") == "$lines" ]] || fail "$* prints $(wc -l <"$work/out") lines, not $lines"
    fi
    if [[ -z $pattern ]]; then
        [[ ! -s $work/err ]] || fail "$* says on standard error: $said"
    else
        [[ $said =~ $pattern ]] || fail "$* says \"$said\", not /$pattern/"
    fi
}

expect 0 6 '' -- 100 0.5 9
expect 1 4 '' -- abc 0.5 9
expect 0 26 '' -- --table 100 0.5 --format csv
expect 1 26 '' -- --table 100 0.55 --format csv
expect 0 20 '' -- --by-elasticity 100 "6000 to 6999" --format tsv
expect 0 475 '' -- --grid -202.9413 --format jsonl
expect 0 - '' -- --lists
expect 0 - '' -- --version
expect 2 0 '^levora-estimate: no request given$' --
expect 2 0 '^levora-estimate: unknown option --tables$' -- --tables 100 0.5
expect 2 0 '^levora-estimate: -: the first line must be the header' -- --batch
expect 3 0 '^levora-estimate: cannot read /nonexistent/cases.csv: No such file or directory$' -- \
    --batch /nonexistent/cases.csv

printf 'id,revenue,elasticity,range\r\n1,100,0.5,9\r\n\r\n2,100,0.5\r\n"3,\n",100,0.5,LESS THAN 1000\r\n' \
    >"$work/cases.csv"
expect 1 5 '^levora-estimate: line 4: 3 fields, expected 4$' -- --batch "$work/cases.csv" --format csv
grep -q '^"3,$' "$work/out" || fail "a quoted id with a comma and a line break is not echoed quoted"
input=$work/cases.csv expect 1 3 '^levora-estimate: line 4:' -- --batch - --format jsonl

# A full disk is a failure that is told, not a silent success.
if [[ -w /dev/full ]]; then
    status=0
    "$program" --grid 100 --format csv >/dev/full 2>"$work/err" || status=$?
    [[ $status == 3 ]] || fail "writing to a full disk exits with $status, not 3"
    grep -q '^levora-estimate: cannot write the output' "$work/err" || fail "a full disk is not told"
fi

# The window's burden texts for every range, from the CSV column.
"$program" --table 100 0.5 --format csv | cut -d , -f 8 | sed -n '2p;10p;26p' | tr '\n' ' ' >"$work/burdens"
[[ $(cat "$work/burdens") == "<67. 609. >7782. " ]] || fail "the table's burden texts are $(cat "$work/burdens")"

((failures == 0)) && echo "levora-estimate: every command line behaved"
((failures == 0))
