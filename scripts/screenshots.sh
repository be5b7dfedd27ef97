#!/usr/bin/env bash
# Renders every window of the programs under Xvfb into PNG files:
#   scripts/screenshots.sh [FOLDER] [SCALE]    (default docs/screenshots, scale 1)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-docs/screenshots}
scale=${2:-1}

bash scripts/install-packages.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target window_shots

programs=$(sed -n 's/^    {"\([a-z]*\)".*/\1/p' programs/window_shots.cpp)
for program in $programs; do
  QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 1600x1200x24" build/programs/window_shots "$program" "$folder"
done
