#!/usr/bin/env bash
# Builds the program (not the tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target tilelab
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run without a desktop: xvfb-run -s '-screen 0 1024x768x24' build/app/tilelab" >&2
  exit 1
fi
exec build/app/tilelab
