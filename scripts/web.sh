#!/usr/bin/env bash
# Builds the programs for the web into the static folder build-web/site/ and serves it at
# http://localhost:8080/ until stopped (Ctrl+C): scripts/web.sh [--build-only]
# The folder works as it is from any web server, and opened from disk (index.html).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh web
# Emscripten's helpers find their Node modules by themselves only under Debian's own nodejs.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build-web
[[ "${1:-}" == --build-only ]] && exit 0

echo "Serving build-web/site/ at http://localhost:8080/ (Ctrl+C stops)"
exec /usr/bin/python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
