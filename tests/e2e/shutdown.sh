#!/usr/bin/env bash
# The real program on a private X display, ended as a user ends it: File, Exit shows the exit
# screen; its Exit button ends the program with status 0, the single-instance lock file is gone
# and the settings file is as the start left it.
# Usage: shutdown.sh <program>
set -u

program=${1:?usage: shutdown.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

e2e_x11_session "$program"

readonly START_SECONDS=30
readonly EXIT_SECONDS=15
readonly LOCK=$XDG_RUNTIME_DIR/lumo-soul-urge-number.lock
readonly SETTINGS=$XDG_CONFIG_HOME/lumo-soul-urge-number.ini

# The visible windows of process $1 with the program's caption, one id a line.
windows_of() {
    e2e_windows_of "$1" "$E2E_MAIN_TITLE"
}
window_count_is() {
    [[ $(windows_of "$1" | grep -c .) -eq $2 ]]
}

e2e_start program "$program"
pid=$E2E_LAST_PID
e2e_wait_until "$START_SECONDS" window_count_is "$pid" 1 || e2e_fail "no main window"
main=$(windows_of "$pid")
e2e_wait_until 10 test -e "$LOCK" || e2e_fail "the running program holds no lock at $LOCK"
e2e_wait_until 10 test -s "$SETTINGS" || e2e_fail "the first start stored no reminder date"
cp "$SETTINGS" "$E2E_WORK/settings-at-start"
echo "ok: main window shown, lock taken, reminder date stored"

# File, Exit: the main window goes, the exit screen comes.
e2e_keys_to "$main" alt+f || e2e_fail "could not open the File menu"
sleep 0.5
timeout 10 xdotool key x || e2e_fail "could not choose Exit"
e2e_wait_until 10 eval '[[ -n $(windows_of "$pid") && $(windows_of "$pid") != "$main" ]]' ||
    e2e_fail "File, Exit showed no exit screen"
exit_screen=$(windows_of "$pid")
e2e_running "$pid" || e2e_fail "the program ended before its exit screen"
echo "ok: File, Exit shows the exit screen"

# The Exit button has the focus when the exit screen opens.
e2e_keys_to "$exit_screen" space || e2e_fail "could not press Exit"
e2e_expect_exit_0 "$pid" "$EXIT_SECONDS" Exit
[[ -e $LOCK ]] && e2e_fail "the lock file $LOCK is left behind"
cmp -s "$SETTINGS" "$E2E_WORK/settings-at-start" || e2e_fail "the settings changed on the way out"
echo "ok: Exit ends the program with status 0, no lock left, settings untouched"
