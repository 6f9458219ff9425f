#!/usr/bin/env bash
# Start-up benchmark: the program against its floor (bench/startup_floor.cpp, the main window's
# widgets built straight with Qt), started in turn on a private Xvfb display.
# For each start it measures
#   - the time from starting the process to the X server mapping its first window, and
#   - under callgrind, the instructions spent until the first window is mapped and the process
#     has gone idle (the window drawn, the event loop waiting); the process is then ended.
# Nothing in the program is changed for this: the window is watched from outside, through the X
# server's own MapNotify event, and the count is taken with callgrind_control.
# The starts share one home and settings folder, which a first start of the program fills
# beforehand, as on a machine where the program has run before; each start gets a fresh runtime
# folder for its single-instance lock.
# Usage: bench/startup.sh [rounds [profile-folder]]
#   rounds          starts of each, in turn (default 5); the medians are printed
#   profile-folder  keeps the callgrind profiles there (floor.N, program.N), for callgrind_annotate
set -euo pipefail
rounds=${1:-5}
profiles=${2:+$(realpath -m "$2")}
cd "$(dirname "$0")/.."
# Times are read from $EPOCHREALTIME, which must use a decimal point.
LC_NUMERIC=C

scripts/install-deps.sh bench
cmake --preset default >/dev/null
cmake --build --preset default --target lumo-soul-urge-number lumo_startup_floor >/dev/null
program=$PWD/build/default/lumo-soul-urge-number
floor=$PWD/build/default/bench/lumo_startup_floor

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server, which writes its display number once it accepts connections; -noreset
# keeps it from resetting, and refusing connections meanwhile, whenever its last client leaves.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Reads xev's report of the root window: writes the time of the first MapNotify to
# $events/mapped, and creates $events/ready once xev is listening (it reports the property
# change made to find out).
read_events() {
  local events=$1 line
  while IFS= read -r line; do
    case $line in
      PropertyNotify*) [ -e "$events/ready" ] || : >"$events/ready" ;;
      MapNotify*) [ -s "$events/mapped" ] || echo "$EPOCHREALTIME" >"$events/mapped" ;;
    esac
  done
}

# Starts "$@" and waits for its first mapped window. Leaves its process id in $started, and the
# start and map times (seconds, to the microsecond) in $events.
start_watched() {
  local events=$1
  shift
  rm -rf "$events"
  mkdir -p "$events/runtime"
  chmod 700 "$events/runtime"
  mkfifo "$events/xev"
  stdbuf -oL xev -root -event substructure -event property >"$events/xev" 2>"$events/xev.err" &
  local xev=$!
  read_events "$events" <"$events/xev" &
  local reader=$!
  for _ in $(seq 200); do
    xprop -root -f _LUMO_BENCH 8s -set _LUMO_BENCH "$RANDOM"
    sleep 0.05
    [ -e "$events/ready" ] && break
  done
  if [ ! -e "$events/ready" ]; then
    echo "xev did not start watching the display:" >&2
    cat "$events/xev.err" >&2
    exit 1
  fi
  echo "$EPOCHREALTIME" >"$events/started"
  HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$events/runtime "$@" \
    >"$events/output" 2>&1 &
  started=$!
  for _ in $(seq 12000); do
    [ -s "$events/mapped" ] && break
    kill -0 "$started" 2>/dev/null || { cat "$events/output" >&2; exit 1; }
    sleep 0.005
  done
  kill "$xev" 2>/dev/null || true
  wait "$xev" "$reader" 2>/dev/null || true
  [ -s "$events/mapped" ] || { echo "no window was mapped: $*" >&2; exit 1; }
}

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Milliseconds from starting "$@" to its first mapped window.
time_to_map() {
  local events=$work/time
  start_watched "$events" "$@"
  stop "$started"
  echo "$(cat "$events/started") $(cat "$events/mapped")" |
    awk '{ printf "%.1f\n", ($2 - $1) * 1000 }'
}

# CPU ticks (user + system) the process has used so far.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# Instructions "${@:2}" spends up to its first mapped window and the idle event loop after it;
# the profile is kept as $profiles/$1 when a profile folder is given.
instructions_to_map() {
  local events=$work/callgrind name=$1
  shift
  start_watched "$events" valgrind --tool=callgrind --dump-instr=no \
    --callgrind-out-file="$events/out.%p" "$@"
  local previous=-1 current
  for _ in $(seq 600); do
    current=$(cpu_ticks "$started")
    [ "$current" = "$previous" ] && break
    previous=$current
    sleep 0.5
  done
  callgrind_control --dump "$started" >/dev/null 2>&1
  stop "$started"
  awk '/^totals:/ { print $2 }' "$events/out.$started.1"
  if [ -n "$profiles" ]; then
    mkdir -p "$profiles"
    cp "$events/out.$started.1" "$profiles/$name"
  fi
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The three contenders: the floor in the toolkit's default family, the floor in the families the
# layouts name, and the program.
contender() {
  case $1 in
    floor) command=("$floor") ;;
    named) command=("$floor" --named-families) ;;
    program) command=("$program") ;;
  esac
}
contenders=(floor named program)

# The program's first start stores the reminder date; the measured starts find it.
mkdir -p "$work/home/config"
time_to_map "$program" >/dev/null

for which in "${contenders[@]}"; do : >"$work/$which.ms" >"$work/$which.ir"; done
for round in $(seq "$rounds"); do
  # Rotate which one goes first, so that none always finds the caches warm or cold.
  order=("${contenders[@]:round % 3}" "${contenders[@]:0:round % 3}")
  for which in "${order[@]}"; do
    contender "$which"
    time_to_map "${command[@]}" >>"$work/$which.ms"
    instructions_to_map "$which.$round" "${command[@]}" >>"$work/$which.ir"
  done
  echo "round $round of $rounds done" >&2
done

for which in "${contenders[@]}"; do
  echo "$which $(median <"$work/$which.ir") $(median <"$work/$which.ms")"
done | awk -v n="$rounds" '
  { ir[$1] = $2; ms[$1] = $3 }
  END {
    printf "Start-up to the first mapped window, median of %d starts each\n", n
    printf "%-34s %14s %10s %10s\n", "", "instructions", "program /", "time to"
    printf "%-34s %14s %10s %10s\n", "", "(millions)", "this", "map (ms)"
    printf "%-34s %14.2f %10.3f %10.1f\n", "floor, toolkit default family", ir["floor"] / 1e6,
      ir["program"] / ir["floor"], ms["floor"]
    printf "%-34s %14.2f %10.3f %10.1f\n", "floor, Verdana and MS Sans Serif", ir["named"] / 1e6,
      ir["program"] / ir["named"], ms["named"]
    printf "%-34s %14.2f %10s %10.1f\n", "program", ir["program"] / 1e6, "", ms["program"]
  }'
