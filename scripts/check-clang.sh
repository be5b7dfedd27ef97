#!/usr/bin/env bash
# A check outside CI that the sources hold to standard C++ and portable Qt: no Linux-only header in
# the code, and a clean build with clang (warnings as errors) whose tests pass, beside the usual gcc
# build of scripts/test.sh.   scripts/check-clang.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if found=$(grep -rnE '#include <(unistd\.h|sys/|linux/|dlfcn\.h|pthread\.h|X11/|fcntl\.h|signal\.h)' \
             engine windows programs tests bench); then
  echo "Platform-specific headers in the code:" >&2
  echo "$found" >&2
  exit 1
fi

bash scripts/install-packages.sh
if ! command -v clang++ >/dev/null; then
  sudo=()
  [[ "$(id -u)" -eq 0 ]] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang >/dev/null
fi

cmake -S . -B build-clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DDRILL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-clang
QT_QPA_PLATFORM=offscreen ctest --test-dir build-clang --output-on-failure -j2
