#!/usr/bin/env bash
# Builds the five programs in release mode and packs them into one Debian package:
#   scripts/package.sh        -> build-package/drill-programs_VERSION_ARCH.deb
# Install it with: apt install ./build-package/drill-programs_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DDRILL_BUILD_TESTS=OFF -DDRILL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB)
