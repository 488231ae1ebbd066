#!/usr/bin/env bash
# Builds Orvanta and packs it as a Debian package (build/orvanta_<version>_amd64.deb).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANTA_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" "$@"
(cd "$build" && cpack -G DEB)
ls "$build"/orvanta_*.deb
