#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments are files to open.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
exec "$here/build/brennvik" "$@"
