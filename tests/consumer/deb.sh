#!/usr/bin/env bash
# Makes the Debian packages of a build tree with cpack and checks them: the
# program package holds the program, its desktop entry, metainfo and icons and
# depends on the Qt libraries the program links; the engine package holds the
# headers, the static libraries, the CMake package and the pkg-config module.
#   deb.sh CPACK BUILD_DIR WORK_DIR APP_ID SIZE...
# Exits 77 (skipped) when dpkg-deb or dpkg-shlibdeps is missing.
set -euo pipefail

usage="usage: deb.sh CPACK BUILD_DIR WORK_DIR APP_ID SIZE..."
cpack=${1:?$usage}
build_dir=${2:?$usage}
work=${3:?$usage}
app_id=${4:?$usage}
shift 4

for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (tools/install-deps installs it)"
        exit 77
    fi
done

rm -rf "$work"
mkdir -p "$work"
"$cpack" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; echo "FAILED: cpack" >&2; exit 1; }

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# The one package whose file name starts NAME_.
package() {
    local found=("$work"/"$1"_*.deb)
    if ((${#found[@]} != 1)) || [[ ! -f "${found[0]}" ]]; then
        echo "FAILED: no single $1 package" >&2
        exit 1
    fi
    echo "${found[0]}"
}

# Fails for each of the paths that the package does not hold.
expect_files() {
    local deb=$1 path
    shift
    local contents
    contents=$(dpkg-deb --fsys-tarfile "$deb" | tar -t)
    for path in "$@"; do
        grep -qx "\./usr/$path" <<<"$contents" || fail "$(basename "$deb") lacks /usr/$path"
    done
}

program=$(package levora)
engine=$(package levora-engine-dev)
echo "$(basename "$program"), $(basename "$engine")"

icons=()
for size in "$@"; do
    icons+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
expect_files "$program" bin/levora bin/levora-estimate "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" "${icons[@]}" share/man/man1/levora.1.gz \
    share/man/man1/levora-estimate.1.gz share/doc/levora/copyright
if dpkg-deb --fsys-tarfile "$program" | tar -t | grep -E '^\./usr/(include|lib)/'; then
    fail "the program package holds engine files"
fi
depends=$(dpkg-deb -f "$program" Depends)
echo "Depends: $depends"
grep -Eq '(^|, )libqt6widgets6( |,|$)' <<<"$depends" || fail "the program package does not depend on libqt6widgets6"

expect_files "$engine" include/levora/estimation_request.h include/levora/conversions.h \
    lib/liblevora_engine.a lib/liblevora_conversions.a lib/cmake/LevoraEngine/LevoraEngineConfig.cmake \
    lib/cmake/LevoraEngine/LevoraEngineConfigVersion.cmake lib/pkgconfig/levora-engine.pc \
    share/doc/levora-engine-dev/copyright
if dpkg-deb --fsys-tarfile "$engine" | tar -t | grep -E '^\./usr/(bin|share/applications)/'; then
    fail "the engine package holds program files"
fi

((failures == 0)) || exit 1
echo "both packages hold what they should"
