#!/usr/bin/env bash
# The long model check, outside CI: SEQUENCES random sequences per program (a million unless
# given), each program in its own process, two at a time:
#   scripts/model-check.sh [SEQUENCES] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."

sequences=${1:-1000000}
seed=${2:-1}
bash scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target model_check
build/tests/model/model_check --list |
  xargs -P2 -I{} sh -c "build/tests/model/model_check --sequences $sequences --seed $seed {} || exit 255"
