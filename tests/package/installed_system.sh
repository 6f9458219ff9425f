#!/usr/bin/env bash
# Installs the Debian package into the system this runs in, as a user would (apt-get install
# ./<package>.deb, which fetches what it depends on), starts the installed program from its menu
# entry on a private X display until its main window shows, then purges the package and fails
# when any file of it is left behind. Run as root, in a throwaway system (scripts/debian13.sh).
# Usage: installed_system.sh <package.deb> <source-folder>
set -u
deb=${1:?usage: installed_system.sh <package.deb> <source-folder>}
source_dir=${2:?usage: installed_system.sh <package.deb> <source-folder>}
source "$source_dir/tests/e2e/e2e_lib.sh"

readonly PACKAGE=lumo-soul-urge-number
export DEBIAN_FRONTEND=noninteractive

e2e_require_tools apt-get dpkg-query Xvfb xdotool
[[ $(id -u) -eq 0 ]] || e2e_fail "installed_system.sh installs a package: run it as root"
[[ -f $deb ]] || e2e_fail "no package at $deb"
e2e_private_environment

# Files named after the program anywhere on the system, but for the source tree and the package.
files_named_after_it() {
    find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /tmp -o -path "$source_dir" \
        -o -path "$E2E_WORK" \) -prune -o -iname "*$PACKAGE*" -print 2>/dev/null | sort
}
files_named_after_it >"$E2E_WORK/before.list"

# Fresh package lists, as a user's system has, so what it depends on can be fetched.
apt-get update -q >"$E2E_WORK/update.log" 2>&1 || e2e_fail "apt-get update failed"
apt-get install -y -q --no-install-recommends "$deb" >"$E2E_WORK/install.log" 2>&1 ||
    e2e_fail "apt-get could not install $(basename "$deb")"
[[ $(dpkg-query -W -f='${db:Status-Status}' "$PACKAGE" 2>/dev/null) == installed ]] ||
    e2e_fail "$PACKAGE is not installed after apt-get install"
dpkg-query -L "$PACKAGE" >"$E2E_WORK/package.list"

# Started the way the desktop starts it: the menu entry's command, found on PATH.
desktop=$(grep -m1 '^/usr/share/applications/.*\.desktop$' "$E2E_WORK/package.list") ||
    e2e_fail "the package installed no menu entry"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
e2e_start_display
e2e_start program $exec_line
program=$E2E_LAST_PID
e2e_wait_until 30 xdotool search --onlyvisible --pid "$program" --name "$E2E_MAIN_TITLE" \
    >/dev/null 2>&1 || e2e_fail "the installed program showed no main window"
echo "the installed program ($(dpkg-query -W -f='${Version}' "$PACKAGE")) shows its main window"
kill "$program"
wait "$program" 2>/dev/null

apt-get purge -y -q "$PACKAGE" >"$E2E_WORK/purge.log" 2>&1 || e2e_fail "apt-get could not purge"
[[ -z $(dpkg-query -W -f='${db:Status-Status}' "$PACKAGE" 2>/dev/null) ]] ||
    e2e_fail "dpkg still knows $PACKAGE after the purge"
left=()
while read -r path; do
    # Folders the system shares (/usr/bin) stay; anything of the package's own must be gone.
    if [[ -e $path && ! -d $path ]] || [[ -d $path && $path == *"$PACKAGE"* ]]; then
        left+=("$path")
    fi
done <"$E2E_WORK/package.list"
((${#left[@]} == 0)) || e2e_fail "the purge left files of the package: ${left[*]}"
files_named_after_it >"$E2E_WORK/after.list"
new=$(comm -13 "$E2E_WORK/before.list" "$E2E_WORK/after.list")
[[ -z $new ]] || e2e_fail "the package left behind: $new"
echo "purged: none of its $(wc -l <"$E2E_WORK/package.list") paths is left"
