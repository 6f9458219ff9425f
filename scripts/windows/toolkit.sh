#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows with MinGW-w64, from Debian's own Qt source package,
# once: the result is cached under a folder named by Qt's version and this build's options, and
# reused while it is there. Prints the folder on its last line.
# Usage: toolkit.sh   (scripts/windows.sh runs it at low priority)
set -euo pipefail
cd "$(dirname "$0")/../.."

qt_version=6.4.2
cache_root=${LUMO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/lumo-soul-urge-number}
toolchain=$PWD/cmake/toolchains/mingw-w64-x86_64.cmake

# Only what the program and its tests use: Core, Gui, Widgets, Test and the windows platform
# plug-in, as shared libraries. OpenGL off needs Direct2D off too, or the plug-in does not build.
qt_options=(
  -DBUILD_SHARED_LIBS=ON -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_direct2d1_1=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF
  -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_testlib=ON
)
key=$(printf '%s\n' "$qt_version" "${qt_options[@]}" "$(cat "$toolchain")" | sha256sum | cut -c1-12)
prefix=$cache_root/qt-$qt_version-mingw64-$key

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# Debian's source packages: a deb-src entry beside each deb entry the machine already has.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    sed 's/^Types: deb$/Types: deb-src/' "$file" |
      "${sudo[@]}" tee "/etc/apt/sources.list.d/lumo-src-$(basename "$file")" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      "${sudo[@]}" tee /etc/apt/sources.list.d/lumo-src.list >/dev/null
  fi
  "${sudo[@]}" apt-get update -qq
fi

work=$cache_root/work-$key
rm -rf "$work"
mkdir -p "$work"
trap 'echo "Building Qt for Windows failed; the logs are in $work." >&2' ERR
source_version=$(apt-cache showsrc qt6-base | sed -n 's/^Version: //p' | grep "^$qt_version" | head -n 1)
[ -n "$source_version" ] || { echo "Debian offers no qt6-base $qt_version source." >&2; exit 1; }
(cd "$work" && apt-get source --download-only -qq "qt6-base=$source_version" >/dev/null &&
  dpkg-source --no-check -x qt6-base_*.dsc source >/dev/null)
scripts/windows/patch-qt-source.sh "$work/source"

jobs=$(nproc)
cmake -S "$work/source" -B "$work/build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  "${qt_options[@]}" >"$work/configure.log"
nice -n 19 cmake --build "$work/build" --parallel "$jobs" >"$work/build.log"
cmake --install "$work/build" >"$work/install.log"
# The licence texts go into the installer beside the DLLs.
cp -r "$work/source/LICENSES" "$prefix/LICENSES"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
