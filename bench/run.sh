#!/usr/bin/env bash
# Builds and runs the benchmarks: bash bench/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRILL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target engine_bench luzema_check_bench
build-bench/bench/engine_bench
# The real windows, drawn off screen.
QT_QPA_PLATFORM=offscreen build-bench/bench/luzema_check_bench
