#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Arguments go to CMake.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" "$@"
build=${VORNA_BUILD_DIR:-$here/build}
cd "$build"
ctest --output-on-failure -j"$(nproc)"
