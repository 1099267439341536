#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test against the real windows
# (Qt's offscreen platform, SDL's dummy audio driver).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build" -G Ninja
cmake --build "$here/build"
cd "$here/build"
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j2
