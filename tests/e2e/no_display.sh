#!/usr/bin/env bash
# Without any display the program says so in one line on stderr and exits non-zero, instead of
# Qt's abort about the platform plugin. Usage: no_display.sh <program>
set -u

program=${1:?usage: no_display.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

[[ -x $program ]] || e2e_fail "$program is not an executable"
e2e_private_environment
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$E2E_WORK/out.log" 2>"$E2E_WORK/err.log"
status=$?
((status != 0)) || e2e_fail "exit status 0 without a display"
((status < 128)) || e2e_fail "ended by signal $((status - 128)) instead of exiting"
[[ ! -s $E2E_WORK/out.log ]] || e2e_fail "printed to stdout"
lines=$(wc -l <"$E2E_WORK/err.log")
((lines == 1)) || e2e_fail "stderr has $lines lines, not one"
grep -qi 'display' "$E2E_WORK/err.log" || e2e_fail "stderr does not mention the display"
[[ ! -e $XDG_CONFIG_HOME/lumo-soul-urge-number.ini ]] || e2e_fail "wrote its settings"
echo "PASS: $(cat "$E2E_WORK/err.log")"
