#!/usr/bin/env bash
# Plays Tavrel and Luzema by keyboard for orca_listen.sh: tests/speech/drive.sh BUILD_DIR
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
  # Not on the driver's output: orca_listen.sh reads it until every writer has gone.
  "$build/programs/$1/$1" >/dev/null 2>&1 &
  app=$!
  main=$(timeout 30 xdotool search --sync --onlyvisible --name "^$2\$" | head -1)
  [[ -n "$main" ]] || { echo "drive.sh: no window $2" >&2; exit 1; }
  sleep 0.5
  xdotool windowfocus --sync "$main"
  sleep "$pause"
}

stop() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
}
app=
trap '[[ -z "$app" ]] || stop' EXIT

# Tavrel, a whole round, as a pupil plays it by ear: 1 and 2 answer wherever the focus is, the focus
# then goes to "Ещё слово" and Enter takes the next item; Space there skips one; F1 asks for the
# rules, Escape closes them. The focus starts on Правила; Tab goes on to Начало.
start tavrel Tavrel
press move Tab
press start Return
press again Return
press rules-refused F1
press move Return                          # the box closes, the main window has the keyboard again
press answer 2
press again 2
press rules F1
sleep 1
press move Escape
press next Return
for item in $(seq 2 23); do
  case $((item % 3)) in
    0) press answer 1 ;;
    1) press answer 2 ;;
  esac
  key=Return
  [[ $((item % 3)) -eq 2 ]] && key=space   # no answer: Enter waits for one, Space skips
  if [[ "$item" -lt 23 ]]; then press next $key; else press end $key; fi
done
press move Return
stop

# Luzema, two sentences: the first checked as it stands, the second with a comma where none belongs.
# Each new sentence takes the focus into the text box; Ctrl+Enter checks it.
start luzema Tolvenir
press move Tab
press start Return
press answer ctrl+Return
press rules F1
sleep 1
press move Escape
press next Return
press type ctrl+End BackSpace comma period
press answer ctrl+Return
# Orca can stall in the middle of an event until the next input reaches it: harmless keys while the
# last press is heard.
for _ in $(seq 15); do xdotool key shift; sleep 0.2; done
echo "MARK end"
stop
