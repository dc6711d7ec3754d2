#!/usr/bin/env bash
# Compiles a program against the engine installed in PREFIX with nothing but
# the flags of its pkg-config module, and runs it. FLAGs are those the
# libraries were built with that a program linking them needs as well, such
# as the sanitizers of an instrumented build.
#   pkg_config.sh COMPILER PREFIX SOURCE WORK_DIR [FLAG...]
# Exits 77 (skipped) when pkg-config is missing.
set -euo pipefail

compiler=${1:?usage: pkg_config.sh COMPILER PREFIX SOURCE WORK_DIR}
prefix=${2:?usage: pkg_config.sh COMPILER PREFIX SOURCE WORK_DIR}
source=${3:?usage: pkg_config.sh COMPILER PREFIX SOURCE WORK_DIR}
work=${4:?usage: pkg_config.sh COMPILER PREFIX SOURCE WORK_DIR}
shift 4
build_flags=("$@")

if ! command -v pkg-config >/dev/null; then
    echo "SKIPPED: pkg-config is not installed (tools/install-deps installs it)"
    exit 77
fi

module_dir=$(dirname "$(find "$prefix" -name levora-engine.pc -print -quit)")
[[ "$module_dir" != . ]] || { echo "FAILED: no levora-engine.pc under $prefix" >&2; exit 1; }
# Only the installed module may be found, never one of the machine's.
export PKG_CONFIG_LIBDIR=$module_dir
unset PKG_CONFIG_PATH

version=$(pkg-config --modversion levora-engine)
echo "levora-engine $version"
read -r -a flags <<<"$(pkg-config --cflags --libs levora-engine)"
echo "flags: ${flags[*]}"

mkdir -p "$work"
"$compiler" -std=c++20 ${build_flags[@]+"${build_flags[@]}"} "$source" "${flags[@]}" -o "$work/consumer"
"$work/consumer"
