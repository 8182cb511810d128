#!/usr/bin/env bash
# Sets up, builds and runs every test without a display.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$here/build"
ctest --output-on-failure -j"$(nproc)"
