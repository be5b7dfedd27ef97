#!/usr/bin/env bash
# Renders every window of the programs under Xvfb into PNG files:
#   scripts/screenshots.sh [FOLDER] [SCALE]    (default docs/screenshots, scale 1)
# At a scale other than 1 the files are named PROGRAM-WINDOW-SCALEx.png (tavrel-round-2x.png).
# XVFB_DISPLAY=N uses display :N instead of the first free one.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-docs/screenshots}
scale=${2:-1}

bash scripts/install-packages.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target window_shots

server=(-a)
[[ -n "${XVFB_DISPLAY:-}" ]] && server=(-n "$XVFB_DISPLAY")
rendered=$(mktemp -d)
trap 'rm -rf "$rendered"' EXIT
QT_SCALE_FACTOR=$scale xvfb-run "${server[@]}" -s "-screen 0 1600x1200x24" build/tests/window_shots "$rendered" >/dev/null
mkdir -p "$folder"
suffix=""
[[ "$scale" == 1 ]] || suffix="-${scale}x"
for picture in "$rendered"/*.png; do
  target="$folder/$(basename "$picture" .png)$suffix.png"
  mv "$picture" "$target"
  echo "$target"
done
