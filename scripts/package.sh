#!/usr/bin/env bash
# Builds the Debian package of the program into dist/ (or the folder given) and prints its path.
# The same commit gives the same package, byte for byte, in any folder.
# Usage: scripts/package.sh [output-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-dist}")
scripts/install-deps.sh package
# CPack gives the package's folders and archive members the modes its staging files get, which
# follow the umask: 022 makes them what Debian expects, whoever builds.
umask 022
# Every time stamp in the package is the commit's, so the same commit gives the same package
# (CPack and Qt's resource compiler honour SOURCE_DATE_EPOCH).
if epoch=$(scripts/source-date-epoch.sh); then
  export SOURCE_DATE_EPOCH=$epoch
else
  echo "The package carries the time of this build." >&2
fi
cmake --preset package >/dev/null
cmake --build --preset package
mkdir -p "$output"
cpack --preset package -B "$output" >/dev/null
rm -rf "$output/_CPack_Packages"
ls "$output"/lumo-soul-urge-number_*.deb
