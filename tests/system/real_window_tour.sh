#!/usr/bin/env bash
# Works the real program through all its windows as a user would, from
# outside the process: on a virtual X display under openbox, with a session
# bus and an accessibility bus, driven by xdotool with keys and with clicks at
# the positions the accessibility interface reports for the controls.
#
# The tour: the splash, the main window, an estimation (100, elasticity 0.5,
# range " 6000 to  6999": "609.", "1124 hppm.", "172 hppm."), a revenue that
# is too large and an empty one, each answered by the "Input Problem"
# dialog, closed by a click on OK and by Esc; the help topics by the keys of
# the Help menu, each page from the toolbar, from the "Window" menu and from
# the topics' links (the topics asked for again through the Help picture);
# closing the help; the About box, closed by a click on OK; Exit.
#
# At every step it checks what a person sees: the window titles, each
# window's outer size and position against the sizes and placement rules of
# Levora's windows in twips (15 to a pixel, times the ratio), read from the
# window system, and the texts the windows show, read through AT-SPI. It saves
# a screenshot of every step as SHOTS/NN-step.png.
#   real_window_tour.sh RATIO PROGRAM SHOTS
# RATIO 2 runs the program with QT_SCALE_FACTOR=2 on a screen twice as large.
# Exits 77 (skipped) when Xvfb, openbox, xdotool, the X tools, ImageMagick's
# import, dbus-daemon or the AT-SPI bus and Python bindings are missing.
set -euo pipefail

ratio=${1:?usage: real_window_tour.sh RATIO PROGRAM SHOTS}
program=${2:?usage: real_window_tour.sh RATIO PROGRAM SHOTS}
shots=${3:?usage: real_window_tour.sh RATIO PROGRAM SHOTS}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$here/session.sh"

python=/usr/bin/python3
bus_launcher=/usr/libexec/at-spi-bus-launcher
require_tools Xvfb openbox xdotool xprop xwininfo dbus-daemon dbus-send import
[[ -x "$bus_launcher" ]] || skip "the AT-SPI bus launcher is not installed (at-spi2-core)"
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    skip "the AT-SPI Python bindings are not installed (python3-gi, gir1.2-atspi-2.0)"
[[ "$ratio" =~ ^[1-4]$ ]] || fail "RATIO must be a whole number from 1 to 4, not $ratio"
[[ -x "$program" ]] || fail "$program is not a program"
program=$(readlink -f "$program")

screen_width=$((1024 * ratio))
screen_height=$((768 * ratio))
main_title='^Levora for N\.Korea$'
help_title='^Help - .*$'

# ---------------------------------------------------------------- the session

start_accessibility_bus() {
    DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus "$bus_launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
    pids+=($!)
    await "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress
}

start_program() {
    local home=$work/home
    mkdir -m 700 "$home"
    (cd "$work" && exec env -i PATH="$PATH" DISPLAY="$DISPLAY" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
        LANG=C.UTF-8 HOME="$home" XDG_CONFIG_HOME="$home" XDG_CACHE_HOME="$home" XDG_DATA_HOME="$home" \
        XDG_STATE_HOME="$home" XDG_RUNTIME_DIR="$home" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        QT_SCALE_FACTOR="$ratio" "$program" >"$work/program.log" 2>&1) &
    launched=$!
    pids+=("$launched")
}

program_ended() { ! kill -0 "$launched" 2>/dev/null; }

step=0
shot() {
    step=$((step + 1))
    import -window root "$(printf '%s/%02d-%s.png' "$shots" "$step" "$1")"
}

# ------------------------------------------------------------ window system

frame_known() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '='; }

# The outer geometry "left top width height" of a window, in device pixels:
# its client area from the X server plus the frame openbox puts around it;
# then the frame's own width and height.
outer_geometry() {
    local info left right top bottom
    await "the frame of window $1" frame_known "$1"
    info=$(xwininfo -id "$1")
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
        END { print x - l, y - t, w + l + r, h + t + b, l + r, t + b }' <<<"$info"
}

# Checks a window's outer geometry against expressions in k (device pixels
# per twip), sw and sh (the screen), fw and fh (the frame's width and height)
# and, for the position, w and h (the expected outer size); each may be off
# by one and a half of the program's own pixels: one for its rounding to whole
# pixels, a half for a frame of an odd number of device pixels, which at ratio
# 2 the program can only count in its own, halved. A window found elsewhere is
# noted and the tour goes on, so that one run shows every misplaced window.
# A window that moves into place once its frame is known gets a second, up
# to 1 s, as a person watching it would.
misplaced=()
expect_geometry() {
    local what=$1 id=$2 width=$3 height=$4 left=$5 top=$6 measured verdict look
    for look in 1 2 3 4 5 6 7 8 9 10; do
        # A window that went meanwhile keeps its last geometry.
        ((look == 1)) || xwininfo -id "$id" >/dev/null 2>&1 || break
        measured=$(outer_geometry "$id")
        verdict=$(geometry_verdict "$measured" "$width" "$height" "$left" "$top")
        [[ -n "$verdict" ]] || break
        sleep 0.1
    done
    echo "$what: ${measured% * *} (left top width height)${verdict:+ MISPLACED}"
    [[ -z "$verdict" ]] || misplaced+=("$what is $verdict")
}

# What is wrong with a measured outer geometry, if anything.
geometry_verdict() {
    local measured=$1 width=$2 height=$3 left=$4 top=$5
    awk -v sw="$screen_width" -v sh="$screen_height" \
        "function off(a, b) { return a - b > tolerance || b - a > tolerance }
        {
            k = $ratio / 15; tolerance = 1.5 * $ratio; fw = \$5; fh = \$6
            w = $width; h = $height; x = $left; y = $top
            if (off(\$1, x) || off(\$2, y) || off(\$3, w) || off(\$4, h))
                printf \"at %d,%d sized %dx%d, not at %.1f,%.1f sized %.1fx%.1f\", \$1, \$2, \$3, \$4, x, y, w, h
        }" <<<"$measured"
}

# The one visible window whose title matches, after waiting for it; checks
# that its _NET_WM_NAME, what the title bar shows, is the expected caption.
await_window() {
    local what=$1 title=$2 id name
    await "$what" window_named "$title"
    id=$(window_named "$title" | head -n 1)
    name=$(xprop -id "$id" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')
    [[ "$name" =~ $title ]] || fail "$what shows \"$name\" in its title bar"
    echo "$id"
}

# ----------------------------------------------------- accessibility interface

query() { "$python" "$here/atspi_query.py" "$@"; }

# Device pixels per unit of the extents the program reports: its window's
# client area in the window system against the same area through AT-SPI.
calibrate() {
    local id=$1 info reported
    info=$(xwininfo -id "$id")
    await "the main window on the accessibility bus" query extents "$main_title" "push button" GO
    reported=$(query extents "$main_title" "menu bar" '')
    scale=$(awk -v reported="$reported" '/^ *Width:/ {
        split(reported, box, " "); printf "%d", $NF / box[3] + 0.5 }' <<<"$info")
    ((scale == 1 || scale == ratio)) || fail "the program reports extents $scale times its size"
}

# Clicks the middle of a showing control, found by its window, role and name.
click() {
    local box=() deadline=$((SECONDS + wait_seconds))
    until read -r -a box < <(query extents "$1" "$2" "$3"); do
        ((SECONDS < deadline)) || fail "gave up waiting for \"$3\" ($2) in $1"
        sleep 0.1
    done
    xdotool mousemove --sync $(((box[0] + box[2] / 2) * scale)) $(((box[1] + box[3] / 2) * scale)) click 1
}

# The names (for labels: the texts) of the showing elements of a role.
expect_names() {
    local what=$1 expected=$2 shown
    shift 2
    shown=$(query names "$@" || true)
    [[ "$shown" == "$expected" ]] || fail "$what shows \"${shown//$'\n'/ | }\", not \"${expected//$'\n'/ | }\""
}

expect_showing() { query extents "$1" "$2" "$3" >/dev/null || fail "\"$3\" ($2) does not show in $1"; }

# ------------------------------------------------------------------ the tour

splash_and_main_window() {
    local splash main
    splash=$(await_window 'the splash' '^ Starting up \.\.\.$')
    expect_geometry "the splash" "$splash" "4170*k+fw" "1275*k+fh" "(sw-w)/2" "(sh-h)/2.5"
    shot splash
    main=$(await_window 'the main window' "$main_title")
    await "the splash to go" no_window_named '^ Starting up \.\.\.$'
    expect_geometry "the main window" "$main" "5213*k" "6910*k" "sw/4-w/4" "sh/4-h/4"
    calibrate "$main"
    expect_showing "$main_title" image Welcome
    shot main-window
}

# Chooses the entry at the given place in a list: a click gives the list the
# focus (and opens it, which Esc undoes), then Home and Down keys.
choose() {
    local downs=() index
    click "$main_title" "combo box" "$1"
    press Escape
    for ((index = 0; index < $2; index++)); do
        downs+=(Down)
    done
    press Home "${downs[@]}"
}

revenue() {
    click "$main_title" text 'Total tax revenue (hundred million won)'
    press ctrl+a BackSpace
    if [[ -n "$1" ]]; then
        xdotool type --delay 60 "$1"
    fi
}

estimation() {
    revenue 100
    choose 'Tax elasticity' 14
    choose 'Income range (won)' 8
    shot inputs
    click "$main_title" "push button" GO
    await "the results" query extents "$main_title" label '609.'
    no_window_named '^Input Problem$' || fail 'a valid request brought up the "Input Problem" dialog'
    expect_names "the result panel" $'609.\n1124 hppm.\n172 hppm.' "$main_title" label Results
    expect_names "the result captions" $'The tax burden is (WON)  \nThe progressivity is  \nThe redistribution effect is  ' \
        "$main_title" image Results
    shot results
}

# A revenue the estimation rejects brings up the modal dialog, which is then
# closed by a click on its OK button or by a key; the results are hidden.
rejection() {
    local dialog
    revenue "$1"
    click "$main_title" "push button" GO
    dialog=$(await_window 'the "Input Problem" dialog' '^Input Problem$')
    expect_geometry 'the "Input Problem" dialog' "$dialog" "4005*k" "4170*k" "sw/4-w/4" "sh/4-h/4"
    expect_showing '^Input Problem$' "push button" OK
    shot "input-problem-${1:-empty}"
    if [[ "$2" == click ]]; then
        click '^Input Problem$' "push button" OK
    else
        activate "$dialog"
        press "$2"
    fi
    await "the dialog to close" no_window_named '^Input Problem$'
    expect_names "the result panel after a rejection" Welcome "$main_title" image Results
    query names "$main_title" label Results >/dev/null && fail "results show after a rejection"
    shot "rejected-${1:-empty}"
}

# The help window with the page its caption names, at its place and size.
expect_help_page() {
    local help
    help=$(await_window "the help window showing \"$1\"" "^$1\$")
    expect_geometry "the help window" "$help" "6826*k" "7026*k" "sw/2-w/4" "sh/4-h/4"
    [[ -z "${2:-}" ]] || await "\"$3\" ($2) on the page \"$1\"" query extents "^$1\$" "$2" "$3"
    shot "$4"
}

help_window() {
    local main
    main=$(window_named "$main_title" | head -n 1)
    activate "$main"
    press alt+h h
    expect_help_page 'Help - Topics' link Glossary topics-by-keys
    expect_names "the topics' links" $'Notice the data and results\nHow to get inputs and outputs\nGlossary' \
        "$help_title" link

    click "$help_title" "push button" 'Notice the data and results'
    expect_help_page 'Help - Notice the data and results' image 'Flag of North Korea' notice-from-toolbar
    click "$help_title" "push button" 'How to get inputs and outputs'
    expect_help_page 'Help - How to get the input and output' image 'How to work the inputs and outputs' \
        how-to-from-toolbar
    click "$help_title" "push button" Glossary
    expect_help_page 'Help - The Glossary' image Vocabulary glossary-from-toolbar

    activate "$(window_named "$help_title" | head -n 1)"
    press alt+w n
    expect_help_page 'Help - Notice the data and results' image 'Flag of North Korea' notice-from-menu
    press alt+w h
    expect_help_page 'Help - How to get the input and output' image 'How to work the inputs and outputs' \
        how-to-from-menu
    press alt+w g
    expect_help_page 'Help - The Glossary' image Vocabulary glossary-from-menu

    topics_link 'Notice the data and results' 'Help - Notice the data and results' 'Flag of North Korea' notice
    topics_link 'How to get inputs and outputs' 'Help - How to get the input and output' \
        'How to work the inputs and outputs' how-to
    topics_link Glossary 'Help - The Glossary' Vocabulary glossary

    click "$help_title" "push button" Exit
    await "the help window to close" no_window_named "$help_title"
    expect_geometry "the main window after the help" "$main" "5213*k" "6910*k" "sw/4-w/4" "sh/4-h/4"
    shot help-closed
}

# With the help window open, the Help picture of the main window brings the
# topics back; then a link opens its page.
topics_link() {
    click "$main_title" "push button" Help
    expect_help_page 'Help - Topics' link "$1" "topics-for-$4"
    click "$help_title" link "$1"
    expect_help_page "$2" image "$3" "$4-from-link"
}

about_box() {
    local about
    activate "$(window_named "$main_title" | head -n 1)"
    press alt+h a
    about=$(await_window 'the About box' '^About Levora$')
    expect_geometry "the About box" "$about" "4845*k" "2805*k" "sw/3-w/4" "sh/3-h/4"
    await "the About box on the accessibility bus" query extents '^About Levora$' "push button" OK
    expect_showing '^About Levora$' label 'Levora for N.Korea'
    expect_showing '^About Levora$' label 'Version 1.01'
    shot about
    click '^About Levora$' "push button" OK
    await "the About box to close" no_window_named '^About Levora$'
    shot about-closed
}

leave() {
    click "$main_title" "push button" Exit
    await "the program to end" program_ended
    local status=0
    wait "$launched" || status=$?
    ((status == 0)) || fail "the program ended with status $status"
    shot ended
}

mkdir -p "$shots"
rm -f "$shots"/*.png
begin_session
start_display "${screen_width}x${screen_height}x24"
start_session_bus
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
start_accessibility_bus
start_program
splash_and_main_window
estimation
rejection 300 click
rejection '' Escape
help_window
about_box
leave
if ((${#misplaced[@]} > 0)); then
    printf 'FAILED: %s\n' "${misplaced[@]}" >&2
    exit 1
fi
echo "PASSED: the tour at ratio $ratio, $step screenshots in $shots"
