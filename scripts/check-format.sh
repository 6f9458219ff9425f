#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from clang-format's output (.clang-format),
# and names each such file with the change that would mend it.
# Usage: scripts/check-format.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh format

status=0
while IFS= read -r -d '' file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "$file differs from clang-format's output:" >&2
    clang-format "$file" | diff -u "$file" - >&2 || true
    status=1
  fi
done < <(git ls-files -z -- '*.cpp' '*.h')
[ "$status" -eq 0 ] && echo "Every C++ file is formatted."
[ "$status" -eq 0 ] || echo "Format them with: clang-format -i <file>" >&2
exit "$status"
