#!/usr/bin/env bash
# Plays Tavrel and Luzema by keyboard for orca_listen.sh: tests/speech/drive.sh BUILD_DIR
# Every press is announced as "MARK <program> <what> (<keys>)", <what> telling check_speech.py which
# phrases the press must make. Without a window manager the driver gives the windows the focus.
# After each press the driver waits until Orca has heard it: until Orca's debug log (ORCA_LISTEN_LOG)
# has stood still for SPEECH_QUIET_MS (400; all that a press sets off is logged within about 150 ms),
# at most SPEECH_LIMIT seconds (20), and a press not heard by then fails the run.
set -eu
build=$1
log=${ORCA_LISTEN_LOG:?drive.sh runs under orca_listen.sh, which names the log of Orca}
quiet_ms=${SPEECH_QUIET_MS:-400}
limit_ms=$((${SPEECH_LIMIT:-20} * 1000))

milliseconds() { echo $((${EPOCHREALTIME/[.,]/} / 1000)); }
log_size() { stat -c %s "$log"; }

heard() {  # heard WHAT: waits until Orca's log stands still
  local started changed now size last
  started=$(milliseconds)
  changed=$started
  last=$(log_size)
  while now=$(milliseconds); ((now - changed < quiet_ms)); do
    if ((now - started > limit_ms)); then
      echo "drive.sh: Orca was still busy $((limit_ms / 1000)) s after $1" >&2
      exit 1
    fi
    sleep 0.05
    size=$(log_size)
    if ((size != last)); then
      last=$size
      changed=$(milliseconds)
    fi
  done
}

logged_since() {  # logged_since OFFSET TEXT: Orca's log holds TEXT past OFFSET
  tail -c "+$(($1 + 1))" "$log" | grep -qF "$2"
}

heard_when() {  # heard_when WHAT NUDGE COMMAND...: heard until COMMAND succeeds, NUDGE a key between
  local what=$1 nudge=$2 deadline
  deadline=$(($(milliseconds) + limit_ms))
  shift 2
  until "$@"; do
    if (($(milliseconds) > deadline)); then
      echo "drive.sh: $what: not within $((limit_ms / 1000)) s" >&2
      exit 1
    fi
    [[ -z $nudge ]] || xdotool key "$nudge"
    heard "$what"
  done
}

press() {  # press WHAT KEY...
  local what=$1; shift
  echo "MARK $program $what ($*)"
  pressed_at=$(log_size)
  xdotool key --delay 120 "$@"
  heard "$program $what ($*)"
}

start() {  # start PROGRAM TITLE
  program=$1
  local before
  before=$(log_size)
  # Not on the driver's output: orca_listen.sh reads it until every writer has gone.
  "$build/programs/$1/$1" >/dev/null 2>&1 &
  app=$!
  main=$(timeout 30 xdotool search --sync --onlyvisible --name "^$2\$" | head -1)
  [[ -n "$main" ]] || { echo "drive.sh: no window $2" >&2; exit 1; }
  # The window takes the focus once Orca knows the program and has read what it made while starting.
  heard_when "Orca to know $1" "" logged_since "$before" "[application | $1]"
  heard "the start of $1"
  xdotool windowfocus --sync "$main"
  heard "the focus of $2"
}

stop() {  # ends the program, which is still running
  kill "$app"
  wait "$app" 2>/dev/null || true  # its status is the signal's
  app=
}
app=
# After a failure, the program if it is still there.
trap '[[ -z "$app" ]] || kill "$app" 2>/dev/null || true' EXIT

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
press move Escape
press next Return
press type ctrl+End BackSpace comma period
press answer ctrl+Return
# Orca can stall in the middle of an event until the next input reaches it: harmless keys until the
# last press's verdict is heard.
heard_when "the last verdict" shift logged_since "$pressed_at" "SPEECH OUTPUT: 'Ошибка. Ваш ответ:"
echo "MARK end"
stop
