#!/usr/bin/env bash
# Builds the release once more in a fresh folder and compares it byte for byte
# with the main build: the exe and the zip must not depend on when or where they
# were built.
#   check_reproducible.sh SOURCE_DIR EXE PACKAGE
set -euo pipefail
source_dir=$1 exe=$2 package=$3
again=$(mktemp -d "${TMPDIR:-/tmp}/quorlen-repro.XXXXXX")
trap 'rm -rf "$again"' EXIT

cmake --preset windows -S "$source_dir" -B "$again" >/dev/null
cmake --build "$again" --target release -j 2 >/dev/null

status=0
for built in "$exe" "$package"; do
  name=$(basename "$built")
  rebuilt=$(find "$again" -name "$name" -type f | head -n 1)
  if cmp -s "$built" "$rebuilt"; then
    echo "same bytes: $name ($(stat -c %s "$built") bytes)"
  else
    echo "FAIL: $name differs between two builds"
    status=1
  fi
done
exit $status
