#!/usr/bin/env bash
# Installs what is missing, builds one program and starts it: scripts/run.sh tavrel
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
programs=$(bash scripts/programs.sh)
name=${1:-}
if [[ -z "$name" || " $programs " != *" $name "* ]]; then
  echo "usage: scripts/run.sh PROGRAM   (PROGRAM is one of: $programs)" >&2
  exit 2
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target "$name"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display to open the window on: start $name from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
exec "build/programs/$name/$name"
