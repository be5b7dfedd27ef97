#!/usr/bin/env bash
# Builds the programs for 64-bit Windows on this Debian machine and packs them:
#   scripts/windows-package.sh   -> build-windows/drill-programs-VERSION-setup.exe   (installer)
#                                   build-windows/drill-programs-VERSION-x64.msi     (Windows Installer)
#                                   build-windows/drill-programs-VERSION-windows.zip (portable)
# Qt for Windows is built once from Debian's own Qt source with the MinGW-w64 cross compiler and
# kept in ~/.cache/drill-programs (or $DRILL_CACHE), keyed by its version and options; the first
# run takes 20 to 40 minutes on 2 cores, later ones a few.
# DRILL_WINDOWS_TESTS=1 also cross-builds the test suite (scripts/windows-check.sh runs it).
# DRILL_WINDOWS_IF_CACHED=1 builds only when that Qt is in the cache, and otherwise says so and
# exits with status 3.
# DRILL_SIGNING_CERT and DRILL_SIGNING_KEY (PEM; DRILL_SIGNING_PASSWORD for the key's password) sign
# every program and library, the setup, its uninstaller and the MSI (scripts/windows-sign.sh). The
# three files are made aside and put in place together, so that a run that fails leaves none of them.
set -euo pipefail
cd "$(dirname "$0")/.."

toolchain=$PWD/cmake/windows/mingw-w64.cmake
cache=${DRILL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/drill-programs}
out=build-windows

# Only what the programs and their tests need. Tablet support needs wintab, which Debian's source
# leaves out. OpenGL stays at its default (loaded only when asked for): Qt 6.4's Windows platform
# plugin does not compile without it. Shared libraries: the five programs share one copy of Qt.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_pkg_config=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_vulkan=OFF
)

# The Qt source is the one of the host's Qt tools, which must match it; the cache key names it, the
# compiler and the options.
candidate() { apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: //p'; }
qt_folder() {
  qt_version=$(candidate qt6-base-dev-tools)
  [[ -n "$qt_version" && "$qt_version" != "(none)" ]] || return 1
  local key
  key=$(printf '%s\n' "$qt_version" "$(candidate g++-mingw-w64-x86-64-posix)" "${qt_options[@]}" \
    | cat - "$toolchain" | sha256sum | cut -c1-12)
  qt=$cache/qt-${qt_version%%+*}-windows-$key
}

if [[ "${DRILL_WINDOWS_IF_CACHED:-0}" == 1 ]] && ! { qt_folder && [[ -d "$qt" ]]; }; then
  echo "Windows build skipped: no Qt for Windows in $cache yet (bash scripts/windows-package.sh builds it, about 40 minutes)."
  exit 3
fi

bash scripts/install-packages.sh windows
qt_folder || { echo "windows-package: apt knows no qt6-base-dev-tools" >&2; exit 1; }
if [[ -n "${DRILL_SIGNING_CERT:-}${DRILL_SIGNING_KEY:-}" ]]; then
  bash scripts/windows-sign.sh --check
  signing=1
else
  echo "Unsigned: DRILL_SIGNING_CERT and DRILL_SIGNING_KEY are not set (docs/windows.md, Signing)"
  signing=0
fi

# apt-get source needs a deb-src entry: the machine's own Debian sources, as sources.
add_source_entries() {
  grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/ && return
  local sudo=()
  [[ "$(id -u)" -eq 0 ]] || sudo=(sudo)
  if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/*.sources |
      "${sudo[@]}" tee /etc/apt/sources.list.d/drill-programs-src.sources >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      "${sudo[@]}" tee /etc/apt/sources.list.d/drill-programs-src.list >/dev/null
  fi
  "${sudo[@]}" apt-get update -qq
}

build_qt() {
  mkdir -p "$cache"
  # What a run that stopped part-way left behind is never used: Qt is built aside and moved in whole.
  rm -rf "$cache"/.building-*
  local work
  work=$(mktemp -d "$cache/.building-XXXXXX")
  trap 'rm -rf "$work"' EXIT
  add_source_entries
  (cd "$work" && apt-get source -qq "qt6-base=$qt_version" >/dev/null 2>&1) || {
    echo "windows-package: apt-get source qt6-base=$qt_version failed" >&2
    exit 1
  }
  local source
  source=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*')
  echo "Building Qt $qt_version for Windows into $qt (about 40 minutes on 2 cores)"
  cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$work/qt" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${qt_options[@]}" >"$work/configure.log"
  cmake --build "$work/build" >"$work/build.log" || { tail -40 "$work/build.log" >&2; exit 1; }
  cmake --install "$work/build" --strip >/dev/null
  mv "$work/qt" "$qt"
  rm -rf "$work"
  trap - EXIT
}

[[ -d "$qt" ]] || build_qt
echo "Qt for Windows: $qt"

# The drawing tool runs on this machine: a native build of it, and of the table of the programs
# that scripts/windows-check.sh reads.
cmake -S . -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRILL_BUILD_TESTS=OFF \
  -DDRILL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$out/host" --target store_pictures program_registry_table >/dev/null

tests=OFF
[[ "${DRILL_WINDOWS_TESTS:-0}" == 1 ]] && tests=ON
# Qt's toolchain file leads to ours; both are named here, since the cached Qt may have been built
# from another checkout.
cmake -S . -B "$out/cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DDRILL_STORE_PICTURES="$PWD/$out/host/tools/store_pictures" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$PWD/$out/cross/bin" \
  -DDRILL_BUILD_TESTS=$tests -DDRILL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$out/cross"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/cross/CMakeCache.txt")
name=drill-programs-$version
stage=$PWD/$out/stage/$name
rm -rf "$out/stage"
cmake --install "$out/cross" --prefix "$stage" --strip >/dev/null

# Beside the programs: the libraries they load, found from what each file imports in Qt's and the
# compiler's folders (Windows' own are found in neither), the Windows platform plugin, and the
# stand-ins for the design's fonts with their licences.
compiler_libs=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
library_folders=("$qt/bin" "$compiler_libs" /usr/x86_64-w64-mingw32/lib)
deploy() {
  local file dll folder
  for file in "$@"; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
      [[ -e "$stage/$dll" ]] && continue
      for folder in "${library_folders[@]}"; do
        if [[ -f "$folder/$dll" ]]; then
          x86_64-w64-mingw32-strip --strip-unneeded -o "$stage/$dll" "$folder/$dll"
          deploy "$stage/$dll"
          break
        fi
      done
    done
  done
}
mkdir -p "$stage/platforms" "$stage/fonts" "$stage/licenses"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
deploy "$stage"/*.exe "$stage/platforms/qwindows.dll"
for font in LiberationSans-Regular LiberationSans-Bold LiberationSerif-Regular LiberationSerif-Bold \
  LiberationSerif-BoldItalic; do
  cp "/usr/share/fonts/truetype/liberation/$font.ttf" "$stage/fonts/"
done
cp /usr/share/doc/fonts-liberation/copyright "$stage/licenses/fonts-liberation.txt"
cp /usr/share/common-licenses/LGPL-3 "$stage/licenses/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"
sed "s/@QT_VERSION@/$qt_version/" cmake/windows/licenses.txt >"$stage/licenses/README.txt"

rm -f "$out/$name-setup.exe" "$out/$name-x64.msi" "$out/$name-windows.zip"
if [[ $signing == 1 ]]; then
  mapfile -t binaries < <(find "$stage" -name '*.exe' -o -name '*.dll' | sort)
  # The timestamp server as the first file found it, so that one that cannot be reached is tried once.
  DRILL_SIGNING_TIMESTAMP=$(bash scripts/windows-sign.sh "${binaries[@]}")
  export DRILL_SIGNING_TIMESTAMP
  sign=(-DSIGN="bash \"$PWD/scripts/windows-sign.sh\"")
else
  sign=()
fi
packing=$PWD/$out/packing
rm -rf "$packing"
mkdir -p "$packing"
trap 'rm -rf "$packing"' EXIT

# The portable zip: the folder as it stands, to run from wherever it is unpacked.
(cd "$out/stage" && zip -qr9 "$packing/$name-windows.zip" "$name")

# The setup, with the lists of the folder's files to install and to remove.
settings=$PWD/$out/cross/windows-installer.cmake
cmake -DSTAGE="$stage" -DSETTINGS="$settings" -DOUTPUT="$packing" -P cmake/windows/InstallerSources.cmake
if ! log=$(makensis -V2 -INPUTCHARSET UTF8 -DOUTFILE="$packing/$name-setup.exe" -DINSTALL_LIST="$packing/install.nsh" \
  -DUNINSTALL_LIST="$packing/uninstall.nsh" "${sign[@]}" "$out/cross/installer.nsi" 2>&1); then
  echo "$log" >&2
  echo "windows-package: makensis failed" >&2
  exit 1
fi

bash scripts/windows-msi.sh "$stage" "$settings" "$packing/$name-x64.msi"

for file in "$name-setup.exe" "$name-x64.msi" "$name-windows.zip"; do
  mv "$packing/$file" "$out/$file"
  echo "$out/$file: $(stat -c %s "$out/$file") bytes"
done
