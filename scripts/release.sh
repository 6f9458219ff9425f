#!/usr/bin/env bash
# Builds a release of the checked-out commit: the Debian package and the Windows installer, each
# the same byte for byte whoever builds that commit, in whatever folder and at whatever time.
# Copies both into dist/ (or the folder given), writes their SHA256SUMS there and prints it.
# The build folders build/package and build/windows are made afresh.
# Usage: scripts/release.sh [output-folder]
#   LUMO_RELEASE_ALLOW_DIRTY=1 builds a tree with uncommitted changes (for trying, not releasing).
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-dist}")

# A release is a commit: a change that is not committed is not in what a user rebuilds.
if [ "${LUMO_RELEASE_ALLOW_DIRTY:-0}" != 1 ]; then
  if ! git rev-parse --verify -q HEAD >/dev/null 2>&1; then
    echo "Not a git checkout: a release is built from a commit" \
      "(LUMO_RELEASE_ALLOW_DIRTY=1 and SOURCE_DATE_EPOCH to build anyway)." >&2
    exit 1
  fi
  if ! git diff --quiet HEAD --; then
    echo "Uncommitted changes to tracked files; commit them first" \
      "(LUMO_RELEASE_ALLOW_DIRTY=1 to build anyway):" >&2
    git status --short --untracked-files=no >&2
    exit 1
  fi
fi

# Every time stamp is the commit's; messages and sorting do not follow the builder's language.
SOURCE_DATE_EPOCH=$(scripts/source-date-epoch.sh)
export SOURCE_DATE_EPOCH LC_ALL=C.UTF-8

# Nothing of an earlier build takes part.
rm -rf build/package build/windows
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

start=$SECONDS
scripts/package.sh "$work"
deb=$(ls "$work"/lumo-soul-urge-number_*.deb)
deb_seconds=$((SECONDS - start))
start=$SECONDS
scripts/windows.sh installer
setup=build/windows/lumo-soul-urge-number-1.65-setup.exe
[ -f "$setup" ] || { echo "The installer $setup was not built." >&2; exit 1; }
setup_seconds=$((SECONDS - start))

mkdir -p "$output"
cp "$deb" "$setup" "$output/"
(cd "$output" && sha256sum "$(basename "$deb")" "$(basename "$setup")" | sort -k 2 >SHA256SUMS)
echo "Release of commit $(git rev-parse --short HEAD 2>/dev/null || echo '(no history)')," \
  "dated $(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC')," \
  "in $output (Debian package $deb_seconds s, Windows installer $setup_seconds s):"
cat "$output/SHA256SUMS"
