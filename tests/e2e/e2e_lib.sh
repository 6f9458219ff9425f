# shellcheck shell=bash
# Helpers shared by the end-to-end tests of the real program; sourced, not run.
# Every wait is bounded; every process started here is ended by the EXIT trap.

E2E_PIDS=()
E2E_WORK=""
E2E_LAST_PID=""
readonly E2E_POLL_SECONDS=0.1
# The program's main window, and its message boxes, as xdotool matches their titles; the scripts
# that source this file use them.
# shellcheck disable=SC2034
readonly E2E_MAIN_TITLE='^Lumo Soul Urge Number v1\.65$' E2E_BOX_TITLE='^Lumo Soul Urge Number$'

e2e_dump_logs() {
    local log
    for log in "$E2E_WORK"/*.log; do
        [[ -s $log ]] && { echo "--- $log"; cat "$log"; }
    done
}

e2e_fail() {
    echo "FAIL: $*" >&2
    e2e_dump_logs >&2
    exit 1
}

e2e_require_tools() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null 2>&1 ||
            e2e_fail "$tool is not installed (scripts/test.sh installs it)"
    done
}

# Runs "$@" every E2E_POLL_SECONDS until it succeeds; fails after $1 seconds.
e2e_wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep "$E2E_POLL_SECONDS"
    done
    return 1
}

# True while the process exists and has not yet exited (a zombie counts as ended).
e2e_running() {
    local state
    state=$(awk '{ sub(/^.*\) /, ""); print $1 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n $state && $state != Z ]]
}

e2e_ended() {
    ! e2e_running "$1"
}

# Waits up to $2 seconds for the process $1, a child of this shell, to end, and fails unless it
# ended with status 0; $3 names what was to end it ("Exit", "SIGTERM").
e2e_expect_exit_0() {
    local pid=$1 seconds=$2 what=$3 status
    e2e_wait_until "$seconds" e2e_ended "$pid" || e2e_fail "$what did not end the program"
    wait "$pid"
    status=$?
    ((status == 0)) || e2e_fail "$what ended the program with status $status, not 0"
}

e2e_cleanup() {
    local pid
    # TERM first, so that a process ends what it started itself (the accessibility bus launcher
    # ends its bus); KILL what is still there after a few seconds.
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${E2E_PIDS[@]}"; do
        e2e_wait_until 5 e2e_ended "$pid" || kill -9 "$pid" 2>/dev/null
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    [[ -n $E2E_WORK ]] && rm -rf "$E2E_WORK"
}

# A private work folder with its own runtime and config folders; the trap removes it.
e2e_private_environment() {
    # Processes are watched through /proc, which a fresh chroot lacks until it is mounted.
    [[ -r /proc/self/stat ]] ||
        e2e_fail "/proc is not mounted; the tests watch processes through it"
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/lumo-e2e.XXXXXX") || e2e_fail "no temporary folder"
    trap e2e_cleanup EXIT
    # A signal ends the script through exit, so the EXIT trap still cleans up.
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
    mkdir -m 700 "$E2E_WORK/runtime" "$E2E_WORK/config"
    export XDG_RUNTIME_DIR=$E2E_WORK/runtime
    export XDG_CONFIG_HOME=$E2E_WORK/config
}

# Starts "$@" in the background, logging to $E2E_WORK/<name>.log; its id goes to E2E_LAST_PID.
e2e_start() {
    local name=$1
    shift
    "$@" >"$E2E_WORK/$name.log" 2>&1 &
    E2E_LAST_PID=$!
    E2E_PIDS+=("$E2E_LAST_PID")
}

# Starts a private X display without a window manager and exports DISPLAY; Xvfb's id goes to
# E2E_LAST_PID. Xvfb picks a free display itself and writes its number once it accepts clients;
# -noreset keeps it from resetting, and refusing clients for a moment, whenever the last client
# leaves.
e2e_start_display() {
    e2e_start xvfb Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 \
        3>"$E2E_WORK/display"
    e2e_wait_until 20 test -s "$E2E_WORK/display" || e2e_fail "Xvfb did not start"
    DISPLAY=":$(head -n1 "$E2E_WORK/display")"
    export DISPLAY
    e2e_wait_until 10 xdotool getdisplaygeometry >/dev/null 2>&1 || e2e_fail "no display $DISPLAY"
}

# The set-up of a test that runs the program $1 on a private X display: checks the tools (Xvfb,
# xdotool and any named after the program) and the program, makes the private environment, has Qt
# use X11 and starts the display, whose id goes to E2E_LAST_PID.
e2e_x11_session() {
    local program=$1
    shift
    e2e_require_tools Xvfb xdotool "$@"
    [[ -x $program ]] || e2e_fail "$program is not an executable"
    e2e_private_environment
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    e2e_start_display
}

# The set-up of a test that runs the program $1 without a display (Qt's offscreen platform):
# checks the program, makes the private environment and clears the language settings, so that
# the locale is what the test sets.
e2e_offscreen_session() {
    local program=$1
    [[ -x $program ]] || e2e_fail "$program is not an executable"
    e2e_private_environment
    export QT_QPA_PLATFORM=offscreen
    unset LANG LANGUAGE LC_ALL LC_TIME LC_MESSAGES
}

# The visible windows of process $1 whose whole title matches $2, one id a line.
e2e_windows_of() {
    xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null
}

e2e_has_window() {
    [[ -n $(e2e_windows_of "$1" "$2") ]]
}

# Gives window $1 the keyboard and types the keys that follow. Without a window manager
# windowactivate fails, and windowfocus does.
e2e_keys_to() {
    local window=$1
    shift
    timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 ||
        timeout 10 xdotool windowfocus --sync "$window" || return 1
    timeout 10 xdotool key --clearmodifiers "$@"
}
