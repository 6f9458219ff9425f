#!/usr/bin/env bash
# Fails when README.md or a page of docs/ names a file of the tree that is not there: every
# `quoted` path under one of the tree's folders (its first word, up to any <placeholder>; a * in
# it must match a tracked file), every relative link target, and every `name_*` pattern of test
# names, which must match a test named in a tests/ CMakeLists.txt.
# Usage: scripts/check-docs.sh
set -euo pipefail
cd "$(dirname "$0")/.."

readonly folders='\.ci|bench|cmake|docs|fuzz|packaging|resources|scripts|src|tests'
tracked=$(git ls-files)
test_lists=$(git ls-files -- 'tests/*CMakeLists.txt' 'tests/CMakeLists.txt')
missing=0

exists() {
  local path=${1%/}
  if [[ $path == *'*'* ]]; then
    # A pattern: some tracked file matches it, or lies under a folder that does.
    local file
    while IFS= read -r file; do
      # shellcheck disable=SC2053 # $path is a pattern on purpose.
      [[ $file == $path || $file == $path/* ]] && return 0
    done <<<"$tracked"
    return 1
  fi
  [ -e "$path" ]
}

report() {
  echo "$1: $2 names $3, which is not there" >&2
  missing=$((missing + 1))
}

for doc in README.md docs/*.md; do
  dir=$(dirname "$doc")
  # `quoted` spans: their first word, when it starts with one of the tree's folders.
  while IFS= read -r span; do
    word=${span%% *}
    word=${word%%<*}
    if [[ $word =~ ^($folders)/ ]]; then
      exists "$word" || report "$doc" path "$word"
    elif [[ $word =~ ^[a-z0-9]+_[a-z0-9_]*\*$ ]]; then
      grep -qE "(^|[ (])${word%\*}" $test_lists || report "$doc" "test pattern" "$word"
    fi
  done < <(grep -oE '`[^`]+`' "$doc" | tr -d '`')
  # Links to files of the tree, relative to the page.
  while IFS= read -r target; do
    target=${target%%#*}
    [[ -z $target || $target =~ ^[a-z]+: ]] && continue
    [ -e "$dir/$target" ] || report "$doc" link "$target"
  done < <(grep -oE '\]\([^)]+\)' "$doc" | sed 's/^](//; s/)$//')
done

if [ "$missing" -gt 0 ]; then
  echo "$missing names of missing files in the docs." >&2
  exit 1
fi
echo "Every file the docs name is there."
