#!/usr/bin/env bash
# Unpacks the Debian package into a throwaway root, never the machine's own, and starts the
# program from there as the menu entry would, on a private X display, until its main window
# shows.
# Usage: installed_program.sh <build-folder> <source-folder>
set -u
build=${1:?usage: installed_program.sh <build-folder> <source-folder>}
source_dir=${2:?usage: installed_program.sh <build-folder> <source-folder>}
source "$source_dir/tests/e2e/e2e_lib.sh"

e2e_require_tools cpack dpkg-deb Xvfb xdotool
e2e_private_environment
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

cpack -G DEB -B "$E2E_WORK/out" --config "$build/CPackConfig.cmake" >"$E2E_WORK/cpack.log" 2>&1 ||
    e2e_fail "cpack failed"
root=$E2E_WORK/root
dpkg-deb -x "$E2E_WORK"/out/lumo-soul-urge-number_*.deb "$root"
desktop=$(ls "$root"/usr/share/applications/*.desktop)
exec_line=$(sed -n 's/^Exec=//p' "$desktop")

e2e_start_display
PATH=$root/usr/bin:$PATH e2e_start program "$exec_line"
program=$E2E_LAST_PID
e2e_wait_until 30 xdotool search --onlyvisible --pid "$program" \
    --name '^Lumo Soul Urge Number v1\.65$' >/dev/null 2>&1 ||
    e2e_fail "the installed program showed no main window"
window=$(xdotool search --onlyvisible --pid "$program" --name '^Lumo Soul Urge Number v1\.65$' |
    head -n1)
class=$(xprop -id "$window" WM_CLASS 2>/dev/null || true)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[[ -z $class || $class == *"\"$wm_class\""* ]] ||
    e2e_fail "the window's class ($class) is not the entry's StartupWMClass ($wm_class)"
echo "the installed program shows its main window"
