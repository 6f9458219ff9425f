#!/usr/bin/env bash
# Runs shellcheck, at warning level, over every shell script git tracks: the files named *.sh or
# *.sh.in and every file whose first line starts it with sh, bash or dash (.ci/run, stand-ins).
# Sourced files carry a "# shellcheck shell=bash" line; -x follows what a script sources.
# Usage: scripts/check-shell.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh format

scripts=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  case $file in
    *.sh | *.sh.in) scripts+=("$file") ;;
    *) head -n1 "$file" | grep -qE '^#!.*[/ ](ba|da)?sh( |$)' && scripts+=("$file") ;;
  esac
done < <(git ls-files -z)

if shellcheck --severity=warning --external-sources "${scripts[@]}"; then
  echo "Every shell script (${#scripts[@]}) passes shellcheck."
else
  echo "Mend what shellcheck says; a '# shellcheck disable=SCxxxx' line only where the code is" \
    "right, with the reason." >&2
  exit 1
fi
