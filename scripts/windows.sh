#!/usr/bin/env bash
# Builds the Windows program on Debian and packs its installer:
#   1. installs the cross tools, NSIS and Wine when missing (scripts/install-deps.sh windows);
#   2. toolkit: builds Qt (and GoogleTest) for Windows once, from Debian's own sources, at low
#      priority, into ~/.cache/lumo-soul-urge-number; later runs reuse it;
#   3. program: cross-builds the program with MinGW-w64 (build/windows);
#   4. installer: build/windows/lumo-soul-urge-number-1.65-setup.exe;
#   5. tests (unless "installer" is given): the unit, window and end-to-end tests under Wine
#      (build/windows-tests).
# Prints how long each stage took.
# Usage: scripts/windows.sh [all|installer]
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-all}
case $mode in
  all | installer) ;;
  *)
    echo "usage: scripts/windows.sh [all|installer]" >&2
    exit 2
    ;;
esac
jobs=2

timings=()
run_stage() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  timings+=("$(printf '%-10s %4d s' "$name" $((SECONDS - start)))")
}

toolkit() {
  LUMO_QT_WINDOWS=$(nice -n 19 scripts/windows/toolkit.sh | tail -n 1)
  LUMO_GTEST_WINDOWS=$(nice -n 19 scripts/windows/googletest.sh | tail -n 1)
  export LUMO_QT_WINDOWS LUMO_GTEST_WINDOWS
  echo "Qt for Windows: $LUMO_QT_WINDOWS"
}

program() {
  cmake --preset windows >/dev/null
  nice cmake --build --preset windows --parallel "$jobs"
}

installer() {
  nice cmake --build --preset windows --target installer
}

tests() {
  cmake --preset windows-tests >/dev/null
  # A fresh Wine prefix for each run, made before the build: GoogleTest lists the tests of each
  # program right after linking it, under Wine.
  rm -rf build/windows-tests/wine-prefix
  build/windows-tests/wine-run.sh wineboot >/dev/null 2>&1
  nice cmake --build --preset windows-tests --parallel "$jobs"
  ctest --preset windows-tests --parallel 1
}

# The program's resources carry the commit's time, not the build's (rcc honours it).
if epoch=$(scripts/source-date-epoch.sh); then
  export SOURCE_DATE_EPOCH=$epoch
else
  echo "The program carries the time of this build." >&2
fi

run_stage packages scripts/install-deps.sh windows
run_stage toolkit toolkit
run_stage program program
run_stage installer installer
[ "$mode" = all ] && run_stage tests tests

echo "Installer: $PWD/build/windows/lumo-soul-urge-number-1.65-setup.exe"
printf '%s\n' "Time per stage:" "${timings[@]}"
