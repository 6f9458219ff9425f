# shellcheck shell=bash
# Notes how long each step of a script takes; sourced, not run.
#   timed <name> <command>...  runs the command (under the caller's set -e) and notes its time;
#   print_times <heading>      prints the times noted, and the step under way if the script is
#                              ending in its midst (from an EXIT trap: that step failed).
LUMO_TIMES=()
LUMO_STEP=""
LUMO_STEP_START=0

timed() {
  LUMO_STEP=$1
  LUMO_STEP_START=$SECONDS
  shift
  echo "== $LUMO_STEP ($(date -u '+%H:%M:%S UTC'))"
  "$@"
  LUMO_TIMES+=("$(printf '%-16s %5d s' "$LUMO_STEP" $((SECONDS - LUMO_STEP_START)))")
  LUMO_STEP=""
}

print_times() {
  printf '%s\n' "$1" "${LUMO_TIMES[@]}"
  if [ -n "$LUMO_STEP" ]; then
    printf '%-16s %5d s, failed\n' "$LUMO_STEP" $((SECONDS - LUMO_STEP_START))
  fi
}
