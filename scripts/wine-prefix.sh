#!/usr/bin/env bash
# Creates (once) and warms the Wine prefix the project runs in: 64-bit, so a
# 32-bit program sees C:\Program Files (x86) as on 64-bit Windows; windows
# unmanaged, since Xvfb has no window manager. Leaves a wineserver running.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ensure_i386_exec

if [[ ! -f $WINEPREFIX/system.reg ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
wineserver -p >/dev/null 2>&1 </dev/null || true
DISPLAY= wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
DISPLAY= wine cmd /c exit >/dev/null 2>&1 </dev/null || true
