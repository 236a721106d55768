#!/usr/bin/env bash
# Builds everything and runs every test: the portable code's unit tests natively,
# then quorlen.exe and its Windows tests under Wine (the tests start their own
# Xvfb and Wine prefix). Installs what the machine lacks first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
