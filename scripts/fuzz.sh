#!/usr/bin/env bash
# Fuzzes Luzema's comma drill against the model with libFuzzer (clang), outside CI:
#   scripts/fuzz.sh [SECONDS] [--update-corpus]
# Builds the fuzzer (the luzema_fuzz target, under ASan and UBSan) in build-fuzz, runs it for SECONDS
# (180 unless given) on both cores from the corpus in tests/fuzz/corpus, and prints the executions
# and any finding (the input is kept in build-fuzz/findings/). New inputs that reach new code are kept
# in build-fuzz/corpus; --update-corpus merges them into tests/fuzz/corpus.
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

bash scripts/install-packages.sh
# Every library of the fuzzer is instrumented for libFuzzer's coverage, not only the target itself.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DDRILL_SANITIZE=ON -DDRILL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target luzema_fuzz
fuzzer=build-fuzz/tests/fuzz/luzema_fuzz

mkdir -p build-fuzz/corpus build-fuzz/findings
rm -f build-fuzz/fuzz-*.log
status=0
# Two jobs, one on each core, each writing its log as build-fuzz/fuzz-N.log. New inputs go to the
# first corpus folder; the second is only read.
(cd build-fuzz && "../$fuzzer" corpus ../tests/fuzz/corpus -max_total_time="$seconds" -max_len=4096 \
  -jobs=2 -workers=2 -artifact_prefix=findings/ -print_final_stats=1 >fuzz.log 2>&1) || status=$?
if ! compgen -G "build-fuzz/fuzz-*.log" >/dev/null; then
  cat build-fuzz/fuzz.log
  echo "fuzz: the fuzzer did not run" >&2
  exit 1
fi
executions=$(grep -h "stat::number_of_executed_units" build-fuzz/fuzz-*.log | awk '{sum += $2} END {print sum + 0}')
echo "$executions executions in $seconds s; $(ls tests/fuzz/corpus | wc -l) inputs in tests/fuzz/corpus, $(ls build-fuzz/corpus | wc -l) new ones kept in build-fuzz/corpus"
if compgen -G "build-fuzz/findings/*" >/dev/null; then
  ls build-fuzz/findings/* | sed 's/^/finding: /'
  grep -h -A3 "differs\|ERROR" build-fuzz/fuzz-*.log | head -40
  status=1
elif [[ $status -ne 0 ]]; then
  tail -20 build-fuzz/fuzz-*.log
  echo "fuzz: the fuzzer stopped with status $status and no finding" >&2
else
  echo "no finding"
fi

if [[ $update -eq 1 ]]; then
  if ! "$fuzzer" -merge=1 -max_len=4096 tests/fuzz/corpus build-fuzz/corpus >build-fuzz/merge.log 2>&1; then
    cat build-fuzz/merge.log
    echo "fuzz: merging into tests/fuzz/corpus failed" >&2
    exit 1
  fi
  echo "tests/fuzz/corpus: $(ls tests/fuzz/corpus | wc -l) inputs"
fi
exit $status
