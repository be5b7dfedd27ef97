#!/usr/bin/env bash
# Prints the programs of the build, one word each, from their one list (programs/programs.cmake).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -P programs/programs.cmake
