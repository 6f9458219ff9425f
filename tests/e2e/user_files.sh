#!/usr/bin/env bash
# The real program, headless, among the user's own files as a user, or someone else, may have left
# them: the settings file is changed only when it is the program's own, and then keeps its
# comments and other keys; a lock left in any form is taken over; nothing hangs; SIGTERM, SIGHUP
# and SIGINT end the program with status 0 and no lock left. Run as root, the program runs as
# nobody (root opens any file whatever its mode), and one case runs it as root with nobody's
# home, as `sudo -E` does.
# Usage: user_files.sh <program>
set -u

program=${1:?usage: user_files.sh <program>}
source "$(dirname "$0")/e2e_lib.sh"

e2e_offscreen_session "$program"
export LC_ALL=C

readonly START_SECONDS=30
readonly END_SECONDS=15
readonly HOME_DIR=$E2E_WORK/home
readonly CONFIG=$E2E_WORK/config
readonly LOCK=$XDG_RUNTIME_DIR/lumo-soul-urge-number.lock
readonly ROOT_TMP=$E2E_WORK/root-tmp
export HOME=$HOME_DIR
ini=$CONFIG/lumo-soul-urge-number.ini

as_user=()
if ((EUID == 0)); then
    e2e_require_tools setpriv
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
signals=(TERM HUP INT)
case_number=0

# A fresh home, config and runtime folder of the user's.
fresh_folders() {
    rm -rf "$HOME_DIR" "$CONFIG" "$XDG_RUNTIME_DIR" "$E2E_WORK/cwd"
    mkdir -m 700 "$HOME_DIR" "$CONFIG" "$XDG_RUNTIME_DIR" "$E2E_WORK/cwd"
}
# Hands every file of the work folder to the user the program runs as.
hand_over() {
    ((EUID == 0)) && chown -hR nobody:nogroup "$E2E_WORK"
    return 0
}
# Whether the lock file $2 (the user's, unless named) is a plain file naming the process $1.
holds_lock() {
    local lock=${2:-$LOCK}
    [[ -f $lock && ! -L $lock && $(cat "$lock" 2>/dev/null) == "$1" ]]
}
# Starts the program ("$@" before it, if any), waits until it holds the lock, then ends it with
# the next of TERM, HUP and INT and checks that it ended well and left no lock.
run_and_end() {
    local name=$1
    shift
    local signal=${signals[case_number % 3]}
    case_number=$((case_number + 1))
    (cd "$E2E_WORK/cwd" && exec "$@" "$program") >"$E2E_WORK/program.log" 2>&1 &
    local pid=$!
    E2E_PIDS+=("$pid")
    e2e_wait_until "$START_SECONDS" holds_lock "$pid" ||
        e2e_fail "$name: the program did not start and take the lock in $START_SECONDS s"
    if ((${#as_user[@]} > 0)); then
        [[ $(stat -c %U "$LOCK") == nobody ]] || e2e_fail "$name: the program did not run as nobody"
    fi
    kill -s "$signal" "$pid"
    e2e_expect_exit_0 "$pid" "$END_SECONDS" "$name: SIG$signal"
    [[ -e $LOCK || -L $LOCK ]] && e2e_fail "$name: the lock is left after SIG$signal"
    echo "ok: $name (started, ended by SIG$signal with status 0, no lock left)"
}
duration_in() {
    grep -q '^Duration=.' "$1"
}

# --- The settings file.
fresh_folders
printf '; my settings, by hand\n[Settings]\n# the date goes here\nOther=kept\n\n[More]\nX=1\n' >"$ini"
cp "$ini" "$E2E_WORK/before"
hand_over
run_and_end "comments and other keys" "${as_user[@]}"
duration_in "$ini" || e2e_fail "no date stored in a settings file of the program's own"
[[ $(grep -v '^Duration=' "$ini") == "$(cat "$E2E_WORK/before")" ]] ||
    e2e_fail "comments or other keys were not kept: $(cat "$ini")"
echo "ok: a write keeps comments and other keys"

fresh_folders
printf 'Dear diary,\ntoday I tried a numerology program.\n' >"$HOME_DIR/notes.txt"
cp "$HOME_DIR/notes.txt" "$E2E_WORK/before"
ln -s "$HOME_DIR/notes.txt" "$ini"
hand_over
run_and_end "a link to the user's notes" "${as_user[@]}"
cmp -s "$HOME_DIR/notes.txt" "$E2E_WORK/before" || e2e_fail "the notes behind the link changed"
[[ -L $ini ]] || e2e_fail "the link to the notes was replaced"

fresh_folders
{ printf '\377'; head -c 4095 /dev/urandom; } >"$ini"
cp "$ini" "$E2E_WORK/before"
hand_over
run_and_end "4 KiB of random bytes" "${as_user[@]}"
cmp -s "$ini" "$E2E_WORK/before" || e2e_fail "the random bytes were rewritten"

fresh_folders
ln -s "$HOME_DIR/elsewhere/planted.ini" "$ini"
mkdir "$HOME_DIR/elsewhere"
hand_over
run_and_end "a dangling link" "${as_user[@]}"
[[ -e $HOME_DIR/elsewhere/planted.ini ]] && e2e_fail "a file was made where the dangling link points"

fresh_folders
mkdir "$HOME_DIR/dotfiles"
printf '; kept in git\n[Settings]\n' >"$HOME_DIR/dotfiles/lumo.ini"
ln -s "$HOME_DIR/dotfiles/lumo.ini" "$ini"
hand_over
run_and_end "a link to the user's own settings" "${as_user[@]}"
[[ -L $ini ]] || e2e_fail "the dotfile link was replaced by a file"
duration_in "$HOME_DIR/dotfiles/lumo.ini" || e2e_fail "no date stored through the dotfile link"
grep -q '^; kept in git$' "$HOME_DIR/dotfiles/lumo.ini" || e2e_fail "the dotfile lost its comment"

fresh_folders
hand_over
# Set for the one start, not through env(1): as nobody, env cannot reach a program in a folder
# only root may enter (a tree under /root), where setpriv still starts it.
XDG_CONFIG_HOME=conf run_and_end "a relative XDG_CONFIG_HOME" "${as_user[@]}"
[[ -e $E2E_WORK/cwd/conf ]] && e2e_fail "a settings folder was made in the working folder"
duration_in "$HOME_DIR/.config/lumo-soul-urge-number.ini" ||
    e2e_fail "with a relative XDG_CONFIG_HOME the date did not go to ~/.config"

fresh_folders
printf '[Settings]\nDuration=1/1/2020\n' >"$ini"
truncate -s 100M "$ini"
touch -d '2020-01-01 00:00' "$ini"
hand_over
run_and_end "a 100 MB settings file" "${as_user[@]}"
[[ $(stat -c %s.%Y "$ini") == "104857600.$(date -d '2020-01-01 00:00' +%s)" ]] ||
    e2e_fail "the 100 MB file was rewritten"

fresh_folders
mkfifo "$ini"
hand_over
run_and_end "a FIFO as the settings file" "${as_user[@]}"
[[ -p $ini ]] || e2e_fail "the FIFO was replaced"

if ((EUID == 0)); then
    # sudo -E: root with the user's home, the user's link pointing at a root file.
    fresh_folders
    mkdir -m 700 "$ROOT_TMP"
    cp /etc/passwd "$E2E_WORK/passwd-copy"
    cp "$E2E_WORK/passwd-copy" "$E2E_WORK/before"
    hand_over
    chown root:root "$E2E_WORK/passwd-copy" "$ROOT_TMP"
    ln -s "$E2E_WORK/passwd-copy" "$ini"
    chown -h nobody:nogroup "$ini"
    run_and_end_as_root() {
        # Root's lock goes to its own folder; the runtime folder is nobody's.
        (cd "$E2E_WORK/cwd" && TMPDIR=$ROOT_TMP exec "$program") >"$E2E_WORK/program.log" 2>&1 &
        local pid=$!
        E2E_PIDS+=("$pid")
        e2e_wait_until "$START_SECONDS" holds_lock "$pid" \
            "$ROOT_TMP/lumo-soul-urge-number-0/lumo-soul-urge-number.lock" ||
            e2e_fail "as root with nobody's home: the program did not start"
        kill -TERM "$pid"
        e2e_expect_exit_0 "$pid" "$END_SECONDS" "as root: SIGTERM"
    }
    run_and_end_as_root
    cmp -s "$E2E_WORK/passwd-copy" "$E2E_WORK/before" || e2e_fail "root's file behind the link changed"
    [[ $(stat -c %U "$E2E_WORK/passwd-copy") == root && -L $ini ]] ||
        e2e_fail "the link or root's file was replaced"
    echo "ok: as root with nobody's home, nobody's link to a root file is not followed"
else
    echo "skip: the sudo -E case needs root"
fi

# --- The lock, left behind in every form.
plant_lock() {
    fresh_folders
    case $1 in
    read-only) printf '4242\n' >"$LOCK" && chmod 0444 "$LOCK" ;;
    mode-000) printf '4242\n' >"$LOCK" && chmod 0 "$LOCK" ;;
    other-machine) printf '4242\nlumo-soul-urge-number\nother-host\n0f1e2d3c\n' >"$LOCK" ;;
    folder) mkdir "$LOCK" ;;
    dangling-link) ln -s "$E2E_WORK/nowhere/lock" "$LOCK" ;;
    fifo) mkfifo "$LOCK" ;;
    roots-file) printf '1\n' >"$LOCK" ;;
    esac
    hand_over
    [[ $1 == roots-file ]] && chown root:root "$LOCK"
    return 0
}
lock_cases=(read-only mode-000 other-machine folder dangling-link fifo)
((EUID == 0)) && lock_cases+=(roots-file)
for left in "${lock_cases[@]}"; do
    plant_lock "$left"
    run_and_end "a stale lock: $left" "${as_user[@]}"
done
((EUID == 0)) || echo "skip: a root-owned stale lock needs root to plant"

# A copy killed while its lock was unwritable (umask 0277) does not lock the next one out.
fresh_folders
hand_over
(umask 0277 && cd "$E2E_WORK/cwd" && exec "${as_user[@]}" "$program") >"$E2E_WORK/killed.log" 2>&1 &
killed=$!
E2E_PIDS+=("$killed")
e2e_wait_until "$START_SECONDS" holds_lock "$killed" || e2e_fail "the copy under umask 0277 did not start"
kill -9 "$killed"
wait "$killed" 2>/dev/null
[[ -e $LOCK ]] || e2e_fail "the killed copy left no lock to take over"
run_and_end "the lock of a copy killed under umask 0277" "${as_user[@]}"
echo "PASS"
