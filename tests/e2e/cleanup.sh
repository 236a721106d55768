#!/usr/bin/env bash
# Cleanup fixture of the Wine scenarios: ends the wineserver and the Xvfb of the run.
source "$(dirname "$0")/lib.sh"
e2e_cleanup
