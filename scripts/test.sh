#!/usr/bin/env bash
# Installs what is missing, builds everything with gcc and the web edition with Emscripten, and runs
# the whole test suite, the browser checks of the web pages included: scripts/test.sh
# Then builds the suite a second time with clang, warnings as errors, under AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking included) in build-sanitize, and runs it there:
# DRILL_SKIP_SANITIZE=1 leaves that pass out.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
# The web edition, which the browser checks of the suite drive in headless Chromium.
bash scripts/web.sh --build-only
# The window tests run on Qt's offscreen platform: no display is needed, and none is used.
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2

[[ "${DRILL_SKIP_SANITIZE:-0}" == 1 ]] && exit 0

# The same tests under the sanitizers, where any finding stops the test that made it. The model
# checks run fewer sequences there (the same seeds, a prefix of the first pass): this pass looks for
# memory and undefined-behaviour faults, not for more sequences.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DDRILL_SANITIZE=ON -DDRILL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize
QT_QPA_PLATFORM=offscreen DRILL_MODEL_SEQUENCES=2000 DRILL_MODEL_WINDOW_SEQUENCES=30 \
  ctest --test-dir build-sanitize --output-on-failure -j2
