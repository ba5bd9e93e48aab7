#!/usr/bin/env bash
# Sets up, builds and starts Orvek Wattmere. Without a display it runs under xvfb-run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
app="${BUILD_DIR:-$root/build}/src/wattmere"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a "$app" "$@"
fi
exec "$app" "$@"
