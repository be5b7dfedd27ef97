#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
# The window tests run on Qt's offscreen platform: no display is needed, and none is used.
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
