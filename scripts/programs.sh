#!/usr/bin/env bash
# Prints the programs of the build, one word each, as the top CMakeLists.txt lists them.
set -euo pipefail
cd "$(dirname "$0")/.."
sed -n 's/^set(DRILL_PROGRAMS \(.*\))$/\1/p' CMakeLists.txt
