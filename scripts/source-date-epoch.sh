#!/usr/bin/env bash
# Prints the time every file of a build is dated with, in seconds since 1970: SOURCE_DATE_EPOCH
# when it is set (a copy of the tree without its history passes the commit's time in), else the
# time of the checked-out commit. Fails when neither is known.
# Usage: scripts/source-date-epoch.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  if ! [[ $SOURCE_DATE_EPOCH =~ ^[0-9]+$ ]]; then
    echo "SOURCE_DATE_EPOCH must be seconds since 1970, not '$SOURCE_DATE_EPOCH'." >&2
    exit 1
  fi
  echo "$SOURCE_DATE_EPOCH"
  exit 0
fi
if ! epoch=$(git log -1 --format=%ct 2>/dev/null) || [ -z "$epoch" ]; then
  echo "No commit to take the time from: set SOURCE_DATE_EPOCH (seconds since 1970)." >&2
  exit 1
fi
echo "$epoch"
