#!/usr/bin/env bash
# Fuzzes Luzema's comma drill against the model with libFuzzer (clang), outside CI:
#   scripts/fuzz.sh [SECONDS] [--update-corpus]
# Runs for SECONDS (180 unless given) on both cores from the corpus in tests/fuzz/corpus, prints the
# executions and any finding (the input is kept in build-fuzz/findings/). --update-corpus merges the
# new inputs that reach new code back into tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=180
update=0
for argument in "$@"; do
  case "$argument" in
    --update-corpus) update=1 ;;
    *) seconds=$argument ;;
  esac
done

need=()
command -v clang++ >/dev/null || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" || need+=(libclang-rt-14-dev)
if [[ ${#need[@]} -gt 0 ]]; then
  sudo=()
  [[ "$(id -u)" -eq 0 ]] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

mkdir -p build-fuzz/corpus build-fuzz/findings
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I. \
  engine/*.cpp tests/support/recording_platform.cpp tests/model/reference_model.cpp \
  tests/model/sequences.cpp tests/model/engine_runner.cpp tests/model/program_facts.cpp \
  programs/luzema/bank.cpp programs/luzema/tests/facts.cpp tests/fuzz/luzema_fuzz.cpp -o build-fuzz/luzema_fuzz

cp -n tests/fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
rm -f build-fuzz/fuzz-*.log
status=0
# Two jobs, one on each core; each writes its log as build-fuzz/fuzz-N.log.
(cd build-fuzz && ./luzema_fuzz corpus -max_total_time="$seconds" -max_len=4096 -jobs=2 -workers=2 \
  -artifact_prefix=findings/ -print_final_stats=1 >/dev/null 2>&1) || status=$?
executions=$(grep -h "stat::number_of_executed_units" build-fuzz/fuzz-*.log | awk '{sum += $2} END {print sum + 0}')
echo "$executions executions in $seconds s; corpus $(ls build-fuzz/corpus | wc -l) inputs"
if compgen -G "build-fuzz/findings/*" >/dev/null; then
  ls build-fuzz/findings/* | sed 's/^/finding: /'
  grep -h -A3 "differs\|ERROR" build-fuzz/fuzz-*.log | head -40
  status=1
else
  echo "no finding"
fi

if [[ $update -eq 1 ]]; then
  build-fuzz/luzema_fuzz -merge=1 -max_len=4096 tests/fuzz/corpus build-fuzz/corpus 2>/dev/null
fi
exit $status
