#!/usr/bin/env bash
# Without a display, or with one that names no running server, the program says so in one line
# on stderr and exits non-zero, instead of Qt's abort about the platform plugin. Usage: no_display.sh <program>
set -u

program=${1:?usage: no_display.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

[[ -x $program ]] || e2e_fail "$program is not an executable"
e2e_private_environment
# Runs the program in the environment "$@" adds and checks what it says.
check_refused() {
    local case=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" \
        >"$E2E_WORK/out.log" 2>"$E2E_WORK/err.log"
    local status=$?
    ((status != 0)) || e2e_fail "$case: exit status 0"
    ((status < 128)) || e2e_fail "$case: ended by signal $((status - 128)) instead of exiting"
    [[ ! -s $E2E_WORK/out.log ]] || e2e_fail "$case: printed to stdout"
    local lines
    lines=$(wc -l <"$E2E_WORK/err.log")
    ((lines == 1)) || e2e_fail "$case: stderr has $lines lines, not one"
    grep -qi 'display' "$E2E_WORK/err.log" || e2e_fail "$case: stderr does not mention the display"
    [[ ! -e $XDG_CONFIG_HOME/lumo-soul-urge-number.ini ]] || e2e_fail "$case: wrote its settings"
    echo "$case: $(cat "$E2E_WORK/err.log")"
}

# A display number with no server behind it.
unused=90
while [[ -e /tmp/.X11-unix/X$unused || -e /tmp/.X$unused-lock ]]; do
    unused=$((unused + 1))
done

check_refused "no display"
check_refused "no server at :$unused" DISPLAY=:$unused
# A Wayland session without Xwayland, and one whose Xwayland is gone: no compositor behind either.
check_refused "no compositor at lumo-none-$$" WAYLAND_DISPLAY=lumo-none-$$
check_refused "neither :$unused nor lumo-none-$$" DISPLAY=:$unused WAYLAND_DISPLAY=lumo-none-$$
echo "PASS"
