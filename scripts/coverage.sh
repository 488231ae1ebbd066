#!/usr/bin/env bash
# Builds an instrumented tree (build-cov/, or $ORVANTA_COVERAGE_DIR), runs every test in it and
# prints line and branch coverage of the program and the simulated camera library.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANTA_COVERAGE_DIR:-$root/build-cov}"
"$root/scripts/install-deps.sh"
if ! command -v gcovr >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends gcovr
fi
ORVANTA_BUILD_DIR="$build" ORVANTA_BUILD_TYPE=Debug "$root/scripts/build.sh" \
    -DORVANTA_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_C_FLAGS="--coverage -O0" \
    -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage "$@"
# Counts from an earlier run would add up with this one.
find "$build" -name '*.gcda' -delete
export QT_QPA_PLATFORM=offscreen QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink
(cd "$build" && ctest --output-on-failure -j"$(nproc)") || echo "coverage: some tests failed; figures below are partial"
cd "$root"
filters=(-r "$root" --filter "$root/src/" --filter "$root/simulator/src/" --exclude '.*_autogen.*')
gcovr "${filters[@]}" "$build" | tail -n 3
gcovr "${filters[@]}" --branches --exclude-throw-branches "$build" | tail -n 3
