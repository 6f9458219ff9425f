#!/usr/bin/env bash
# Proves the program on Debian 13 ("trixie") from a Debian 12 machine:
#   1. package: the Debian package built here, on Debian 12 (scripts/package.sh), unless one is
#      given (CI gives the one scripts/reproducible.sh built and proved);
#   2. system: a minimal Debian 13, made once with debootstrap from this machine's Debian mirror
#      and kept under the cache folder; made anew when it is more than a week old;
#   3. tests: the test command (scripts/test.sh) inside it, on a fresh copy of this tree;
#   4. install: the package installed there with apt-get, started under Xvfb until its main
#      window shows, and purged, leaving no file of it behind (tests/package/installed_system.sh).
# /proc, /dev, /dev/pts and /sys are mounted inside for steps 3 and 4 and unmounted whatever
# happens. Steps 2 to 4 need root, or sudo; the package and the tree's copy are made as the one
# who runs this, so no file in the tree becomes root's. Prints how long each step took.
# Usage: scripts/debian13.sh [package.deb]
set -euo pipefail
given_package=""
if [ -n "${1:-}" ] && [ "$1" != --as-root ]; then
  [ -f "$1" ] || { echo "usage: scripts/debian13.sh [package.deb]: no file '$1'" >&2; exit 2; }
  given_package=$(realpath "$1")
fi
cd "$(dirname "$0")/.."

readonly suite=trixie
readonly max_age_days=7
readonly tree=/root/lumo-soul-urge-number

run_step() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  printf '%-8s %4d s\n' "$name" $((SECONDS - start)) >>"$work/timings"
}

# ---- Steps 2 to 4, as root, in the work folder the first part made ----
if [ "${1:-}" = --as-root ]; then
  work=${2:?}
  cache_root=${LUMO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/lumo-soul-urge-number}
  root=$(realpath -m "$cache_root/debian-13-$suite-minbase")

  # The mirror this machine installs from (its first Debian archive address), unless one is given.
  host_mirror() {
    local uri
    uri=$(grep -rhsE '^(URIs:|deb )' /etc/apt/sources.list /etc/apt/sources.list.d/ |
      grep -oE 'https?://[^ ]+/debian/?$' | head -n1) || true
    echo "${uri:-http://deb.debian.org/debian}"
  }

  # Anything a step left running inside would keep the mounts busy.
  end_processes_inside() {
    local link pid
    for link in /proc/[0-9]*/root; do
      [ "$(readlink "$link" 2>/dev/null)" = "$root" ] || continue
      pid=${link#/proc/}
      pid=${pid%/root}
      echo "Ending a process left running inside: $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
      kill -9 "$pid" 2>/dev/null || true
    done
  }

  # Every mount under the system, deepest first: this run's, or those of a run that was killed.
  unmount_all() {
    local point
    end_processes_inside
    awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/self/mounts | sort -r |
      while read -r point; do
        umount "$point" 2>/dev/null || umount -l "$point"
      done
  }

  cleanup() {
    unmount_all
    # The cache keeps the system, not this run's tree and build.
    rm -rf --one-file-system "${root:?}$tree"
  }
  trap cleanup EXIT
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 143' TERM

  # Runs a command inside the system as root, with a clean environment.
  inside() {
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
  }

  make_system() {
    if [ -f "$root/.complete" ] && [ -n "$(find "$root/.complete" -mtime -"$max_age_days")" ]; then
      echo "Debian 13 system: $root (made $(cat "$root/.complete"))"
      return
    fi
    [ -e "$root" ] && echo "Debian 13 system: making it anew (over $max_age_days days old)"
    unmount_all
    rm -rf --one-file-system "$root" "$root.partial"
    scripts/install-deps.sh system
    local mirror
    mirror=${LUMO_DEBIAN_MIRROR:-$(host_mirror)}
    echo "Debian 13 system: debootstrap from $mirror into $root"
    mkdir -p "$cache_root"
    if ! debootstrap --variant=minbase "$suite" "$root.partial" "$mirror" \
      >"$work/debootstrap.log" 2>&1; then
      tail -n 30 "$work/debootstrap.log" >&2
      rm -rf --one-file-system "$root.partial"
      exit 1
    fi
    printf 'deb %s %s main\n' "$mirror" "$suite" "$mirror" "$suite-updates" \
      >"$root.partial/etc/apt/sources.list"
    date -u +%Y-%m-%d >"$root.partial/.complete"
    mv "$root.partial" "$root"
  }

  prepare() {
    unmount_all
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    rm -rf --one-file-system "${root:?}$tree"
    mkdir -p "$root$tree"
    tar -xf "$work/tree.tar" -C "$root$tree"
  }

  run_tests() {
    inside bash -c "cd $tree && scripts/test.sh"
  }

  install_package() {
    local deb
    deb=$(basename "$work"/deb/*.deb)
    cp "$work/deb/$deb" "$root/tmp/$deb"
    inside bash "$tree/tests/package/installed_system.sh" "/tmp/$deb" "$tree"
    rm -f "$root/tmp/$deb"
  }

  run_step system make_system
  prepare
  run_step tests run_tests
  run_step install install_package
  inside apt-get clean
  exit 0
fi

# ---- Step 1, and the tree's copy, as the one who runs this ----
work=$(mktemp -d "${TMPDIR:-/tmp}/lumo-debian13.XXXXXX")
trap 'rm -rf "$work"' EXIT

build_package() {
  scripts/package.sh "$work/deb" >/dev/null
}
if [ -n "$given_package" ]; then
  mkdir -p "$work/deb"
  cp "$given_package" "$work/deb/"
  echo "Debian 13: installing the package given, $given_package"
else
  run_step package build_package
fi
# A fresh copy of the tree: what git tracks or would track, no build folders.
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf "$work/tree.tar"

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "scripts/debian13.sh needs root or sudo." >&2; exit 1; }
  as_root=(sudo "--preserve-env=LUMO_CACHE_DIR,LUMO_DEBIAN_MIRROR,XDG_CACHE_HOME")
fi
"${as_root[@]}" "$0" --as-root "$work"
printf '%s\n' "Debian 13: time per step:"
cat "$work/timings"
