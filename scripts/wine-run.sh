#!/usr/bin/env bash
# Runs one Windows program under Wine; used by ctest as the cross-compiling
# emulator. The prefix and wineserver must already be up (scripts/wine-prefix.sh),
# otherwise the first wine call keeps ctest's output pipe open.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
