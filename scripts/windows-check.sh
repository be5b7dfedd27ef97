#!/usr/bin/env bash
# Builds the Windows programs with their tests (scripts/windows-package.sh) and checks them under
# Wine on this machine:
#   1. each program is a Windows program (no console) with its icon and version information;
#   2. the engine, window and model tests, cross-built, under Wine (windows on the offscreen platform);
#   3. each program of the portable zip, unpacked, under Xvfb with Qt's Windows platform plugin: a
#      whole round played by keys, then a picture of its window (build-windows/screenshots);
#   4. the installer, silently, twice (the second over the first): the programs, the Start-menu
#      entries and the uninstall entry are there and each installed program starts; the silent
#      uninstall then leaves no file and no registry entry of ours.
# The last line is PASS or FAIL; the exit status follows it. DRILL_WINDOWS_IF_CACHED=1 checks only
# when Qt for Windows is in the cache, and otherwise says so in one line and passes (.ci/run).
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-windows

status=0
DRILL_WINDOWS_TESTS=1 bash scripts/windows-package.sh || status=$?
if [[ "$status" == 3 && "${DRILL_WINDOWS_IF_CACHED:-0}" == 1 ]]; then exit 0; fi
if [[ "$status" != 0 ]]; then
  echo "FAIL: the Windows build"
  exit 1
fi
bash scripts/install-packages.sh wine

failures=0
fail() {
  echo "  failed: $*"
  failures=$((failures + 1))
}

# A Wine of our own, under a private X server. Wine names files in the locale's character set, and
# the Start-menu names are Russian: without a UTF-8 locale (a bare root, CI) they would be mangled.
export LC_ALL=C.UTF-8 WINEPREFIX=$PWD/$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w
display=73
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:$display
sleep 1

echo "1. The programs' files"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/cross/CMakeCache.txt")
for program in $(bash scripts/programs.sh); do
  exe=$(echo "$out"/stage/*/"$program.exe")
  headers=$(x86_64-w64-mingw32-objdump -p "$exe")
  grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "$program.exe opens a console"
  resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc 2>/dev/null || true)
  grep -q '^"IDI_ICON1" 14' <<<"$resources" || fail "$program.exe has no icon"
  for value in "ProductName\", \"${program^}" "ProductVersion\", \"$version" "FileDescription\", L\"${program^}: "; do
    grep -qF "VALUE \"$value" <<<"$resources" || fail "$program.exe: no $value in its version information"
  done
done
echo "  each a Windows program (no console) with its icon and version information"

echo "2. The tests under Wine"
bin=$out/cross/bin
qt=$(cd "$(sed -n 's/^Qt6_DIR:PATH=//p' "$out/cross/CMakeCache.txt")/../../.." && pwd)
# The tests find their libraries, the platform plugins and the shipped fonts beside them.
cp -r "$out"/stage/*/*.dll "$out"/stage/*/fonts "$bin/"
mkdir -p "$bin/platforms"
cp "$qt/plugins/platforms/qoffscreen.dll" "$qt/plugins/platforms/qwindows.dll" "$bin/platforms/"
cp "$qt"/bin/Qt6Test.dll "$bin/"
# Wine's own services are started by the first program of a session and inherit its output: were
# that a test, the test would be held open until they went. So they are started here, under a server
# kept for all the tests.
wineserver -p
wine cmd /c exit >/dev/null 2>&1
if ! ctest --test-dir "$out/cross" --output-on-failure -j2 >"$out/tests.log" 2>&1; then
  cat "$out/tests.log"
  fail "tests"
fi
tail -3 "$out/tests.log" | sed 's/^/  /'
wineserver -k || true

# Presses a key in a window and gives the program time to answer it.
press() {
  xdotool key --window "$1" --delay 60 "${@:2}"
  sleep 0.15
}
# The visible windows of a program started under Wine, by its X class (the program's file name).
windows_of() { xdotool search --onlyvisible --classname "^$1\.exe\$" 2>/dev/null || true; }
wait_for_window() {
  local window=""
  for _ in $(seq 100); do
    window=$(windows_of "$1" | head -1)
    [[ -n "$window" ]] && break
    sleep 0.2
  done
  echo "$window"
}

echo "3. A round of each program, from the portable zip"
portable=$out/portable
rm -rf "$portable" "$out/screenshots"
mkdir -p "$portable" "$out/screenshots"
unzip -q "$out"/drill-programs-*-windows.zip -d "$portable"
folder=$(echo "$portable"/drill-programs-*)
for program in $(bash scripts/programs.sh); do
  started=$(date +%s%N)
  wine "$folder/$program.exe" >/dev/null 2>&1 &
  main=$(wait_for_window "$program")
  if [[ -z "$main" ]]; then
    fail "$program: no window"
    continue
  fi
  shown=$((($(date +%s%N) - started) / 1000000))
  sleep 1
  xdotool windowfocus --sync "$main" 2>/dev/null || true
  # The focus starts on the rules button; Tab goes on to "Начало". Then every item is answered with
  # the first answer (Luzema: the sentence checked as it stands) and Enter takes the next, until
  # the box at the end of the round opens.
  press "$main" Tab Return
  items=0
  while [[ $(windows_of "$program" | wc -l) -lt 2 && $items -lt 300 ]]; do
    if [[ "$program" == luzema ]]; then press "$main" ctrl+Return; else press "$main" 1; fi
    press "$main" Return
    items=$((items + 1))
  done
  if [[ $(windows_of "$program" | wc -l) -lt 2 ]]; then
    fail "$program: no box at the end of the round after $items items"
  else
    echo "  $program: window after $shown ms, a round of $items items played by keys, the end box shown"
  fi
  wineserver -k 2>/dev/null || true
  sleep 0.5

  # A picture of the window in Wine's own desktop, which draws the window's frame as Windows does:
  # "Начало" and the second answer.
  wine explorer /desktop=drill,760x600 "$folder/$program.exe" >/dev/null 2>&1 &
  desktop=""
  for _ in $(seq 50); do
    desktop=$(xdotool search --onlyvisible --name '^drill' 2>/dev/null | head -1 || true)
    [[ -n "$desktop" ]] && break
    sleep 0.2
  done
  sleep 3
  if [[ -n "$desktop" ]]; then
    xdotool windowfocus --sync "$desktop" 2>/dev/null || true
    press "$desktop" Tab Return
    if [[ "$program" == luzema ]]; then press "$desktop" ctrl+Return; else press "$desktop" 2; fi
    sleep 1
    import -window "$desktop" "$out/screenshots/$program-windows.png"
  else
    fail "$program: no Wine desktop for its picture"
  fi
  wineserver -k 2>/dev/null || true
  sleep 0.5
done
echo "  pictures: $out/screenshots/"

echo "4. The installer"
setup=$(echo "$out"/drill-programs-*-setup.exe)
drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/Drill programs"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Упражнения по русскому языку"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\DrillPrograms'
# Every file, and every folder but the empty ones NSIS leaves in the temporary folder, which is
# Windows' to clear.
tree() { (cd "$drive" && find . \( -type f -o -type d -not -path './users/*/Temp/*' \) | sort); }
before=$(tree)
for round in first second; do
  wine "$setup" /S >/dev/null 2>&1
  wineserver -w
done
for program in $(bash scripts/programs.sh); do
  [[ -f "$installed/$program.exe" ]] || fail "$program.exe not installed"
  ls "$menu"/*.lnk 2>/dev/null | grep -qi "/${program}[^/]*\.lnk$" || fail "no Start-menu entry for $program"
  wine "$installed/$program.exe" >/dev/null 2>&1 &
  [[ -n "$(wait_for_window "$program")" ]] || fail "the installed $program does not start"
  wineserver -k 2>/dev/null || true
  sleep 0.5
done
# The entry as Windows' "Apps & features" reads it (exported as UTF-16, as the registry keeps it).
wine reg export "$key" "$out/uninstall-entry.reg" /y >/dev/null 2>&1 || true
entry=$(iconv -f UTF-16 -t UTF-8 "$out/uninstall-entry.reg" 2>/dev/null | tr -d '\r' || true)
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString EstimatedSize; do
  grep -q "^\"$value\"=" <<<"$entry" || fail "the uninstall entry has no $value"
done
grep -q '^"DisplayName"="Упражнения по русскому языку"$' <<<"$entry" || fail "the uninstall entry's name"
echo "  installed twice: $(find "$installed" -type f | wc -l) files, $(ls "$menu" | wc -l) Start-menu entries"
grep -E '^"(DisplayName|DisplayVersion|Publisher|EstimatedSize)"' <<<"$entry" | sed 's/^/  /'

wine "$installed/uninstall.exe" /S >/dev/null 2>&1
wineserver -w
# The uninstaller runs from a copy in the temporary folder, which Windows removes at the next
# restart, as it does here.
wineboot -r >/dev/null 2>&1
wineserver -w
left=$(diff <(echo "$before") <(tree) | grep '^>' || true)
[[ -z "$left" ]] || fail "left after uninstalling: $left"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is left"
if grep -qi "drill" "$WINEPREFIX"/*.reg; then fail "registry entries left: $(grep -i drill "$WINEPREFIX"/*.reg | head -3)"; fi
echo "  uninstalled: nothing of ours left in C: or the registry"

if [[ $failures -eq 0 ]]; then
  echo "PASS"
else
  echo "FAIL: $failures checks"
  exit 1
fi
