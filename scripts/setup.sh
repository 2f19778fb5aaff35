#!/usr/bin/env bash
# Installs the Debian 12 packages a command needs; only those missing.
# usage: scripts/setup.sh run|test|windows|web [MORE_PACKAGES...]
#   run      building and running the calculator
#   test     that, plus everything the tests use
#   windows  cross-building the Windows program and testing it under Wine
#   web      building the page (WebAssembly) and testing it in headless Chromium
set -euo pipefail

run_packages=(
  cmake g++ make pkg-config qt6-base-dev libfast-float-dev
  # The window's fonts: look-alikes for the comic and serif faces, a plain sans-serif,
  # and the Wayland platform plugin for Wayland desktops.
  fonts-comic-neue fonts-liberation fonts-dejavu-core qt6-wayland
  # Qt's own texts (menus of the entry boxes, the message box's buttons) in Italian.
  qt6-translations-l10n
)
test_packages=(
  libgtest-dev clang libclang-rt-14-dev
  # Desktop entry, metainfo and Debian package checks.
  desktop-file-utils appstream dpkg-dev file lintian
  # Windows on a private X server closed through a window manager; a Wayland compositor.
  xvfb xdotool openbox wmctrl weston
  # The screen reader listening to the program, on a private session bus.
  orca dbus-daemon at-spi2-core
  # The conformance table read through AT-SPI from outside the program.
  python3-pyatspi python3-gi
)
# The Windows program: the cross compiler, the installer and MSI makers, GoogleTest's
# sources, and Wine with a private X server (and a window finder) to test it.
windows_packages=(cmake make libfast-float-dev g++-mingw-w64-x86-64-posix nsis wixl googletest wine64 xvfb xdotool)
# The page: emscripten (with its optimizer's node-acorn), fast_float for reading numbers
# where its libc++ cannot, GoogleTest's sources, and Chromium with ChromeDriver and
# Selenium to test it.
web_packages=(cmake make emscripten node-acorn libfast-float-dev googletest python3 chromium chromium-driver
              python3-selenium)

case "${1:-}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  windows) packages=("${windows_packages[@]}") ;;
  web) packages=("${web_packages[@]}") ;;
  *) echo "usage: $0 run|test|windows|web [MORE_PACKAGES...]" >&2; exit 2 ;;
esac
shift
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
((${#missing[@]} == 0)) && exit 0

install_line="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  {
    echo "These Debian packages are missing: ${missing[*]}"
    echo "Installing them needs root, and this user has no sudo. As root, run:"
    echo
    echo "  $install_line"
    echo
    echo "then run this command again."
  } >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
if ! { "${as_root[@]}" apt-get update -qq &&
       "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
         apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
  echo "Installing failed. As root, run: $install_line" >&2
  exit 1
fi
