#!/usr/bin/env bash
# Hears with a real screen reader what the programs say: scripts/check-speech.sh
# Installs what is missing (also orca xvfb at-spi2-core dbus xdotool), builds Tavrel and Luzema,
# plays a whole round of Tavrel and Luzema's first sentences by keyboard under Orca (through
# ../shared/tools/orca-listen: a private X server, buses and Orca, nothing heard), prints what Orca
# said (SPEECH) after each press (MARK), and checks every press for exactly the phrases it must make.
# The last line is PASS or FAIL; the exit status follows it. Takes about three minutes: Orca needs
# half a minute to start and every press is given a second to be heard. SPEECH_LOG=FILE keeps the
# output of orca-listen.
set -euo pipefail
cd "$(dirname "$0")/.."

listen=../shared/tools/orca-listen
if [[ ! -x "$listen" ]]; then
  echo "check-speech: $listen is missing (the shared tools stand beside the project)" >&2
  exit 2
fi

bash scripts/install-packages.sh
missing=()
for package in orca xvfb at-spi2-core dbus xdotool; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  sudo=()
  [[ "$(id -u)" -eq 0 ]] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tavrel luzema

log=${SPEECH_LOG:-$(mktemp)}
[[ -n "${SPEECH_LOG:-}" ]] || trap 'rm -f "$log"' EXIT
if ! "$listen" --settle 2 -- tests/speech/drive.sh build >"$log" 2>/dev/null; then
  cat "$log"
  echo "FAIL: the driver did not play the programs to the end"
  exit 1
fi
python3 tests/speech/check_speech.py "$log"
