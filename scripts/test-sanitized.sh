#!/usr/bin/env bash
# Builds with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer into
# build-asan/ (or $ORVANTA_ASAN_BUILD_DIR) and runs every test there. Any report
# fails the test that caused it. Leaks inside system libraries are suppressed by
# tests/lsan.supp, each with its reason.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANTA_ASAN_BUILD_DIR:-$root/build-asan}"
"$root/scripts/install-deps.sh"
launcher=()
# Reuse compiled objects across build trees when ccache is there (never required).
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_SANITIZE=ON \
    -DORVANTA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink
# Full unwinding on malloc: Qt and the system libraries have no frame pointers, and
# the suppressions need whole stacks to see which library an allocation came from.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:fast_unwind_on_malloc=0:strict_init_order=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
