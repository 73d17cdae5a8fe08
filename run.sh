#!/usr/bin/env bash
# Installs what is missing, builds a Release editor and starts it on a freshly made sample ROM.
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build

mkdir -p out
build/bin/tarnwick-cli sample out/sample.gb

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found; starting the editor inside Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x800x24" build/bin/tarnwick "$PWD/out/sample.gb"
fi
exec build/bin/tarnwick "$PWD/out/sample.gb"
