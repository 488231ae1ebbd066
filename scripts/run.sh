#!/usr/bin/env bash
# Installs what is missing, builds, and starts Orvanta with the simulated camera.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${ORVANTA_BUILD_DIR:-$root/build}/orvanta" "$@"
