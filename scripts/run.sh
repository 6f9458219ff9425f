#!/usr/bin/env bash
# Builds the program (incrementally) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake --preset app >/dev/null
cmake --build --preset app
exec build/app/lumo-soul-urge-number
