#!/usr/bin/env bash
# Proves that a release can be rebuilt byte for byte: runs scripts/release.sh in two fresh clones
# of HEAD, at paths of different lengths, one after the other, with a different umask and time
# zone, and compares their SHA256SUMS. On a difference it names the files that differ and shows
# diffoscope's account of them. Prints the time of each step. Given a folder, it keeps the
# release there (both files and SHA256SUMS) once it is proven: CI tests that one on Windows and
# Debian 13 rather than building the program for them again.
# Usage: scripts/reproducible.sh [folder to keep the release in]
set -euo pipefail
keep=""
[ -z "${1:-}" ] || keep=$(realpath -m "$1")
cd "$(dirname "$0")/.."
source scripts/timing.sh

scripts/install-deps.sh reproducible
if ! git diff --quiet HEAD --; then
  echo "Note: uncommitted changes are not tested; the clones hold HEAD." >&2
fi
commit=$(git rev-parse HEAD)

# The compiler must see every path itself: a compiler cache would hide path differences.
export CCACHE_DISABLE=1 CMAKE_BUILD_PARALLEL_LEVEL=2
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER

root=$(mktemp -d "${TMPDIR:-/tmp}/lumo-reproducible.XXXXXX")
first=$root/a
second=$root/second-copy/at-a-longer-path

copy() { git clone -q --no-checkout "$PWD" "$1" && git -C "$1" checkout -q --detach "$commit"; }
release() {
  local dir=$1 mask=$2 zone=$3
  (cd "$dir" && umask "$mask" && TZ=$zone scripts/release.sh "$dir/out")
}

timed "copy 1" copy "$first"
timed "release 1" release "$first" 022 UTC
# A few seconds at least between the two, however fast the second build is.
sleep 5
timed "copy 2" copy "$second"
timed "release 2" release "$second" 077 Pacific/Kiritimati

print_times "Time per step:"
if cmp -s "$first/out/SHA256SUMS" "$second/out/SHA256SUMS"; then
  echo "Reproducible: both builds of $commit give"
  cat "$first/out/SHA256SUMS"
  if [ -n "$keep" ]; then
    rm -rf "$keep"
    mkdir -p "$keep"
    cp "$first"/out/* "$keep/"
    echo "The release is kept in $keep."
  fi
  rm -rf "$root"
  exit 0
fi

echo "NOT reproducible: the two builds of $commit differ:" >&2
diff "$first/out/SHA256SUMS" "$second/out/SHA256SUMS" >&2 || true
while read -r _ file; do
  if ! cmp -s "$first/out/$file" "$second/out/$file"; then
    echo "-- $file differs" >&2
    if command -v diffoscope >/dev/null; then
      diffoscope --text - "$first/out/$file" "$second/out/$file" | head -n 200 >&2 || true
    fi
  fi
done <"$first/out/SHA256SUMS"
echo "Both builds are kept in $root." >&2
exit 1
