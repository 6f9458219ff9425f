#!/usr/bin/env bash
# Builds GoogleTest for 64-bit Windows from the sources Debian ships in libgtest-dev
# (/usr/src/googletest), once: cached under a folder named by the package's version and the
# toolchain, reused while it is there. Prints the folder on its last line.
# Usage: googletest.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

cache_root=${LUMO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/lumo-soul-urge-number}
toolchain=$PWD/cmake/toolchains/mingw-w64-x86_64.cmake
source_dir=/usr/src/googletest
version=$(dpkg-query -W -f='${Version}' libgtest-dev)
key=$(printf '%s\n' "$version" "$(cat "$toolchain")" | sha256sum | cut -c1-12)
prefix=$cache_root/googletest-mingw64-$key

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache_root/googletest-work-$key
rm -rf "$work" "$prefix"
cmake -S "$source_dir" -B "$work" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBUILD_GMOCK=OFF >"$work.configure.log"
cmake --build "$work" --parallel 2 >"$work.build.log"
cmake --install "$work" >/dev/null
touch "$prefix/.complete"
rm -rf "$work" "$work".*.log
echo "$prefix"
