#!/usr/bin/env bash
# The Windows installer end to end, under Wine on a private Xvfb with a fresh Wine prefix:
# a silent install puts the program, its DLLs, a Start-menu shortcut and an uninstall entry in
# place; the installed program shows its main window, loads nothing from outside its folder,
# hands Help > Online Help to the shell, keeps its reminder date in the registry, refuses a
# second copy, shows the exit screen on top when closed and ends with Exit; a silent uninstall
# removes everything but the user's own setting. A screenshot of the main window shows its menu
# titles and button captions standing out from their faces; with a third argument it is kept
# there.
# Usage: installer_e2e.sh <setup.exe> <site base> [screenshot.png]
set -u

setup=${1:?usage: installer_e2e.sh <setup.exe> <site base>}
site_base=${2:?usage: installer_e2e.sh <setup.exe> <site base>}
screenshot_copy=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/e2e_lib.sh"

e2e_require_tools wine wineserver Xvfb xdotool xprop xclip import convert
[[ -f $setup ]] || e2e_fail "no installer at $setup (scripts/windows.sh builds it)"
e2e_private_environment
unset WAYLAND_DISPLAY
for name in $(compgen -e); do
    [[ $name == QT_* || $name == WINEQT_* || $name == WINEPATH ]] && unset "$name"
done

export WINEPREFIX=$E2E_WORK/prefix
export WINEDEBUG=-all
# No .NET or browser engine: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES='mscoree,mshtml='
# The stand-in xdg-open, first on PATH, records what Wine's winebrowser hands it.
export LUMO_OPENED_LOG=$E2E_WORK/opened.log
export PATH=$here/stand-in:$PATH

readonly PRODUCT='Lumo Soul Urge Number'
readonly MAIN_TITLE='^Lumo Soul Urge Number v1\.65$'
readonly BOX_TITLE='^Lumo Soul Urge Number$'
readonly HELP_ADDRESS="$site_base/lumo-free-soul-urge-number/ssd.php?page=help-web-page"
readonly UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\lumo-soul-urge-number'
readonly SETTINGS_KEY='HKCU\Software\lumo-soul-urge-number\Settings'
readonly WAIT_SECONDS=60
install_dir="$WINEPREFIX/drive_c/Program Files/$PRODUCT"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$PRODUCT.lnk"
program='C:\Program Files\Lumo Soul Urge Number\lumo-soul-urge-number.exe'
uninstaller='C:\Program Files\Lumo Soul Urge Number\uninstall.exe'

e2e_start_display

# Stops every Wine process of the prefix before the work folder goes.
trap 'wineserver --kill >/dev/null 2>&1; e2e_cleanup' EXIT

wineboot --init >"$E2E_WORK/wineboot.log" 2>&1 || e2e_fail "wineboot failed"
wineserver --wait
# Stand-ins for Verdana and MS Sans Serif, as the cross-built tests' prefix has them.
source "$(dirname "$0")/wine-fonts.sh"
lumo_wine_font_stand_ins || e2e_fail "no font stand-ins in the prefix (fonts-dejavu-core, fonts-liberation2)"

# --- Silent install.
timeout 180 wine "$setup" /S >"$E2E_WORK/install.log" 2>&1 || e2e_fail "the silent install failed"
wineserver --wait
for file in lumo-soul-urge-number.exe uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
    platforms/qwindows.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
    licenses/Qt/LGPL-3.0-only.txt; do
    [[ -f $install_dir/$file ]] || e2e_fail "the install folder lacks $file"
done
# The program draws with the Fusion style built into Qt Widgets: no style plug-in.
[[ ! -e $install_dir/styles ]] || e2e_fail "the install folder holds style plug-ins"
[[ -f $shortcut ]] || e2e_fail "no Start-menu shortcut"
uninstall_entry=$(wine reg query "$UNINSTALL_KEY" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    $PRODUCT" 'DisplayVersion    REG_SZ    1.65' \
    'Publisher    REG_SZ    Starwell Softwares' \
    "DisplayIcon    REG_SZ    ${program},0" "UninstallString    REG_SZ    \"$uninstaller\""; do
    grep -qF -- "$value" <<<"$uninstall_entry" ||
        e2e_fail "the uninstall entry lacks '$value':" "$uninstall_entry"
done
echo "ok: the silent install put the program, its shortcut and its uninstall entry in place"

visible() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null
}
shown() {
    [[ -n $(visible "$1") ]]
}
# Gives window $1 the keyboard focus and types the keys that follow.
keys_to() {
    local window=$1
    shift
    timeout 10 xdotool windowfocus --sync "$window" && sleep 0.3 && timeout 10 xdotool key "$@"
}

# --- The installed program, started as the shortcut would, logging the DLLs it loads.
WINEDEBUG=+loaddll e2e_start program wine "$program"
main_pid=$E2E_LAST_PID
e2e_wait_until "$WAIT_SECONDS" shown "$MAIN_TITLE" || e2e_fail "no main window"
main=$(visible "$MAIN_TITLE" | head -n1)
echo "ok: the installed program shows its main window"
# Every DLL not built into Wine comes from the install folder.
foreign=$(grep -a 'Loaded L"' "$E2E_WORK/program.log" | grep -a ': native' |
    grep -avF 'C:\\Program Files\\Lumo Soul Urge Number\\')
[[ -z $foreign ]] || e2e_fail "DLLs loaded from outside the install folder:" "$foreign"
grep -aqF 'Program Files\\Lumo Soul Urge Number\\platforms\\qwindows.dll' "$E2E_WORK/program.log" ||
    e2e_fail "the windows platform plug-in was not loaded from the install folder"
echo "ok: every DLL it loads comes from the install folder"

# The contrast ratio of two colours given as r,g,b (0 to 255), as accessibility guidelines measure
# it.
contrast() {
    awk -v a="$1" -v b="$2" '
        function linear(c) { c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        function luminance(s,   p) {
            split(s, p, ",")
            return 0.2126 * linear(p[1]) + 0.7152 * linear(p[2]) + 0.0722 * linear(p[3])
        }
        BEGIN {
            x = luminance(a); y = luminance(b)
            if (x < y) { t = x; x = y; y = t }
            printf "%.2f\n", (x + 0.05) / (y + 0.05)
        }'
}
# The commonest colour of a region of an image (its face) and the colour in it that stands out
# most from that face (its text), as "face text ratio".
face_and_text() {
    local image=$1 region=$2 face text="" ratio best=0 colour colours
    colours=$(convert "$image" -crop "$region" +repage -depth 8 -format %c histogram:info:- |
        sed -nE 's/^ *([0-9]+): *\( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2,\3,\4/p' | sort -rn)
    face=$(head -n1 <<<"$colours" | cut -d' ' -f2)
    while read -r _ colour; do
        ratio=$(contrast "$face" "$colour")
        if awk -v r="$ratio" -v b="$best" 'BEGIN { exit !(r > b) }'; then
            best=$ratio
            text=$colour
        fi
    done <<<"$colours"
    echo "$face $text $best"
}
# Checks that in the screenshot's region $2 (WxH+X+Y) the text stands out 4.5 to 1 or more from
# its face, which must be $3; $1 names what lies there.
check_text_contrast() {
    local what=$1 region=$2 want_face=$3 face text ratio
    read -r face text ratio <<<"$(face_and_text "$E2E_WORK/main.png" "$region")"
    [[ $face == "$want_face" ]] || e2e_fail "$what: the face is $face, not $want_face"
    awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' ||
        e2e_fail "$what: $text on $face is only $ratio to 1"
    echo "ok: $what: $text on $face, $ratio to 1"
}

# The first pixel, counting from the start, of a one-pixel line of the screenshot ($1: WxH+X+Y,
# W or H being 1) that has colour $2 (r,g,b); its offset along the line, or nothing.
first_of_colour() {
    convert "$E2E_WORK/main.png" -crop "$1" +repage -depth 8 txt:- |
        sed -nE 's/^([0-9]+),([0-9]+): *\( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2 \3,\4,\5/p' |
        awk -v want="$2" '$3 == want { print ($1 > $2 ? $1 : $2); exit }'
}

# A screenshot of the main window: the menu titles black on the classic light face, Next's
# caption black on the window's blue.
eval "$(xdotool getwindowgeometry --shell "$main")"
sleep 1
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$E2E_WORK/main.png" ||
    e2e_fail "could not take a screenshot"
[[ -z $screenshot_copy ]] || cp "$E2E_WORK/main.png" "$screenshot_copy"
# The client area, found by its blue: its top below the menu bar, its left edge inside any frame
# Wine draws. The menu bar lies just above it.
readonly BLUE=124,165,231
client_top=$(first_of_colour "1x${HEIGHT}+$((WIDTH / 2))+0" "$BLUE")
[[ -n $client_top ]] || e2e_fail "no blue client area in the screenshot"
client_left=$(first_of_colour "${WIDTH}x1+0+$((client_top + 3))" "$BLUE")
[[ -n $client_left ]] || e2e_fail "no left edge of the client area in the screenshot"
((client_top >= 16)) || e2e_fail "no menu bar above the client area (it starts $client_top px down)"
check_text_contrast "the menu titles" "120x14+$((client_left + 2))+$((client_top - 16))" 240,240,240
# Next lies 4160 x 1770 twips from the client area's corner, 1965 x 315 twips: inside its border.
check_text_contrast "Next's caption" "123x13+$((client_left + 277 + 4))+$((client_top + 118 + 4))" \
    "$BLUE"
echo "ok: the screenshot shows readable menu titles and button captions"

# The first start stores today's date as the reminder date (Wine's locale here: M/d/yyyy).
today=$(date +%-m/%-d/%Y)
duration=$(wine reg query "$SETTINGS_KEY" /v Duration 2>/dev/null | tr -d '\r')
grep -qE "Duration +REG_SZ +$today\$" <<<"$duration" ||
    e2e_fail "no Duration of $today under $SETTINGS_KEY:" "$duration"
echo "ok: Duration holds today's date, $today"

# Help > Online Help hands the help page to the shell, which hands it to xdg-open.
keys_to "$main" alt+h o || e2e_fail "could not reach the Help menu"
e2e_wait_until 30 test -s "$LUMO_OPENED_LOG" || e2e_fail "Online Help opened nothing"
sleep 1
[[ $(cat "$LUMO_OPENED_LOG") == "$HELP_ADDRESS" ]] ||
    e2e_fail "Online Help opened '$(cat "$LUMO_OPENED_LOG")', not exactly $HELP_ADDRESS"
echo "ok: Online Help opened $HELP_ADDRESS through the shell"

# A second copy says "Application is already running" (Ctrl+C copies a Windows message box's
# text) and ends when answered, without a window of its own.
e2e_start second wine "$program"
second_pid=$E2E_LAST_PID
e2e_wait_until "$WAIT_SECONDS" shown "$BOX_TITLE" || e2e_fail "the second copy showed no message box"
box=$(visible "$BOX_TITLE" | head -n1)
keys_to "$box" ctrl+c || e2e_fail "could not copy the message box's text"
copied() {
    timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$E2E_WORK/copied.txt"
    grep -qx 'Application is already running' "$E2E_WORK/copied.txt"
}
e2e_wait_until 10 copied || e2e_fail "the message box does not say 'Application is already running':" \
    "$(cat "$E2E_WORK/copied.txt")"
keys_to "$box" Return || e2e_fail "could not answer the message box"
e2e_wait_until 30 e2e_ended "$second_pid" || e2e_fail "the second copy did not end when answered"
(($(visible "$MAIN_TITLE" | grep -c .) == 1)) || e2e_fail "the second copy opened a main window"
e2e_running "$main_pid" || e2e_fail "the first copy ended"
echo "ok: a second copy says 'Application is already running' and ends"

# Closing the main window brings up the exit screen, above other windows.
keys_to "$main" alt+F4 || e2e_fail "could not close the main window"
gone() {
    ! xdotool search --onlyvisible --name "$MAIN_TITLE" 2>/dev/null | grep -qx "$main"
}
e2e_wait_until 30 gone || e2e_fail "the main window did not close"
e2e_wait_until 30 shown "$MAIN_TITLE" || e2e_fail "no exit screen after closing the main window"
exit_screen=$(visible "$MAIN_TITLE" | head -n1)
state=$(xprop -id "$exit_screen" _NET_WM_STATE 2>&1)
grep -q _NET_WM_STATE_ABOVE <<<"$state" || e2e_fail "the exit screen is not kept on top: $state"
echo "ok: closing the main window shows the exit screen, on top"

# Exit ends the program.
keys_to "$exit_screen" alt+x || e2e_fail "could not press Exit"
e2e_wait_until 30 e2e_ended "$main_pid" || e2e_fail "Exit did not end the program"
echo "ok: Exit ends the program"
wineserver --wait

# --- Silent uninstall: the folder, the shortcut and the entry go; the user's setting stays.
timeout 120 wine "$uninstaller" /S >"$E2E_WORK/uninstall.log" 2>&1 || e2e_fail "the silent uninstall failed"
# The uninstaller copies itself to a temporary folder and finishes from there.
e2e_wait_until "$WAIT_SECONDS" test ! -e "$install_dir" ||
    e2e_fail "the install folder is still there:" "$(find "$install_dir")"
wineserver --wait
[[ ! -e $shortcut ]] || e2e_fail "the Start-menu shortcut is still there"
wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 && e2e_fail "the uninstall entry is still there"
wine reg query "$SETTINGS_KEY" /v Duration >/dev/null 2>&1 ||
    e2e_fail "the uninstall removed the user's reminder date"
leftovers=$(find "$WINEPREFIX/drive_c" -iname '*lumo*' 2>/dev/null)
[[ -z $leftovers ]] || e2e_fail "files left behind:" "$leftovers"
echo "ok: the silent uninstall removed the program, its shortcut and its entry"
echo "PASS"
