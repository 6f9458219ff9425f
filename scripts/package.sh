#!/usr/bin/env bash
# Builds the Debian package of the program into dist/ (or the folder given) and prints its path.
# Usage: scripts/package.sh [output-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-dist}")
scripts/install-deps.sh package
cmake --preset package >/dev/null
cmake --build --preset package
mkdir -p "$output"
cpack --preset package -B "$output" >/dev/null
rm -rf "$output/_CPack_Packages"
ls "$output"/lumo-soul-urge-number_*.deb
