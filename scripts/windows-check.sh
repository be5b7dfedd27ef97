#!/usr/bin/env bash
# Builds the Windows programs with their tests (scripts/windows-package.sh), then again signed with
# a throwaway certificate, and checks them under Wine on this machine:
#   1. each program is a Windows program (no console) with its icon and version information, and
#      every program, library, the setup and the MSI package carry a signature that verifies;
#   2. the engine, window and model tests, cross-built, under Wine (windows on the offscreen platform);
#   3. each program of the portable zip, unpacked, under Xvfb with Qt's Windows platform plugin: a
#      whole round played by keys, then a picture of its window (build-windows/screenshots);
#   4. the setup, silently, twice (the second over the first): the programs, the Start-menu entries
#      and the uninstall entry are there and each installed program starts;
#   5. the MSI package: its tables read back against the build's settings; installed silently over
#      the setup's installation, which it replaces; each installed program starts and keeps running;
#      a newer package upgrades it in place, the older one then refuses to go back; the silent
#      uninstall leaves no file and no registry entry of ours;
#   6. the setup over the MSI package's installation, which it replaces, and its silent uninstall,
#      which leaves nothing of ours;
#   7. bad input: a key that does not belong to the certificate, a wrong password, a failing or
#      missing wixl, a signature that fails: each stops with its message and leaves no package.
# The last line is PASS or FAIL; the exit status follows it. DRILL_WINDOWS_IF_CACHED=1 checks only
# when Qt for Windows is in the cache, and otherwise says so in one line and passes (.ci/run).
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-windows

status=0
log=$(mktemp)
DRILL_WINDOWS_TESTS=1 bash scripts/windows-package.sh | tee "$log" || status=${PIPESTATUS[0]}
if [[ "$status" == 3 && "${DRILL_WINDOWS_IF_CACHED:-0}" == 1 ]]; then
  rm -f "$log"
  exit 0
fi
if [[ "$status" != 0 ]]; then
  echo "FAIL: the Windows build"
  exit 1
fi
check=$out/check
rm -rf "$check"
mkdir -p "$check"
mv "$log" "$check/unsigned-package.log"
bash scripts/install-packages.sh wine

failures=0
fail() {
  echo "  failed: $*"
  failures=$((failures + 1))
}
step_started=0
# step [TITLE]: ends the step under way with its time, and starts the next one.
step() {
  [[ $step_started == 0 ]] || echo "  ($(($(date +%s) - step_started)) s)"
  step_started=$(date +%s)
  [[ $# == 0 ]] || echo "$*"
}
# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, giving up after SECONDS.
wait_until() {
  local limit=$(($(date +%s%N) + $1 * 1000000000))
  shift
  until "$@"; do
    (($(date +%s%N) < limit)) || return 1
    sleep 0.1
  done
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/cross/CMakeCache.txt")
name=drill-programs-$version
stage=$out/stage/$name
settings=$PWD/$out/cross/windows-installer.cmake
facts=$(cmake -P "$settings")
fact() { awk -F '\t' -v key="$1" '$1 == key { print $2 }' <<<"$facts"; }
programs=$(bash scripts/programs.sh)
setup=$out/$name-setup.exe
msi=$out/$name-x64.msi

# registry: answer keys
# The keys, as xdotool names them, that give the first and the second answer of an item of PROGRAM,
# from the table of the programs that the building machine's build writes.
answer_keys() {
  echo "$(bash scripts/programs.sh "$1" first_answer_key "$out/host")" \
    "$(bash scripts/programs.sh "$1" second_answer_key "$out/host")"
}

step "1. The programs' files and signatures"
# The build again, signed with a throwaway certificate whose key has a password, with a timestamp
# server that cannot be reached: every file is then signed without a timestamp, and the build says so.
grep -q '^Unsigned: ' "$check/unsigned-package.log" || fail "the unsigned build does not say that it is unsigned"
openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -subj "/CN=Drill programs check" \
  -addext extendedKeyUsage=codeSigning -keyout "$check/key.pem" -out "$check/cert.pem" \
  -passout pass:check-password 2>"$check/openssl.log"
export DRILL_SIGNING_CERT=$PWD/$check/cert.pem DRILL_SIGNING_KEY=$PWD/$check/key.pem
export DRILL_SIGNING_PASSWORD=check-password DRILL_SIGNING_TIMESTAMP=http://127.0.0.1:9
if ! DRILL_WINDOWS_TESTS=1 bash scripts/windows-package.sh >"$check/package.log" 2>&1; then
  cat "$check/package.log"
  echo "FAIL: the signed Windows build"
  exit 1
fi
grep -q 'signed without a timestamp' "$check/package.log" || fail "the signed build does not say that it has no timestamp"
sed -n "s|^$out/|  |p" "$check/package.log"
for program in $programs; do
  exe=$stage/$program.exe
  headers=$(x86_64-w64-mingw32-objdump -p "$exe")
  grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "$program.exe opens a console"
  if ! resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc 2>&1); then
    fail "$program.exe: its resources cannot be read: $resources"
  fi
  grep -q '^"IDI_ICON1" 14' <<<"$resources" || fail "$program.exe has no icon"
  for value in "ProductName\", \"${program^}" "ProductVersion\", \"$version" "FileDescription\", L\"${program^}: "; do
    grep -qF "VALUE \"$value" <<<"$resources" || fail "$program.exe: no $value in its version information"
  done
done
echo "  each a Windows program (no console) with its icon and version information"
# verify FILE...: each file's signature, against the throwaway certificate.
verify() {
  local file
  for file in "$@"; do
    osslsigncode verify -CAfile "$DRILL_SIGNING_CERT" -in "$file" >"$check/verify.log" 2>&1 ||
      fail "the signature of $file: $(tail -2 "$check/verify.log" | tr '\n' ' ')"
  done
}
mapfile -t binaries < <(find "$stage" -name '*.exe' -o -name '*.dll' | sort)
verify "${binaries[@]}" "$setup" "$msi"
echo "  signed and verified: ${#binaries[@]} programs and libraries, the setup and the MSI package"

# A Wine of our own, under a private X server. Wine names files in the locale's character set, and
# the Start-menu names are Russian: without a UTF-8 locale (a bare root, CI) they would be mangled.
export LC_ALL=C.UTF-8 WINEPREFIX=$PWD/$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w
# Xvfb picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$check/display" >/dev/null 2>&1 &
xvfb=$!
# At the end, whatever is still running goes; that nothing is left to end is no error.
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
wait_until 10 test -s "$check/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$check/display")

# Starts a program, its output dropped, and lets it go: stop_wine ends it.
in_background() {
  "$@" >/dev/null 2>&1 &
  disown
}
# Ends every Wine program and waits until Wine has gone; that none was running is no error.
stop_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w
}

step "2. The tests under Wine"
bin=$out/cross/bin
qt=$(cd "$(sed -n 's/^Qt6_DIR:PATH=//p' "$out/cross/CMakeCache.txt")/../../.." && pwd)
# The tests find their libraries, the platform plugins and the shipped fonts beside them.
cp -r "$stage"/*.dll "$stage/fonts" "$bin/"
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
stop_wine

# The visible windows of a program started under Wine, by its X class (the program's file name);
# xdotool says 1 when it finds none.
windows_of() { xdotool search --onlyvisible --classname "^$1\.exe\$" 2>/dev/null || [[ $? == 1 ]]; }
has_window() { [[ -n "$(windows_of "$1")" ]]; }
has_no_window() { ! has_window "$1"; }
has_box() { [[ $(windows_of "$1" | wc -l) -ge 2 ]]; }
wait_for_window() {
  wait_until 20 has_window "$1" && windows_of "$1" | head -1
}
# Wine's own desktop, by its title.
desktop_of() { xdotool search --onlyvisible --name '^drill' 2>/dev/null | head -1; }
has_desktop() { [[ -n "$(desktop_of)" ]]; }
# A window's picture, as a checksum.
picture() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
changed() { [[ "$(picture "$1")" != "$2" ]]; }
# press WINDOW PROGRAM KEY...: presses each key and waits until the program has answered it: its
# window has changed, or a box of it has opened. Stops at the first key left unanswered.
press() {
  local window=$1 program=$2 key before
  shift 2
  for key in "$@"; do
    before=$(picture "$window")
    xdotool key --window "$window" "$key"
    wait_until 10 changed_or_box "$window" "$before" "$program" || { fail "$program: no answer to $key"; return 1; }
  done
}
changed_or_box() { changed "$1" "$2" || has_box "$3"; }
# Waits until a window's picture has stayed the same for half a second: its drawing is done.
settled() {
  local last="" now
  for _ in $(seq 100); do
    now=$(picture "$1")
    [[ "$now" == "$last" ]] && return 0
    last=$now
    sleep 0.5
  done
  return 1
}

step "3. A round of each program, from the portable zip"
portable=$out/portable
rm -rf "$portable" "$out/screenshots"
mkdir -p "$portable" "$out/screenshots"
unzip -q "$out/$name-windows.zip" -d "$portable"
folder=$portable/$name
for program in $programs; do
  read -r first_answer second_answer < <(answer_keys "$program")
  started=$(date +%s%N)
  in_background wine "$folder/$program.exe"
  if ! main=$(wait_for_window "$program"); then
    fail "$program: no window"
    stop_wine
    continue
  fi
  shown=$((($(date +%s%N) - started) / 1000000))
  xdotool windowfocus --sync "$main" || fail "$program: its window takes no focus"
  # The focus starts on the rules button; Tab goes on to "Начало". Then every item is answered with
  # the first answer and Enter takes the next, until the box at the end of the round opens.
  items=0
  if press "$main" "$program" Tab Return; then
    while ! has_box "$program" && [[ $items -lt 300 ]]; do
      press "$main" "$program" "$first_answer" Return || break
      items=$((items + 1))
    done
  fi
  if has_box "$program"; then
    echo "  $program: window after $shown ms, a round of $items items played by keys, the end box shown"
  else
    fail "$program: no box at the end of the round after $items items"
  fi
  stop_wine

  # A picture of the window in Wine's own desktop, which draws the window's frame as Windows does:
  # "Начало" and the second answer.
  in_background wine explorer /desktop=drill,760x600 "$folder/$program.exe"
  if wait_until 20 has_desktop; then
    desktop=$(desktop_of)
    empty=$(picture "$desktop")
    wait_until 20 changed "$desktop" "$empty" && settled "$desktop" || fail "$program: nothing drawn in the Wine desktop"
    xdotool windowfocus --sync "$desktop" || fail "$program: the Wine desktop takes no focus"
    if press "$desktop" "$program" Tab Return "$second_answer"; then
      settled "$desktop" || fail "$program: its picture does not settle"
      import -window "$desktop" "$out/screenshots/$program-windows.png"
    fi
  else
    fail "$program: no Wine desktop for its picture"
  fi
  stop_wine
done
echo "  pictures: $out/screenshots/"

drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/$(fact FOLDER)"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/$(fact PRODUCT)"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Every file, and every folder but the empty ones the setup leaves in the temporary folder, which is
# Windows' to clear, and Windows Installer's own folder, which Windows always has.
tree() {
  (cd "$drive" && find . \( -type f -o -type d -not -path './users/*/Temp/*' -not -path ./windows/Installer \) | sort)
}
before=$(tree)
# The Start-menu folders named as the product. The setup's is all users'; Wine puts the MSI
# package's in the user's own, as it does not yet follow ALLUSERS there.
menu_folders() { find "$drive" -type d -name "$(fact PRODUCT)" -path '*/Start Menu/Programs/*'; }
# What an installation holds: the files in its folder, and the entries of its one Start-menu folder.
installation() {
  local folders
  (cd "$installed" && find . -type f | sort)
  folders=$(menu_folders)
  if [[ $(grep -c . <<<"$folders") == 1 ]]; then
    (cd "$folders" && ls)
  else
    echo "Start-menu folders: $folders"
  fi
}
# The entries of "Apps & features" named as ours, one a line: the key and each "value"=..., between
# tabs, as Windows reads them (exported as UTF-16, as the registry keeps it).
entries() {
  wine reg export "$uninstall" "$check/uninstall.reg" /y >/dev/null 2>&1 || { echo "no uninstall key"; return; }
  iconv -f UTF-16 -t UTF-8 "$check/uninstall.reg" | tr -d '\r' | awk -v name="\"DisplayName\"=\"$(fact PRODUCT)\"" '
    /^\[/ { if (ours) print key "\t" values; key = $0; values = ""; ours = 0; next }
    $0 == name { ours = 1 }
    /^"/ { values = values "\t" $0 }
    END { if (ours) print key "\t" values }'
}
entry_count() { entries | grep -c . || [[ $? == 1 ]]; }
# A program of the installation starts, and keeps running for two seconds.
starts_and_stays() {
  in_background wine "$installed/$1.exe"
  if ! wait_until 20 has_window "$1"; then
    fail "the installed $1 does not start"
  elif wait_until 2 has_no_window "$1"; then
    fail "the installed $1 does not keep running"
  fi
  stop_wine
}
# Runs msiexec silently with a log; its exit status is msiexec's.
msiexec_quietly() {
  local status=0
  wine msiexec "$@" /qn /l*v "$check/msiexec.log" >/dev/null 2>&1 || status=$?
  wineserver -w
  return $status
}
# A GUID as Windows Installer writes it into its registry keys: each group's digits reversed, the
# last two groups' pairwise.
packed_guid() {
  local digits=${1//[\{\}-]/} packed="" i
  packed=$(rev <<<"${digits:0:8}")$(rev <<<"${digits:8:4}")$(rev <<<"${digits:12:4}")
  for ((i = 16; i < 32; i += 2)); do packed+=${digits:i+1:1}${digits:i:1}; done
  echo "$packed"
}
# The uninstall removes everything of ours from C: and the registry: no name of ours, and no key of
# Windows Installer's under the package's upgrade code.
nothing_left() {
  local left
  left=$(comm -13 <(echo "$before") <(tree))
  [[ -z "$left" ]] || fail "left after uninstalling $1: $left"
  [[ $(entry_count) == 0 ]] || fail "an uninstall entry is left after uninstalling $1"
  wineserver -w
  left=$(grep -i -e drill -e "$(packed_guid "$(fact UPGRADE_CODE)")" "$WINEPREFIX"/*.reg | head -3 || [[ $? == 1 ]])
  [[ -z "$left" ]] || fail "registry entries left after uninstalling $1: $left"
}

step "4. The setup"
for round in first second; do
  wine "$setup" /S >/dev/null 2>&1 || fail "the setup, the $round time, exited with $?"
  wineserver -w
done
for program in $programs; do
  [[ -f "$installed/$program.exe" ]] || fail "$program.exe not installed"
  ls "$menu"/*.lnk 2>/dev/null | grep -qi "/${program}[^/]*\.lnk$" || fail "no Start-menu entry for $program"
  starts_and_stays "$program"
done
setup_entry=$(entries)
[[ $(grep -c . <<<"$setup_entry") == 1 ]] || fail "not one uninstall entry: $setup_entry"
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString EstimatedSize; do
  grep -qP "\t\"$value\"=" <<<"$setup_entry" || fail "the setup's uninstall entry has no $value"
done
verify "$installed/uninstall.exe"
setup_installation=$(installation | grep -v '^\./uninstall\.exe$')
echo "  installed twice: $(find "$installed" -type f | wc -l) files, $(ls "$menu" | wc -l) Start-menu entries, one uninstall entry"
# values ENTRY: the values an administrator reads first.
values() { tr '\t' '\n' <<<"$1" | grep -E '^"(DisplayName|DisplayVersion|Publisher|EstimatedSize)"=' | sed 's/^/  /'; }
values "$setup_entry"

step "5. The MSI package"
# Its tables, read back, against the build's settings.
table() { msiinfo export "$1" "$2" | tr -d '\r'; }
property() { table "$1" Property | awk -F '\t' -v key="$2" '$1 == key { print $2 }'; }
summary() { table "$msi" _SummaryInformation | awk -F '\t' -v id="$1" '$1 == id { print $2 }'; }
expect() { [[ "$2" == "$3" ]] || fail "the package's $1 is \"$2\", not \"$3\""; }
expect ProductName "$(property "$msi" ProductName)" "$(fact PRODUCT)"
expect Manufacturer "$(property "$msi" Manufacturer)" "$(fact VENDOR)"
expect ProductVersion "$(property "$msi" ProductVersion)" "$version"
expect UpgradeCode "$(property "$msi" UpgradeCode)" "{$(fact UPGRADE_CODE)}"
expect ALLUSERS "$(property "$msi" ALLUSERS)" 1
expect ProductLanguage "$(property "$msi" ProductLanguage)" 1049
for setting in ARPNOMODIFY=1 ARPNOREPAIR=1 REBOOT=ReallySuppress; do
  expect "${setting%=*}" "$(property "$msi" "${setting%=*}")" "${setting#*=}"
done
# The texts are in Windows-1251, the database's code page and the summary's, which Windows reads
# them in; the summary names the product, the publisher, the platform and the language.
expect "database code page" "$(table "$msi" _ForceCodepage | awk -F '\t' '$2 == "_ForceCodepage" { print $1 }')" 1251
expect "summary code page" "$(summary 1)" 1251
expect "summary subject" "$(summary 3 | iconv -f WINDOWS-1251 -t UTF-8)" "$(fact PRODUCT)"
expect "summary author" "$(summary 4)" "$(fact VENDOR)"
expect "summary platform and language" "$(summary 7)" "x64;1049"
# A shortcut for each program, under its Russian name, to its file, in the Start-menu folder named
# as the product.
shortcuts=$(table "$msi" Shortcut | tail -n +4)
expect "number of shortcuts" "$(grep -c . <<<"$shortcuts")" "$(wc -w <<<"$programs")"
expect "Start-menu folder" "$(table "$msi" Directory | awk -F '\t' '$1 == "MenuFolder" { print $2 "/" $3 }')" \
  "ProgramMenuFolder/$(fact PRODUCT)"
while IFS=$'\t' read -r kind program shortcut; do
  [[ "$kind" == PROGRAM ]] || continue
  file_id=$(table "$msi" File | awk -F '\t' -v name="$program.exe" '$3 == name { print $1 }')
  expect "shortcut to $program" "$(awk -F '\t' -v name="$shortcut" '$3 == name { print $2 " " $5 }' <<<"$shortcuts")" \
    "MenuFolder [#$file_id]"
done <<<"$facts"
# A major upgrade: older versions are found and replaced, a newer one stops this package.
upgrades=$(table "$msi" Upgrade | awk -F '\t' '{ print $2 "-" $3 " " $5 " " $7 }')
grep -qx -- "-$version 1 WIX_UPGRADE_DETECTED" <<<"$upgrades" || fail "the package replaces no older version: $upgrades"
grep -qx -- "$version- 2 WIX_DOWNGRADE_DETECTED" <<<"$upgrades" || fail "the package finds no newer version: $upgrades"
table "$msi" LaunchCondition | grep -q '^NOT WIX_DOWNGRADE_DETECTED	.' || fail "the package has no message against a downgrade"
echo "  its tables: the product, the publisher, version $version, the upgrade code, per machine, Russian, $(wc -w <<<"$programs") shortcuts"

# Installed over the setup's installation, which it takes away first.
msiexec_quietly /i "$msi" || fail "the MSI package over the setup's installation: msiexec exited with $?"
[[ ! -e "$installed/uninstall.exe" ]] || fail "the setup's uninstaller is left"
msi_installation=$(installation)
[[ "$msi_installation" == "$setup_installation" ]] ||
  fail "the MSI package and the setup install different files: $(diff <(echo "$setup_installation") <(echo "$msi_installation"))"
product_code=$(property "$msi" ProductCode)
msi_entry=$(entries)
[[ $(grep -c . <<<"$msi_entry") == 1 && "$msi_entry" == *"\\$product_code]"* ]] ||
  fail "not the package's uninstall entry alone: $msi_entry"
for value in DisplayName DisplayVersion Publisher UninstallString EstimatedSize; do
  grep -qP "\t\"$value\"=" <<<"$msi_entry" || fail "the package's uninstall entry has no $value"
done
# Wine writes no DisplayIcon for a package, but keeps its icon where Windows takes it from.
[[ -f "$drive/windows/Installer/$product_code/product.ico" ]] || fail "the package's icon is not kept for its entry"
for program in $programs; do
  starts_and_stays "$program"
done
echo "  installed over the setup's installation: the same $(find "$installed" -type f | wc -l) files and $(ls "$(menu_folders)" | wc -l) Start-menu entries, one uninstall entry"
values "$msi_entry"

# A newer package upgrades it in place; the older one then refuses to go back.
newer=$version.1
newer_msi=$check/$name.1-x64.msi
bash scripts/windows-msi.sh "$PWD/$stage" "$settings" "$newer_msi" "$newer"
verify "$newer_msi"
msiexec_quietly /i "$newer_msi" || fail "the newer package: msiexec exited with $?"
newer_entry=$(entries)
[[ $(grep -c . <<<"$newer_entry") == 1 && "$newer_entry" == *"\"DisplayVersion\"=\"$newer\""* ]] ||
  fail "not one uninstall entry, of version $newer: $newer_entry"
[[ "$newer_entry" != *"\\$product_code]"* ]] || fail "the newer package kept the older one's product code"
[[ "$(installation)" == "$setup_installation" ]] || fail "the upgrade changed the files installed"
if msiexec_quietly /i "$msi"; then
  fail "the older package installed over the newer one"
fi
[[ "$(entries)" == "$newer_entry" ]] || fail "the older package changed the installation"
# The refusal as msiexec shows it to someone who runs the package: a box with the message, pictured
# (build-windows/screenshots/msi-refusal.png), then closed.
in_background wine msiexec /i "$msi" /qb
if box=$(wait_for_window msiexec) && settled "$box"; then
  import -window "$box" "$out/screenshots/msi-refusal.png"
  xdotool windowfocus --sync "$box" && xdotool key Return
  wait_until 10 has_no_window msiexec || fail "the box of the refusal does not close"
else
  fail "no box says why the older package refuses"
fi
stop_wine
echo "  upgraded in place to $newer: one uninstall entry; the older package then refused"

msiexec_quietly /x "$newer_msi" || fail "the silent uninstall: msiexec exited with $?"
nothing_left "the MSI package"
echo "  uninstalled: nothing of ours left in C: or the registry"

step "6. The setup over the MSI package's installation"
msiexec_quietly /i "$msi" || fail "the MSI package: msiexec exited with $?"
wine "$setup" /S >/dev/null 2>&1 || fail "the setup over the MSI package exited with $?"
wineserver -w
over_entry=$(entries)
[[ $(grep -c . <<<"$over_entry") == 1 && "$over_entry" == *"\\$(fact ID)]"* ]] || fail "not the setup's uninstall entry alone: $over_entry"
[[ "$(menu_folders)" == "$menu" ]] || fail "the package's Start-menu folder is left: $(menu_folders)"
[[ "$(installation | grep -v '^\./uninstall\.exe$')" == "$setup_installation" ]] || fail "the setup over the MSI package installs other files"
wine "$installed/uninstall.exe" /S >/dev/null 2>&1 || fail "the setup's uninstaller exited with $?"
wineserver -w
# The uninstaller runs from a copy in the temporary folder, which Windows removes at the next
# restart, as it does here.
wineboot -r >/dev/null 2>&1
wineserver -w
nothing_left "the setup"
echo "  the setup replaced the package's installation; its uninstall left nothing of ours"

step "7. Bad input"
packages=$(md5sum "$out/$name"-*)
# expect_failure MESSAGE COMMAND...: the command fails, saying MESSAGE.
expect_failure() {
  local message=$1
  shift
  if "$@" >"$check/failure.log" 2>&1; then
    fail "no error from: $*"
  elif ! grep -qF "$message" "$check/failure.log"; then
    fail "\"$message\" not said by: $*: $(tail -3 "$check/failure.log")"
  fi
}
openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -out "$check/other-key.pem" 2>>"$check/openssl.log"
expect_failure "does not belong to the certificate" \
  env DRILL_SIGNING_KEY="$PWD/$check/other-key.pem" bash scripts/windows-package.sh
expect_failure "wrong or missing DRILL_SIGNING_PASSWORD" \
  env DRILL_SIGNING_PASSWORD=wrong bash scripts/windows-package.sh
[[ "$(md5sum "$out/$name"-*)" == "$packages" ]] || fail "a run stopped by its signing settings changed the packages"
# msi_failure MESSAGE PATH: windows-msi.sh with tools from PATH fails, saying MESSAGE, and leaves nothing.
msi_failure() {
  rm -rf "$check/made"
  mkdir -p "$check/made"
  expect_failure "$1" env PATH="$2" bash scripts/windows-msi.sh "$stage" "$settings" "$check/made/package.msi"
  [[ -z "$(ls -A "$check/made")" ]] || fail "left after \"$1\": $(ls -A "$check/made")"
}
# Stand-ins that write half a file where they are to write one, then fail as the tool would.
mkdir -p "$check/failing"
for tool in wixl osslsigncode; do
  cat >"$check/failing/$tool" <<'TOOL'
#!/bin/sh
while [ $# -gt 0 ]; do
  case $1 in -o | -out) echo half >"$2" ;; esac
  shift
done
echo "$(basename "$0"): made to fail by the Windows check" >&2
exit 1
TOOL
  chmod +x "$check/failing/$tool"
  mkdir -p "$check/failing-$tool"
  ln -sf "$PWD/$check/failing/$tool" "$check/failing-$tool/$tool"
done
msi_failure "wixl: made to fail by the Windows check" "$PWD/$check/failing-wixl:$PATH"
msi_failure "osslsigncode: made to fail by the Windows check" "$PWD/$check/failing-osslsigncode:$PATH"
# Every tool of the machine but wixl.
mkdir -p "$check/no-wixl"
for tool in /usr/bin/*; do
  [[ "$tool" == */wixl ]] || ln -sf "$tool" "$check/no-wixl/"
done
msi_failure "wixl is missing" "$PWD/$check/no-wixl"
echo "  a key of another certificate, a wrong password: stopped before building; a failing wixl, a missing"
echo "  wixl, a failing signature: stopped with the tool's message, no package left"
step

if [[ $failures -eq 0 ]]; then
  echo "PASS"
else
  echo "FAIL: $failures checks"
  exit 1
fi
