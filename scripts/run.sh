#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
bin=${VORNA_BUILD_DIR:-$here/build}/bin
if [ -x "$bin/vorna" ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found (DISPLAY is not set): the desktop program vorna needs one." >&2
    echo "The command-line program works without: $bin/vorna-cli --help" >&2
    exit 1
  fi
  exec "$bin/vorna" "$@"
fi
exec "$bin/vorna-cli" "$@"
