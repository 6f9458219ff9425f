#!/usr/bin/env bash
# Unpacks the Debian package into a throwaway root, never the machine's own, and starts the
# program from there as the menu entry would, on a private X display at twice the normal scale,
# until its main window shows; then checks what the desktop sees of that window.
# Usage: installed_program.sh <build-folder> <source-folder>
set -u
build=${1:?usage: installed_program.sh <build-folder> <source-folder>}
source_dir=${2:?usage: installed_program.sh <build-folder> <source-folder>}
source "$source_dir/tests/e2e/e2e_lib.sh"

# At twice the scale a title bar's 16 and 32 pixel icons are drawn 32 and 64 pixels wide.
readonly SCALE=2
readonly SHARPEST_TITLE_ICON=64

e2e_require_tools cpack dpkg-deb Xvfb xdotool xprop
e2e_private_environment
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$SCALE

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
    --name "$E2E_MAIN_TITLE" >/dev/null 2>&1 ||
    e2e_fail "the installed program showed no main window"
window=$(xdotool search --onlyvisible --pid "$program" --name "$E2E_MAIN_TITLE" |
    head -n1)

# The desktop matches the window to the menu entry by its class.
class=$(xprop -id "$window" WM_CLASS) || e2e_fail "the main window has no WM_CLASS"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[[ -n $wm_class && $class == *"\"$wm_class\"" ]] ||
    e2e_fail "the window's class ($class) is not the entry's StartupWMClass ($wm_class)"

# The window's icon comes in sizes up to at least the title bar's largest at this scale, so it
# is drawn from pixels and not blown up. _NET_WM_ICON is width, height, then the pixels, repeated.
sizes=$(xprop -id "$window" -notype -len 4000000 -f _NET_WM_ICON 32c '=$0+\n' _NET_WM_ICON |
    sed 's/^_NET_WM_ICON=//' | tr -d ' ' | tr ',' '\n' |
    awk 'BEGIN { at = 1 }
         NR == at { width = $1 } NR == at + 1 { print width "x" $1; at += 2 + width * $1 }')
[[ -n $sizes ]] || e2e_fail "the main window carries no icon"
grep -qx "${SHARPEST_TITLE_ICON}x$SHARPEST_TITLE_ICON" <<<"$sizes" ||
    e2e_fail "no ${SHARPEST_TITLE_ICON}px window icon at scale $SCALE; it has: $(echo $sizes)"
echo "the installed program shows its main window, class $wm_class, icons $(echo $sizes)"
