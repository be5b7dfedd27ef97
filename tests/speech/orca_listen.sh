#!/usr/bin/env bash
# Hears what Orca says while a program is used: tests/speech/orca_listen.sh COMMAND [ARG...]
# Starts a private X server, a D-Bus session bus, the accessibility bus and Orca (speech and braille
# devices off, its debug log on), and runs COMMAND there; COMMAND starts and drives the program,
# prints "MARK <text>" before each press, and finds Orca's debug log in ORCA_LISTEN_LOG, to wait until
# a press is heard. At the end every phrase Orca spoke is printed in order as
# "SPEECH <phrase>", mixed with the MARK lines at the moment they were printed; COMMAND's other lines
# go straight through. Everything started here is stopped at the end, also on failure or timeout.
# Exit status: COMMAND's (124 when it ran out of time), 2 when the listener could not start.
# ORCA_LISTEN_TIMEOUT (seconds, default 900) limits COMMAND; ORCA_DEBUG_LOG=FILE keeps Orca's log.
set -euo pipefail
command_timeout=${ORCA_LISTEN_TIMEOUT:-900}

for tool in Xvfb dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher orca pgrep; do
  command -v "$tool" >/dev/null || { echo "orca_listen: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
log=$work/orca-debug.log
started=${EPOCHREALTIME/,/.}

descendants() {  # descendants PID: every process running under PID
  local child
  for child in $(pgrep -P "$1"); do
    [[ $child == "$BASHPID" ]] && continue  # the subshell that asks
    echo "$child"
    descendants "$child"
  done
}
alive() { local pid; for pid; do kill -0 "$pid" 2>/dev/null && return 0; done; return 1; }
stop_all() {
  local pids
  pids=$(descendants $$)
  if [[ -n $pids ]]; then  # one word a process
    # Some may end by themselves before the signal reaches them; those that are left are told again.
    kill $pids 2>/dev/null || true
    for _ in {1..25}; do alive $pids || break; sleep 0.2; done
    kill -KILL $pids 2>/dev/null || true
  fi
  if [[ -n ${ORCA_DEBUG_LOG:-} ]] && ! cp "$log" "$ORCA_DEBUG_LOG"; then
    echo "orca_listen: Orca's log could not be kept in $ORCA_DEBUG_LOG" >&2
  fi
  rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

wait_for() {  # wait_for SECONDS PID WHAT COMMAND...: polls COMMAND until it succeeds, while PID lives
  local deadline=$((SECONDS + $1)) pid=$2 what=$3
  shift 3
  until "$@"; do
    if ! kill -0 "$pid" 2>/dev/null || ((SECONDS >= deadline)); then
      echo "orca_listen: $what did not start" >&2
      cat "$work"/*.out >&2 2>/dev/null || true  # what those started so far have written
      exit 2
    fi
    sleep 0.2
  done
}
has_line() { [[ -s $1 ]] && [[ $(tail -c 1 "$1") == "" ]]; }  # a whole line is written

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.out" 2>&1 &
wait_for 20 $! "the X server" has_line "$work/display"
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/bus.out" 2>&1 &
wait_for 20 $! "the session bus" has_line "$work/bus"

# A private home and runtime folder: fresh Orca settings, no trace of the caller's desktop.
DISPLAY=:$(<"$work/display")
DBUS_SESSION_BUS_ADDRESS=$(<"$work/bus")
export DISPLAY DBUS_SESSION_BUS_ADDRESS HOME=$work XDG_RUNTIME_DIR=$work
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME NO_AT_BRIDGE
# Qt programs serve the accessibility bus on X11 only; always on, not only once a reader is seen.
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.out" 2>&1 &
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_for 20 $! "the accessibility bus" a11y_bus_up

# Orca writes its debug log in blocks; line by line, nothing it said is lost when it is stopped.
mkdir -p "$HOME/.local/share/orca"
cat >"$HOME/.local/share/orca/orca-customizations.py" <<'EOF'
from orca import debug
debug.debugFile.reconfigure(line_buffering=True)
EOF
# Its log stamps the time of day in its time zone: UTC, as the MARK lines are stamped.
TZ=UTC orca --debug-file="$log" --disable=speech --disable=braille --disable=braille-monitor \
  >"$work/orca.out" 2>&1 &
orca_ready() { grep -q "Startup complete" "$log" 2>/dev/null; }
wait_for 90 $! "Orca" orca_ready

stamp_marks() {  # MARK lines to the marks file with the time they came, other lines through
  local line
  while IFS= read -r line; do
    if [[ $line == "MARK "* ]]; then
      printf '%s %s\n' "${EPOCHREALTIME/,/.}" "$line" >>"$work/marks"
    else
      printf '%s\n' "$line"
    fi
  done
}
touch "$work/marks"
status=0
# In the background, so that a signal to the listener is handled at once.
export ORCA_LISTEN_LOG=$log
{ timeout --kill-after=10 "$command_timeout" "$@" | stamp_marks; } &
wait $! || status=$?
[[ $status -ne 124 ]] || echo "orca_listen: $1 did not end within $command_timeout s" >&2

# Orca's log: "HH:MM:SS.ffffff - SPEECH OUTPUT: '<phrase>'" and the voice, a phrase of several lines
# going on in lines indented by 18 blanks. Both kinds of line are put in order by their seconds
# since the start (modulo a day, so that midnight does not reorder them), in the C locale, whose
# decimal point is the one written.
LC_ALL=C awk -v started="$started" '
  function since_start(seconds_of_day) { return (seconds_of_day - started % 86400 + 86400) % 86400 }
  FILENAME == ARGV[1] {
    time = since_start($1 % 86400)
    sub(/^[^ ]* /, "")
    printf "%.6f\t%s\n", time, $0
    next
  }
  {
    if (match($0, /^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\.[0-9]+ - SPEECH OUTPUT: \047/)) {
      split(substr($0, 1, 15), hms, ":")
      time = since_start(hms[1] * 3600 + hms[2] * 60 + hms[3])
      phrase = substr($0, RLENGTH + 1)
      in_phrase = 1
    } else if (in_phrase && substr($0, 1, 18) ~ /^ +$/) {
      phrase = phrase " " substr($0, 19)
    } else {
      in_phrase = 0
      next
    }
    if (sub(/\047( voice=[^ {]*)? ?(\{.*\})?$/, "", phrase)) {
      printf "%.6f\tSPEECH %s\n", time, phrase
      in_phrase = 0
    }
  }
' "$work/marks" "$log" | LC_ALL=C sort -s -t "$(printf '\t')" -k1,1n | cut -f2-
exit "$status"
