#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANTA_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$@"
export QT_QPA_PLATFORM=offscreen QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink
cd "$build"
ctest --output-on-failure -j"$(nproc)"
