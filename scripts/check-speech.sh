#!/usr/bin/env bash
# Hears with a real screen reader what the programs say: scripts/check-speech.sh
# Installs what is missing (also Orca and what it runs on), builds Tavrel and Luzema, plays a whole
# round of Tavrel and Luzema's first sentences by keyboard under Orca (tests/speech/orca_listen.sh:
# a private X server, buses and Orca, nothing heard), prints what Orca said (SPEECH) after each press
# (MARK), and checks every press for exactly the phrases it must make. The last line is PASS or FAIL;
# the exit status follows it. Takes about a minute after the build: after each press the driver waits
# until Orca has heard it. SPEECH_LOG=FILE keeps the output of orca_listen.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! { bash scripts/install-packages.sh speech &&
       cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
       cmake --build build --target tavrel luzema; }; then
  echo "FAIL: the build"
  exit 1
fi

log=${SPEECH_LOG:-$(mktemp)}
[[ -n "${SPEECH_LOG:-}" ]] || trap 'rm -f "$log"' EXIT
if ! tests/speech/orca_listen.sh tests/speech/drive.sh build >"$log" 2>&1; then
  cat "$log"
  echo "FAIL: the programs were not played to the end under Orca"
  exit 1
fi
python3 tests/speech/check_speech.py "$log"
