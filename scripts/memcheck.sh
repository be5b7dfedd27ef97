#!/usr/bin/env bash
# Valgrind's memcheck on a whole round of each program's windows on Qt's offscreen platform, outside
# CI (about two minutes): scripts/memcheck.sh
# Each program's response probe (bench/round.h: every button pressed in turn through a whole round,
# the rules and result windows opened, closed and opened again, then the exit) runs under memcheck
# from its start to the end of main(), at the scale factors 1 (the stored drawings) and 1.5 (the
# pictures drawn from their SVG). Prints for each run the bytes memcheck finds lost and the errors it
# reports as a Markdown table; the last line is PASS (nothing lost, no error, every run played to
# its end) or FAIL, and the exit status follows it. What Qt does of its own is suppressed
# (tests/sanitize/valgrind.supp); each run's whole report is kept in build/memcheck/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
programs=$(bash scripts/programs.sh)
probes=()
for program in $programs; do probes+=("${program}_response"); done
cmake --build build --target "${probes[@]}"

reports=build/memcheck
rm -rf "$reports"
mkdir -p "$reports"
# The bytes of one kind of loss in a report ("definitely lost: 1,024 bytes in 3 blocks"); a report
# without a leak summary has found every block freed.
lost() { sed -n "s/.*$1: \([0-9,]*\) bytes.*/\1/p" "$2" | tr -d , | awk '{n = $1} END {print n + 0}'; }
# "ERROR SUMMARY: 2 errors from 1 contexts (suppressed: 5 from 1)" -> "2 5"; "none none" when the
# run ended before memcheck's summary.
errors() {
  sed -n 's/.*ERROR SUMMARY: \([0-9,]*\) errors.*suppressed: \([0-9,]*\) from.*/\1 \2/p' "$1" | tr -d , |
    awk '{found = $0} END {print NR ? found : "none none"}'
}
echo "| program | scale | presses | definitely lost (bytes) | indirectly lost | possibly lost | errors | suppressed |"
echo "|---|---:|---:|---:|---:|---:|---:|---:|"
failures=0
for program in $programs; do
  for scale in 1 1.5; do
    run=$reports/$program-$scale
    status=0
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale valgrind --tool=memcheck --leak-check=full \
      --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible \
      --suppressions=tests/sanitize/valgrind.supp --num-callers=30 --error-exitcode=99 --log-file="$run.log" \
      "build/bench/${program}_response" >"$run.out" 2>"$run.err" || status=$?
    presses=$(awk '/^press / {n++} END {print n + 0}' "$run.out")
    read -r found suppressed < <(errors "$run.log")
    echo "| \`${program^}\` | $scale | $presses | $(lost 'definitely lost' "$run.log") |" \
      "$(lost 'indirectly lost' "$run.log") | $(lost 'possibly lost' "$run.log") | $found | $suppressed |"
    if [[ $status -ne 0 || $presses -eq 0 ]]; then
      echo "$program at $scale: exit status $status after $presses presses, see $run.log and $run.err" >&2
      failures=$((failures + 1))
    fi
  done
done
if [[ $failures -eq 0 ]]; then
  echo "PASS"
else
  echo "FAIL: $failures runs"
  exit 1
fi
