#!/usr/bin/env bash
# The real program, headless: its first start writes today's date as the reminder date into
# $XDG_CONFIG_HOME/lumo-soul-urge-number.ini, in the locale's short form with a four-digit year.
# Usage: reminder_date_file.sh <program>
set -u

program=${1:?usage: reminder_date_file.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

e2e_offscreen_session "$program"
if locale -a 2>/dev/null | grep -qix 'en_US\.utf-\?8'; then
    export LC_ALL=en_US.UTF-8
else
    export LC_ALL=C
fi
readonly INI=$XDG_CONFIG_HOME/lumo-soul-urge-number.ini

duration() {
    sed -n '/^\[Settings\]$/,/^\[/ s/^Duration=//p' "$INI" 2>/dev/null | head -n1
}
has_duration() {
    [[ -n $(duration) ]]
}

day_before=$(date +%F)
e2e_start program "$program"
pid=$E2E_LAST_PID
e2e_wait_until 30 has_duration || e2e_fail "no [Settings] Duration= in $INI"
day_after=$(date +%F)
e2e_running "$pid" || e2e_fail "the program ended after writing its settings"
kill -9 "$pid"
wait "$pid" 2>/dev/null

value=$(duration)
echo "LC_ALL=$LC_ALL: Duration=$value"
[[ $value =~ (^|[^0-9])[0-9]{4}($|[^0-9]) ]] || e2e_fail "'$value' has no four-digit year"
if [[ $LC_ALL == en_US.UTF-8 ]]; then
    # en_US's short date M/d/yy, the year widened to four digits.
    expected_before=$(date -d "$day_before" +%-m/%-d/%Y)
    expected_after=$(date -d "$day_after" +%-m/%-d/%Y)
    [[ $value == "$expected_before" || $value == "$expected_after" ]] ||
        e2e_fail "'$value' is not today's date as M/d/yyyy ($expected_after)"
fi
parsed=$(date -d "$value" +%F 2>/dev/null) || e2e_fail "'$value' does not read back as a date"
[[ $parsed == "$day_before" || $parsed == "$day_after" ]] ||
    e2e_fail "'$value' reads back as $parsed, not today ($day_after)"
echo "PASS"
