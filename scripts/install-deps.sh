#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running or testing needs, when missing.
# Usage: install-deps.sh build|test|package|fuzz|bench|windows|format|system|reproducible
set -euo pipefail

# The fonts are the installed stand-ins the windows name where Verdana and MS Sans Serif are
# missing (src/ui/font_families.cpp).
build_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2)
# Making the Debian package: dependencies from the binary, and the package's own checks.
package_packages=(dpkg-dev file lintian desktop-file-utils appstream man-db groff-base
                  librsvg2-bin)
# The screen-reader test reads the accessibility tree through AT-SPI in a session bus of its own;
# xclip stands for another program on the clipboard.
# GNOME's and Plasma's compositors with Xwayland and Qt's Wayland plug-in run the program as
# those desktops do (tests/e2e/wayland_desktop.sh).
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-utils xclip dbus at-spi2-core
               python3-pyatspi mutter kwin-wayland xwayland qt6-wayland "${package_packages[@]}")
# The start-up benchmark (bench/startup.sh): the default preset's libraries, an X server, xev and
# xprop to watch it, callgrind to count instructions.
bench_packages=(libgtest-dev libbenchmark-dev xvfb x11-utils valgrind fontconfig)

# The format checks: C++ (scripts/check-format.sh) and shell (scripts/check-shell.sh).
format_packages=(clang-format shellcheck)

# The fuzz targets (scripts/fuzz.sh): clang with its libFuzzer and sanitizer runtimes, and the
# symbolizer that puts file and line into a crash report. Nothing else needs them.
fuzz_packages=(clang libclang-rt-14-dev llvm)

# The Windows build (scripts/windows.sh): MinGW-w64, the host Qt tools for cross-building Qt,
# Debian's source tools (apt-get source), the icon renderers, NSIS, and Wine on Xvfb for its tests,
# with stand-ins for the fonts the windows name.
windows_packages=(mingw-w64 g++-mingw-w64-x86-64-posix qt6-base-dev-tools dpkg-dev
  librsvg2-bin imagemagick nsis wine wine64 libgtest-dev xvfb xauth xdotool x11-utils xclip
  fonts-liberation2)

# The Debian 13 stage (scripts/debian13.sh) makes its system with debootstrap.
system_packages=(debootstrap)

# The reproducibility check (scripts/reproducible.sh): diffoscope shows what differs in a file.
reproducible_packages=(diffoscope-minimal)

packages=("${build_packages[@]}")
case "${1:-build}" in
  test) packages+=("${test_packages[@]}") ;;
  package) packages+=("${package_packages[@]}") ;;
  fuzz) packages+=("${fuzz_packages[@]}") ;;
  format) packages=("${format_packages[@]}") ;;
  system) packages=("${system_packages[@]}") ;;
  bench) packages+=("${bench_packages[@]}") ;;
  windows) packages+=("${windows_packages[@]}") ;;
  reproducible) packages+=("${reproducible_packages[@]}") ;;
esac


missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null; then
  echo "Missing packages: ${missing[*]}; install them with your system's package manager." >&2
  exit 1
fi
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Installing ${missing[*]} needs root or sudo." >&2; exit 1; }
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
