#!/usr/bin/env bash
# Setup fixture of the Wine scenarios: Xvfb, the zh_CN.UTF-8 locale and a fresh prefix.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_say "session ready on display $DISPLAY, prefix $WINEPREFIX"
