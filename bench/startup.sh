#!/usr/bin/env bash
# Start-up, peak memory, binary size and response of every program against a bare Qt window, as
# Markdown tables: bash bench/startup.sh [RUNS] [ROUNDS]   (default 21 start-ups, 5 rounds each)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
rounds=${2:-5}

bash scripts/install-packages.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRILL_BUILD_TESTS=OFF >/dev/null
programs=$(bash scripts/programs.sh)
targets=(bare_window bare_round startup_bench)
for program in $programs; do targets+=("$program" "${program}_startup" "${program}_response"); done
cmake --build build-bench --target "${targets[@]}" >/dev/null

echo "Machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; load: $(uptime | sed 's/.*load average: //')"
echo
xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/startup_bench build-bench "$runs" "$rounds" $programs
