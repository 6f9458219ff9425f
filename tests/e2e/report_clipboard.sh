#!/usr/bin/env bash
# The real program on a private X display, with xclip as the other program: names pasted in lower
# case score as typed; what another program holds on the clipboard and in the primary selection
# survives the mouse over the report, even words of the report; report text selected or copied in
# the program leaves neither for a middle click, and a keyboard copy lasts until the mouse moves
# over the report.
# Usage: report_clipboard.sh <program>
set -u

program=${1:?usage: report_clipboard.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

e2e_x11_session "$program" xclip


# What the clipboard ($1: clipboard or primary) holds now; empty when no one holds text there.
held() {
    timeout 5 xclip -o -selection "$1" 2>/dev/null
}
# Another program (xclip, named $1) takes the clipboard or selection $2 with the text $3.
other_program_holds() {
    printf '%s' "$3" >"$E2E_WORK/$1.txt"
    e2e_start "$1" xclip -quiet -selection "$2" -i "$E2E_WORK/$1.txt"
    e2e_wait_until 10 holds "$2" "$3" || e2e_fail "xclip did not take the $2"
}
holds() {
    [[ $(held "$1") == "$2" ]]
}
is_empty() {
    [[ -z $(held "$1") ]]
}
keys() {
    timeout 10 xdotool key --clearmodifiers "$@"
}
visible_window() {
    xdotool search --all --onlyvisible --pid "$pid" --name "$E2E_MAIN_TITLE" 2>/dev/null | head -n1
}
# True once the program shows a window of its caption other than $1.
shows_window_besides() {
    local shown
    shown=$(visible_window)
    [[ -n $shown && $shown != "$1" ]]
}
# Moves the pointer over the report box (it fills the middle of the result window) and about.
mouse_over_report() {
    local x
    for x in 120 160 200 240; do
        timeout 10 xdotool mousemove --window "$result" "$x" 150 || return 1
        sleep 0.1
    done
}

e2e_start program "$program"
pid=$E2E_LAST_PID
e2e_wait_until 30 shows_window_besides none || e2e_fail "no main window"
main=$(visible_window)
timeout 10 xdotool windowfocus --sync "$main" || e2e_fail "could not focus the main window"

# Pasted in lower case, through the clipboard of another program.
other_program_holds first clipboard "john"
keys ctrl+v || e2e_fail "could not paste"
keys Tab Tab
other_program_holds last clipboard "smith"
keys ctrl+v alt+n || e2e_fail "could not paste and press Next"
e2e_wait_until 10 shows_window_besides "$main" || e2e_fail "Next showed no result window"
result=$(visible_window)
echo "ok: pasted names took the program to its result window"

# Another program's text survives the mouse over the report, words of the report included.
other_program_holds paragraph clipboard $'Minutes of the meeting:\nall present.'
other_program_holds words primary "Soul Urge Number"
mouse_over_report || e2e_fail "could not move the pointer"
timeout 10 xdotool click 1
mouse_over_report
holds clipboard $'Minutes of the meeting:\nall present.' ||
    e2e_fail "another program's clipboard was emptied: '$(held clipboard)'"
holds primary "Soul Urge Number" ||
    e2e_fail "another program's selection was emptied: '$(held primary)'"
echo "ok: another program's clipboard and selection survive the mouse over the report"

# A keyboard copy of the report: the whole report, scored as typed (JOHN SMITH gives 6); the
# selection made on the way leaves nothing for a middle click.
timeout 10 xdotool windowfocus --sync "$result" || e2e_fail "could not focus the result window"
timeout 10 xdotool mousemove --window "$result" 200 150 click 1 || e2e_fail "could not click"
keys ctrl+a ctrl+c
e2e_wait_until 10 eval '[[ $(held clipboard) == "Your Soul Urge Number is:6"* ]]' ||
    e2e_fail "the keyboard copy is not the report of 6: '$(held clipboard | head -n1)'"
e2e_wait_until 10 is_empty primary || e2e_fail "the selected report stays in the primary selection"
echo "ok: pasted 'john' 'smith' scores 6; a keyboard copy holds the report, the selection nothing"
mouse_over_report
e2e_wait_until 10 is_empty clipboard || e2e_fail "the report's copy stayed after the mouse moved"
echo "ok: the mouse over the report takes the report's copy off the clipboard"

# Report text selected with the mouse leaves nothing for a middle click either.
timeout 10 xdotool mousemove --window "$result" 40 120 mousedown 1 mousemove --window "$result" \
    300 160 mouseup 1 || e2e_fail "could not drag over the report"
sleep 0.5
e2e_wait_until 10 is_empty primary || e2e_fail "the dragged-over report stays in the selection"
echo "ok: report text selected with the mouse cannot be pasted elsewhere"
e2e_running "$pid" || e2e_fail "the program ended"
echo "PASS"
