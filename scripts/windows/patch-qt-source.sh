#!/usr/bin/env bash
# Adapts Debian's qtbase source for the MinGW build. Debian's tarball leaves out
# src/3rdparty/wintab (its licence forbids changes), so the windows platform plug-in is built
# without its optional Wintab tablet back end; pens and tablets still reach Qt through Windows'
# own pointer messages (WM_POINTER), which the plug-in uses by default.
# Usage: patch-qt-source.sh <qtbase source folder>
set -euo pipefail
plugin=$1/src/plugins/platforms/windows

replace() { # <file> <sed expression> <text that must be gone afterwards>
  sed -i "$2" "$1"
  if grep -qF "$3" "$1"; then
    echo "patch-qt-source.sh: could not patch $1" >&2
    exit 1
  fi
}
replace "$plugin/CMakeLists.txt" \
  's/^qt_internal_extend_target(QWindowsIntegrationPlugin CONDITION QT_FEATURE_tabletevent$/qt_internal_extend_target(QWindowsIntegrationPlugin CONDITION FALSE/' \
  'CONDITION QT_FEATURE_tabletevent'
replace "$plugin/qwindowscontext.cpp" 's/^#if QT_CONFIG(tabletevent)/#if 0 \/\/ Wintab/' \
  '#if QT_CONFIG(tabletevent)'
# The pointer handler's pen support stays; only its include of the Wintab header goes.
sed -i '/^#if QT_CONFIG(tabletevent)$/{N;s/^#if QT_CONFIG(tabletevent)\n#  include "qwindowstabletsupport.h"/#if 0 \/\/ Wintab\n#  include "qwindowstabletsupport.h"/}' \
  "$plugin/qwindowspointerhandler.cpp"
if ! grep -B1 'include "qwindowstabletsupport.h"' "$plugin/qwindowspointerhandler.cpp" | grep -q '^#if 0'; then
  echo "patch-qt-source.sh: could not patch $plugin/qwindowspointerhandler.cpp" >&2
  exit 1
fi
