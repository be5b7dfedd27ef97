#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need; installs nothing that is
# already there. Works as root and as a user with sudo.
#   install-packages.sh            the Linux build and its tests
#   install-packages.sh windows    also the cross build for Windows, its installers and their signing
#   install-packages.sh wine       also what runs and checks the Windows build under Wine
#   install-packages.sh speech     also what hears the programs through a screen reader (Orca)
#   install-packages.sh web        also what builds the web edition and checks it in a browser
set -euo pipefail

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-svg-dev libgl-dev
  libgtest-dev libbenchmark-dev valgrind
  fonts-liberation fontconfig
  xvfb xauth
  desktop-file-utils appstream dpkg-dev file
)
case "${1:-}" in
  windows) packages+=(g++-mingw-w64-x86-64-posix qt6-base-dev-tools googletest nsis zip xz-utils wixl msitools
    osslsigncode openssl) ;;
  wine) packages+=(wine wine64 xdotool x11-utils imagemagick unzip msitools osslsigncode openssl) ;;
  speech) packages+=(orca at-spi2-core dbus xdotool procps python3) ;;
  web)
    packages+=(emscripten fonttools python3-brotli python3 chromium chromium-driver python3-selenium)
    # A Node from elsewhere brings its own npm, beside which Debian's will not install.
    command -v npm >/dev/null || packages+=(npm)
    ;;
esac

missing=()
for package in "${packages[@]}"; do
  # dpkg-query fails for a package it has never heard of: that package is missing too.
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ "$(id -u)" -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
