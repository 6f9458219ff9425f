#!/usr/bin/env bash
# The real program on a private X display with no window manager: a second copy shows only
# "Application is already running" and ends when it is answered; of three copies started at
# once exactly one opens its main window; neither a killed copy nor an empty lock file keeps the
# next one from running.
# Usage: single_instance.sh <program>
set -u

program=${1:?usage: single_instance.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

e2e_x11_session "$program"
xvfb_pid=$E2E_LAST_PID

readonly START_SECONDS=30
readonly EXIT_SECONDS=15

count_windows() {
    local pid count=0
    for pid in "${@:2}"; do
        count=$((count + $(e2e_windows_of "$pid" "$1" | grep -c .)))
    done
    echo "$count"
}
# Presses Return in the message box of process $1; its only button, OK, is the default.
answer_box() {
    local box
    box=$(e2e_windows_of "$1" "$E2E_BOX_TITLE" | head -n1)
    [[ -n $box ]] || return 1
    timeout 10 xdotool windowfocus --sync "$box" && timeout 10 xdotool key Return
}
expect_refused() {
    local pid=$1 name=$2
    e2e_wait_until "$START_SECONDS" e2e_has_window "$pid" "$E2E_BOX_TITLE" ||
        e2e_fail "$name showed no message box titled exactly 'Lumo Soul Urge Number'"
    e2e_has_window "$pid" "$E2E_MAIN_TITLE" && e2e_fail "$name opened a main window"
    answer_box "$pid" || e2e_fail "could not answer the message box of $name"
    e2e_wait_until "$EXIT_SECONDS" e2e_ended "$pid" || e2e_fail "$name did not end when answered"
    e2e_has_window "$pid" "$E2E_MAIN_TITLE" && e2e_fail "$name opened a main window"
    echo "ok: $name was refused and ended"
}
expect_main_window() {
    e2e_wait_until "$START_SECONDS" e2e_has_window "$1" "$E2E_MAIN_TITLE" ||
        e2e_fail "$2 showed no main window"
    echo "ok: $2 shows its main window"
}

# One copy runs; a second is refused and the first carries on.
e2e_start first "$program"
first=$E2E_LAST_PID
expect_main_window "$first" "the first copy"
e2e_start second "$program"
second=$E2E_LAST_PID
expect_refused "$second" "the second copy"
e2e_running "$first" || e2e_fail "the first copy ended"
e2e_has_window "$first" "$E2E_MAIN_TITLE" || e2e_fail "the first copy lost its main window"
kill -TERM "$first"
e2e_wait_until "$EXIT_SECONDS" e2e_ended "$first" || e2e_fail "the first copy did not end"

# Three at once, none running: one wins, the other two are refused.
trio=()
for n in 1 2 3; do
    e2e_start "trio$n" "$program"
    trio+=("$E2E_LAST_PID")
done
boxes_up() {
    (($(count_windows "$E2E_BOX_TITLE" "${trio[@]}") == 2 &&
        $(count_windows "$E2E_MAIN_TITLE" "${trio[@]}") >= 1))
}
e2e_wait_until "$START_SECONDS" boxes_up ||
    e2e_fail "of three copies, not one main window and two refusals" \
        "($(count_windows "$E2E_MAIN_TITLE" "${trio[@]}") main windows," \
        "$(count_windows "$E2E_BOX_TITLE" "${trio[@]}") message boxes)"
mains=$(count_windows "$E2E_MAIN_TITLE" "${trio[@]}")
((mains == 1)) || e2e_fail "three copies at once opened $mains main windows"
winner=""
for pid in "${trio[@]}"; do
    if e2e_has_window "$pid" "$E2E_MAIN_TITLE"; then
        winner=$pid
    else
        expect_refused "$pid" "a copy of the three ($pid)"
    fi
done
e2e_running "$winner" || e2e_fail "the copy with the main window ended"
echo "ok: of three copies started at once, exactly one runs"

# A copy killed outright leaves its lock behind; the next start takes it over.
kill -9 "$winner"
e2e_wait_until "$EXIT_SECONDS" e2e_ended "$winner" || e2e_fail "the killed copy is still there"
wait "$winner" 2>/dev/null # reaped quietly: its death by signal is intended
e2e_start after_kill "$program"
after_kill=$E2E_LAST_PID
expect_main_window "$after_kill" "the copy started after kill -9"
kill -TERM "$after_kill"
e2e_wait_until "$EXIT_SECONDS" e2e_ended "$after_kill" || e2e_fail "the copy did not end"

# A lock file that names no owner, as a crash between creating and writing it leaves, is taken
# over too.
: >"$XDG_RUNTIME_DIR/lumo-soul-urge-number.lock"
e2e_start after_empty_lock "$program"
expect_main_window "$E2E_LAST_PID" "the copy started over an empty lock file"

kill -TERM "$xvfb_pid" 2>/dev/null
echo "PASS"
