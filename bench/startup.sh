#!/usr/bin/env bash
# Start-up benchmark: the program against its floors (bench/startup_floor.cpp, the main window's
# widgets built straight with Qt), started in turn on a private Xvfb display. The floors:
#   bare     the bare widget tree: same controls, texts, geometry and palette, the toolkit's
#            default font throughout and no window icon;
#   floor    the same with the layouts' font sizes in the toolkit's default family, and the icon;
#   named    the same naming Verdana and MS Sans Serif, as the layouts do.
# For each start it measures
#   - the time from starting the process to the X server mapping its first window,
#   - the peak memory (VmHWM) once that window is drawn and the process has gone idle, and
#   - under callgrind, the instructions spent until the process asks the X server to map its
#     first window (xcb_map_window), and until it has gone idle after that (the window drawn,
#     the event loop waiting); the process is then ended.
# Nothing in the program is changed for this: the window is watched from outside, through the X
# server's own MapNotify event, and the counts are taken with callgrind's own dumps.
# The starts share one home and settings folder, which a first start of the program fills
# beforehand, as on a machine where the program has run before; each start gets a fresh runtime
# folder for its single-instance lock.
# Usage: [LUMO_BENCH_FONTS=release] bench/startup.sh [rounds [profile-folder]]
#   LUMO_BENCH_FONTS=release  starts everything with only the fonts a Debian 12 desktop with the
#                   program's package has (DejaVu, Liberation, URW), whatever else this machine
#                   has installed: the font system's matching costs grow with every font
#                   installed, for the floors and the program alike
#   rounds          starts of each, in turn (default 5); the medians are printed
#   profile-folder  keeps the callgrind profiles there (bare.N.1, program.N.2, ...: the part up
#                   to the map, then the part to idle), for callgrind_annotate
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
display=$(cat "$work/display")
export DISPLAY=":$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

if [ "${LUMO_BENCH_FONTS:-}" = release ]; then
  fonts=()
  for dir in /usr/share/fonts/truetype/dejavu /usr/share/fonts/truetype/liberation2 \
    /usr/share/fonts/opentype/urw-base35 /usr/share/fonts/type1/urw-base35; do
    [ -d "$dir" ] && fonts+=("<dir>$dir</dir>")
  done
  cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  ${fonts[*]}
  <cachedir>$work/fontconfig</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
CONF
  export FONTCONFIG_FILE=$work/fonts.conf
  fc-cache >/dev/null 2>&1 || true
fi

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

# CPU ticks (user + system) the process has used so far.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

# Waits until process $1 has used no CPU for one interval of $2 seconds (at most 300 s).
wait_idle() {
  local previous=-1 current
  for _ in $(seq "$(awk -v s="$2" 'BEGIN { print int(300 / s) }')"); do
    current=$(cpu_ticks "$1")
    [ "$current" = "$previous" ] && break
    previous=$current
    sleep "$2"
  done
}

# Milliseconds from starting "$@" to its first mapped window, and its peak resident memory in
# KiB once it has gone idle after that.
time_to_map() {
  local events=$work/time
  start_watched "$events" "$@"
  wait_idle "$started" 0.2
  local peak
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$started/status")
  stop "$started"
  echo "$(cat "$events/started") $(cat "$events/mapped") $peak" |
    awk '{ printf "%.1f %d\n", ($2 - $1) * 1000, $3 }'
}

# Instructions "${@:2}" spends up to asking for its first window to be mapped, and up to the
# idle event loop after that window is drawn; the profiles are kept as $profiles/$1.N when a
# profile folder is given.
instructions_to_map() {
  local events=$work/callgrind name=$1
  shift
  start_watched "$events" valgrind --tool=callgrind --dump-instr=no \
    --dump-after=xcb_map_window --callgrind-out-file="$events/out.%p" "$@"
  wait_idle "$started" 0.5
  callgrind_control --dump "$started" >/dev/null 2>&1
  stop "$started"
  # Each dump holds what was spent since the one before: the first ends at the map.
  local dumps=("$events/out.$started".*)
  [ ${#dumps[@]} -ge 2 ] || { echo "callgrind wrote no dump at the map: $*" >&2; exit 1; }
  awk '/^totals:/ { total += $2; if (FILENAME ~ /\.1$/) mapped = $2 }
    END { print mapped, total }' "${dumps[@]}"
  if [ -n "$profiles" ]; then
    mkdir -p "$profiles"
    for dump in "${dumps[@]}"; do cp "$dump" "$profiles/$name.${dump##*.}"; done
  fi
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The contenders: the three floors (above) and the program.
contender() {
  case $1 in
    bare) command=("$floor" --bare) ;;
    floor) command=("$floor") ;;
    named) command=("$floor" --named-families) ;;
    program) command=("$program") ;;
  esac
}
contenders=(bare floor named program)

# The program's first start stores the reminder date; the measured starts find it.
mkdir -p "$work/home/config"
time_to_map "$program" >/dev/null

for which in "${contenders[@]}"; do
  : >"$work/$which.time"
  : >"$work/$which.ir"
done
for round in $(seq "$rounds"); do
  # Rotate which one goes first, so that none always finds the caches warm or cold.
  shift_by=$((round % ${#contenders[@]}))
  order=("${contenders[@]:shift_by}" "${contenders[@]:0:shift_by}")
  for which in "${order[@]}"; do
    contender "$which"
    time_to_map "${command[@]}" >>"$work/$which.time"
    instructions_to_map "$which.$round" "${command[@]}" >>"$work/$which.ir"
  done
  echo "round $round of $rounds done" >&2
done

# One line per contender: the medians of instructions to the map and to idle, time to the map
# and peak memory.
for which in "${contenders[@]}"; do
  echo "$which $(cut -d' ' -f1 "$work/$which.ir" | median) $(cut -d' ' -f2 "$work/$which.ir" |
    median) $(cut -d' ' -f1 "$work/$which.time" | median) $(cut -d' ' -f2 "$work/$which.time" |
    median)"
done | awk -v n="$rounds" '
  { name[NR] = $1; map[$1] = $2; idle[$1] = $3; ms[$1] = $4; kib[$1] = $5 }
  END {
    label["bare"] = "bare widget tree"
    label["floor"] = "floor, default family, icon"
    label["named"] = "floor, Verdana, MS Sans Serif"
    label["program"] = "program"
    printf "Start-up, median of %d starts each; program / this in brackets\n", n
    printf "%-30s %18s %18s %18s %18s\n", "", "to map (M instr.)", "to idle (M instr.)",
      "time to map (ms)", "peak memory (MiB)"
    p = "program"
    for (i = 1; i <= NR; ++i) {
      w = name[i]
      if (w == p) {
        printf "%-30s %10.2f %7s %10.2f %7s %10.1f %7s %10.1f %7s\n", label[w], map[w] / 1e6, "",
          idle[w] / 1e6, "", ms[w], "", kib[w] / 1024, ""
      } else {
        printf "%-30s %10.2f (%5.3f) %10.2f (%5.3f) %10.1f (%5.3f) %10.1f (%5.3f)\n", label[w],
          map[w] / 1e6, map[p] / map[w], idle[w] / 1e6, idle[p] / idle[w], ms[w], ms[p] / ms[w],
          kib[w] / 1024, kib[p] / kib[w]
      }
    }
  }'
