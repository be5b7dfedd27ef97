#!/usr/bin/env bash
# Plays Tavrel and Luzema by keyboard for orca-listen: tests/speech/drive.sh BUILD_DIR
# Every press is announced as "MARK <program> <what> (<keys>)", <what> telling check_speech.py which
# phrases the press must make. Without a window manager the driver gives the windows the focus.
set -eu
build=$1
pause=${SPEECH_PAUSE:-1.0}

press() {  # press WHAT KEY...
  local what=$1; shift
  echo "MARK $program $what ($*)"
  xdotool key --delay 120 "$@"
  sleep "$pause"
}

start() {  # start PROGRAM TITLE
  program=$1
  # Not on the driver's output: orca-listen reads it until every writer has gone.
  "$build/programs/$1/$1" >/dev/null 2>&1 &
  app=$!
  main=$(timeout 30 xdotool search --sync --onlyvisible --name "^$2\$" | head -1)
  [[ -n "$main" ]] || { echo "drive.sh: no window $2" >&2; exit 1; }
  sleep 0.5
  xdotool windowfocus --sync "$main"
  sleep "$pause"
}

refocus() {
  echo "MARK $program refocus"
  xdotool windowfocus --sync "$main"
  sleep "$pause"
}

stop() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
}
app=
trap '[[ -z "$app" ]] || stop' EXIT

# Tavrel, a whole round. The focus starts on Правила; Tab goes on to Начало, е, и, Ещё слово.
start tavrel Tavrel
press move Tab                             # Начало
press start space
press again space
press move shift+Tab                       # Правила
press rules-refused space
press move Return
refocus
press move Tab Tab Tab                     # и
press answer space
press again space
press move shift+Tab shift+Tab shift+Tab   # Правила
press rules space
sleep 1
refocus
press move Tab Tab Tab Tab                 # Ещё слово
press next space
for item in $(seq 2 23); do
  case $((item % 3)) in
    0) press move shift+Tab shift+Tab; press answer space; press move Tab Tab ;;   # е
    1) press move shift+Tab; press answer space; press move Tab ;;                 # и
    2) ;;                                                                          # no answer
  esac
  if [ "$item" -lt 23 ]; then press next space; else press end space; fi
done
press move Return
stop

# Luzema, the first sentences. The focus starts on Правило; Tab goes on to Начало, Запятые
# расставлены, Ещё предложение, Выход, the sentence.
start luzema Tolvenir
press move Tab
press start space
press move Tab                             # Запятые расставлены
press answer space
press move Tab                             # Ещё предложение
press next space
press move Tab Tab                         # the sentence
press type ctrl+End BackSpace comma period
press move shift+Tab shift+Tab shift+Tab   # Запятые расставлены
press answer space
echo "MARK end"
# Orca's log reaches the disk in blocks: what it said last is read only once more has followed.
for _ in $(seq 15); do xdotool key shift; sleep 0.2; done
stop
