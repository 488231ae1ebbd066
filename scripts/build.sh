#!/usr/bin/env bash
# Configures and builds Orvanta into build/ (or $ORVANTA_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANTA_BUILD_DIR:-$root/build}"
launcher=()
# Reuse compiled objects across build trees when ccache is there (never required).
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" -DCMAKE_BUILD_TYPE="${ORVANTA_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
