#!/usr/bin/env bash
# The web edition's size, load, press and memory against a bare page with one button, in one run of
# headless Chromium, as Markdown: bash bench/web.sh [LOADS] [ROUNDS]   (default 21 loads, 1000 rounds)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web.sh --build-only >/dev/null
exec /usr/bin/python3 bench/web_bench.py build-web/site --loads "${1:-21}" --rounds "${2:-1000}"
