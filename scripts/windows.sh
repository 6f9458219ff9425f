#!/usr/bin/env bash
# Builds the Windows program on Debian and packs its installer:
#   1. installs the cross tools, NSIS and Wine when missing (scripts/install-deps.sh windows);
#   2. toolkit: builds Qt (and GoogleTest) for Windows once, from Debian's own sources, at low
#      priority, into ~/.cache/lumo-soul-urge-number; later runs reuse it;
#   3. program: cross-builds the program with MinGW-w64 (build/windows);
#   4. installer: build/windows/lumo-soul-urge-number-1.65-setup.exe;
#   5. tests (unless "installer" is given): the unit, window and end-to-end tests under Wine
#      (build/windows-tests), the installer's test on the installer of step 4.
# "tests <setup.exe>" skips steps 3 and 4 and tests the installer given instead (CI passes the
# one scripts/reproducible.sh built, so the program is not built a third time for Windows).
# Prints how long each stage took.
# Usage: scripts/windows.sh [all|installer|tests <setup.exe>]
set -euo pipefail
usage="usage: scripts/windows.sh [all|installer|tests <setup.exe>]"
mode=${1:-all}
setup=""
case $mode in
  all | installer) ;;
  tests)
    [ -f "${2:-}" ] || { echo "$usage: no installer at '${2:-}'" >&2; exit 2; }
    setup=$(realpath "$2")
    ;;
  *)
    echo "$usage" >&2
    exit 2
    ;;
esac
cd "$(dirname "$0")/.."
source scripts/timing.sh
jobs=2

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
  local given=()
  [ -z "$setup" ] || given=("-DLUMO_WINDOWS_SETUP=$setup")
  cmake --preset windows-tests "${given[@]}" >/dev/null
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

trap 'print_times "Time per stage:"' EXIT
timed packages scripts/install-deps.sh windows
timed toolkit toolkit
if [ "$mode" != tests ]; then
  timed program program
  timed installer installer
  echo "Installer: $PWD/build/windows/lumo-soul-urge-number-1.65-setup.exe"
fi
if [ "$mode" != installer ]; then
  timed tests tests
fi
