#!/usr/bin/env bash
# Checks what the program component installed into PREFIX: the two programs and
# their manual pages, a desktop entry and AppStream metainfo that their
# validators accept without a warning, and the icon the entry names at every
# hicolor size.
#   desktop_files.sh PREFIX APP_ID SIZE...
# Exits 77 (skipped) when desktop-file-validate or appstreamcli is missing.
set -euo pipefail

usage="usage: desktop_files.sh PREFIX APP_ID SIZE..."
prefix=${1:?$usage}
app_id=${2:?$usage}
shift 2
(($# > 0)) || { echo "$usage" >&2; exit 2; }

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (tools/install-deps installs it)"
        exit 77
    fi
done

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

[[ ! -e "$prefix/include" && ! -e "$prefix/lib" ]] || fail "the program component holds engine files"
for program in levora levora-estimate; do
    [[ -x "$prefix/bin/$program" ]] || fail "bin/$program is not installed"
    [[ -f "$prefix/share/man/man1/$program.1.gz" ]] || fail "the manual page of $program is not installed"
    # groff reports a malformed page as warnings.
    if command -v groff >/dev/null; then
        warnings=$(zcat "$prefix/share/man/man1/$program.1.gz" | groff -man -ww -z 2>&1)
        [[ -z "$warnings" ]] || fail "the manual page of $program: $warnings"
    fi
done

entry=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [[ -f "$entry" ]]; then
    # desktop-file-validate prints warnings and hints without failing.
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects $entry"
    [[ -z "$report" ]] || fail "desktop-file-validate: $report"
    grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry does not name the icon $app_id"
    grep -qx "Exec=levora" "$entry" || fail "the desktop entry does not start levora"
else
    fail "$entry is not installed"
fi

if [[ -f "$metainfo" ]]; then
    # --strict fails on warnings and infos too, not on pedantic hints.
    appstreamcli validate --no-color --no-net --strict "$metainfo" || fail "appstreamcli rejects $metainfo"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app_id.desktop"
else
    fail "$metainfo is not installed"
fi

# A PNG's width and height, from its header chunk; empty when it is no PNG.
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [[ "$signature" == 89504e470d0a1a0a ]] || return 0
    od -An -tu4 --endian=big -j16 -N8 "$1" | xargs
}

for size in "$@"; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [[ ! -f "$icon" ]]; then
        fail "no ${size}x${size} icon"
    elif [[ "$(png_size "$icon")" != "$size $size" ]]; then
        fail "$icon is not a ${size}x${size} PNG: $(png_size "$icon")"
    fi
done
installed_sizes=$(find "$prefix/share/icons/hicolor" -name "$app_id.png" | wc -l)
((installed_sizes == $#)) || fail "$installed_sizes icons installed, expected $#"

((failures == 0)) || exit 1
echo "bin/levora, bin/levora-estimate, $app_id.desktop, $app_id.metainfo.xml and $# icon sizes installed and valid"
