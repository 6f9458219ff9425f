#!/usr/bin/env bash
# The real program as a screen reader meets it: on a private X display, in a session bus of its
# own with the accessibility bus started here (no desktop session is needed), screen_reader.py
# reads the program's accessibility tree through AT-SPI.
# Usage: screen_reader.sh <program>
set -u

program=${1:?usage: screen_reader.sh <program>}
here=$(cd "$(dirname "$0")" && pwd)
# A session bus of its own, ended with the script.
if [[ -z ${LUMO_E2E_SESSION_BUS:-} ]]; then
    LUMO_E2E_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$here/e2e_lib.sh"

readonly BUS_LAUNCHER=/usr/libexec/at-spi-bus-launcher
[[ -x $program ]] || e2e_fail "$program is not an executable"
[[ -x $BUS_LAUNCHER ]] || e2e_fail "no $BUS_LAUNCHER (at-spi2-core; scripts/test.sh installs it)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    e2e_fail "no pyatspi for /usr/bin/python3 (python3-pyatspi; scripts/test.sh installs it)"
e2e_require_tools Xvfb xdotool
e2e_private_environment
e2e_start_display
for name in $(compgen -e); do
    [[ $name == QT_* ]] && unset "$name"
done

e2e_start bus "$BUS_LAUNCHER" --launch-immediately
a11y_bus() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1
}
e2e_wait_until 20 a11y_bus || e2e_fail "the accessibility bus did not start"

# Qt offers its tree to AT-SPI only when asked to, or when a screen reader is running.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start program "$program"
pid=$E2E_LAST_PID
timeout 120 /usr/bin/python3 "$here/screen_reader.py" || e2e_fail "the accessibility tree is wrong"
e2e_running "$pid" || e2e_fail "the program ended"
echo "PASS"
