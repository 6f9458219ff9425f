#!/usr/bin/env bash
# Proves the program on Debian 13 ("trixie") from a Debian 12 machine:
#   1. system: a minimal Debian 13, made once with debootstrap from this machine's Debian mirror
#      and kept under the cache folder; made anew when it is more than a week old;
#   2. tests: the test command (scripts/test.sh) inside it, on a fresh copy of this tree;
#   3. package: the Debian package built here (scripts/package.sh) installed there with apt-get,
#      started under Xvfb until its main window shows, and purged, leaving no file of it behind
#      (tests/package/installed_system.sh).
# /proc, /dev, /dev/pts and /sys are mounted inside for the steps and unmounted whatever happens.
# Needs root, or sudo. Prints how long each step took.
# Usage: scripts/debian13.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "scripts/debian13.sh needs root or sudo." >&2; exit 1; }
  exec sudo --preserve-env=LUMO_CACHE_DIR,LUMO_DEBIAN_MIRROR,XDG_CACHE_HOME "$0" "$@"
fi

readonly suite=trixie
readonly max_age_days=7
cache_root=${LUMO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/lumo-soul-urge-number}
root=$cache_root/debian-13-$suite-minbase
readonly tree=/root/lumo-soul-urge-number
work=$(mktemp -d "${TMPDIR:-/tmp}/lumo-debian13.XXXXXX")

timings=()
run_step() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  timings+=("$(printf '%-8s %4d s' "$name" $((SECONDS - start)))")
}

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

mounted=()
unmount_all() {
  local i
  end_processes_inside
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
  done
  mounted=()
}
cleanup() {
  unmount_all
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

mount_all() {
  mount -t proc proc "$root/proc" && mounted+=("$root/proc")
  mount -t sysfs sysfs "$root/sys" && mounted+=("$root/sys")
  mount --bind /dev "$root/dev" && mounted+=("$root/dev")
  mount --bind /dev/pts "$root/dev/pts" && mounted+=("$root/dev/pts")
}

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
  rm -rf "$root"
  scripts/install-deps.sh system
  local mirror
  mirror=${LUMO_DEBIAN_MIRROR:-$(host_mirror)}
  echo "Debian 13 system: debootstrap from $mirror into $root"
  mkdir -p "$cache_root"
  debootstrap --variant=minbase "$suite" "$root.partial" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    {
      tail -n 30 "$work/debootstrap.log" >&2
      rm -rf "$root.partial"
      exit 1
    }
  cat >"$root.partial/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
EOF
  date -u +%Y-%m-%d >"$root.partial/.complete"
  mv "$root.partial" "$root"
}

prepare() {
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount_all
  # A fresh copy of the tree: what git tracks or would track, no build folders.
  rm -rf "$root$tree"
  mkdir -p "$root$tree"
  git ls-files -z --cached --others --exclude-standard |
    tar --null -T - -cf - | tar -xf - -C "$root$tree"
}

run_tests() {
  inside bash -c "cd $tree && scripts/test.sh"
}

package() {
  local deb
  deb=$(scripts/package.sh "$work/deb" | tail -n1)
  cp "$deb" "$root/tmp/"
  inside bash "$tree/tests/package/installed_system.sh" "/tmp/$(basename "$deb")" "$tree"
  rm -f "$root/tmp/$(basename "$deb")"
}

run_step system make_system
prepare
run_step tests run_tests
run_step package package
unmount_all
printf '%s\n' "Debian 13: time per step:" "${timings[@]}"
