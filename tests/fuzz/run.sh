#!/bin/sh
# Builds the settings fuzz target with clang's libFuzzer and sanitizers, then runs it
# on one core for the given number of seconds (default 60).
# Usage: tests/fuzz/run.sh [seconds]
# The build, corpus and any crash inputs go to $QUORLEN_FUZZ_DIR (default
# /tmp/quorlen-fuzz), never into the source tree.
set -eu

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=${QUORLEN_FUZZ_DIR:-/tmp/quorlen-fuzz}
mkdir -p "$work/corpus"

clang++ -std=c++20 -g -O1 -Wall -Wextra \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I "$root/src" \
  "$here/settings_fuzzer.cpp" "$root/src/app/integer_text.cpp" "$root/src/app/settings_store.cpp" \
  -o "$work/settings_fuzzer"

# 512 bytes is ample for any settings line and keeps the line checks quick.
exec "$work/settings_fuzzer" -max_total_time="$seconds" -max_len=512 \
  -dict="$here/settings.dict" -artifact_prefix="$work/" -print_final_stats=1 \
  "$work/corpus"
