#!/usr/bin/env bash
# Runs one libFuzzer target for a while: scripts/fuzz.sh <target> <seconds>
# Targets: starpos, geometry, settings, stardata (fuzz/fuzz_<target>.cpp).
# Builds with clang into build-fuzz/ (or $ORVANTA_FUZZ_BUILD_DIR). The corpus grows in
# build-fuzz/corpus/<target>, seeded from fuzz/seeds/<target>; crashing inputs land in
# build-fuzz/artifacts/<target>/. Replay one: build-fuzz/fuzz/fuzz_<target> <file>.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANTA_FUZZ_BUILD_DIR:-$root/build-fuzz}"

if [ $# -lt 2 ]; then
    echo "usage: $0 <starpos|geometry|settings|stardata> <seconds> [libFuzzer options...]" >&2
    exit 2
fi
target="$1"
seconds="$2"
shift 2
if [ ! -f "$root/fuzz/fuzz_$target.cpp" ]; then
    echo "no fuzz target '$target' (see fuzz/fuzz_*.cpp)" >&2
    exit 2
fi

cc="${CC:-clang-14}"
cxx="${CXX:-clang++-14}"
if ! command -v "$cxx" >/dev/null; then
    echo "$cxx not found; install clang-14 (Debian: apt-get install clang-14)" >&2
    exit 1
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" -DORVANTA_FUZZ=ON \
    -DORVANTA_BUILD_TESTS=OFF -DORVANTA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "fuzz_$target" -j"${ORVANTA_FUZZ_JOBS:-2}"

corpus="$build/corpus/$target"
artifacts="$build/artifacts/$target"
mkdir -p "$corpus" "$artifacts"

export QT_QPA_PLATFORM=offscreen QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink TAVRINSIM_NO_PANEL=1
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
quiet=()
if [ "$target" = stardata ]; then
    # The camera library echoes every debug line on stderr; libFuzzer keeps its own
    # report (and the sanitizers') on a duplicate of the descriptor.
    quiet=(-close_fd_mask=2)
fi
cd "$build"
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    "${quiet[@]}" -artifact_prefix="$artifacts/" "$@" "$corpus" "$root/fuzz/seeds/$target"
