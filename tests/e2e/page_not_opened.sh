#!/usr/bin/env bash
# The real program on a private X display, where xdg-open fails as it does with no browser:
# Help > Online Help says in a box of the program's title that the page could not be opened,
# with the address selected to copy; the program goes on and the next try says so again.
# Usage: page_not_opened.sh <program>
set -u

program=${1:?usage: page_not_opened.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

e2e_x11_session "$program" xclip
unset BROWSER DEFAULT_BROWSER

readonly HELP_PAGE='/lumo-free-soul-urge-number/ssd.php?page=help-web-page'

# xdg-open as it ends with no browser to hand the page to; it notes each address it was given.
mkdir "$E2E_WORK/bin"
cat >"$E2E_WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$E2E_WORK/asked"
echo "xdg-open: no method available for opening '\$1'" >&2
exit 3
EOF
chmod +x "$E2E_WORK/bin/xdg-open"

window_of() {
    xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n1
}
shows() {
    [[ -n $(window_of "$1") ]]
}
copied() {
    [[ $(timeout 5 xclip -o -selection clipboard 2>/dev/null) == "$1" ]]
}
open_help_and_copy() {
    timeout 10 xdotool windowfocus --sync "$main" && timeout 10 xdotool key alt+h o ||
        e2e_fail "could not choose Help > Online Help"
    e2e_wait_until 20 shows "$E2E_BOX_TITLE" || e2e_fail "no message box after Online Help"
    box=$(window_of "$E2E_BOX_TITLE")
    timeout 10 xdotool windowfocus --sync "$box" && timeout 10 xdotool key ctrl+c ||
        e2e_fail "could not copy from the message box"
}

PATH="$E2E_WORK/bin:$PATH" e2e_start program "$program"
pid=$E2E_LAST_PID
e2e_wait_until 30 shows "$E2E_MAIN_TITLE" || e2e_fail "no main window"
main=$(window_of "$E2E_MAIN_TITLE")

open_help_and_copy
address=$(head -n1 "$E2E_WORK/asked")
[[ $address == *"$HELP_PAGE" ]] || e2e_fail "xdg-open was asked for '$address'"
e2e_wait_until 10 copied "$address" ||
    e2e_fail "the box does not offer the address to copy: '$(xclip -o -selection clipboard)'"
echo "ok: the box says the page could not be opened and offers $address to copy"
timeout 10 xdotool key Return || e2e_fail "could not answer the box"
e2e_wait_until 10 eval '! shows "$E2E_BOX_TITLE"' || e2e_fail "the box stays after OK"

# The program goes on: the same page again is tried again and reported again.
timeout 5 xclip -selection clipboard -i /dev/null
open_help_and_copy
(($(grep -c . "$E2E_WORK/asked") == 2)) || e2e_fail "the second try did not reach xdg-open"
e2e_wait_until 10 copied "$address" || e2e_fail "the second box does not offer the address"
timeout 10 xdotool key Return
e2e_running "$pid" || e2e_fail "the program ended"
echo "ok: the program goes on, and the next try is reported as well"
echo "PASS"
