#!/usr/bin/env bash
# Builds setup.exe and starts it under Wine: on $DISPLAY when there is one
# (until you close it), otherwise in a private Xvfb, where a screenshot is
# saved to build/setup-screenshot.png and the program is then ended.
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT_DIR"

bash scripts/install-deps.sh
bash scripts/build.sh setup

source scripts/wine-env.sh
ensure_i386_exec
bash scripts/wine-prefix.sh

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  exec wine build/setup.exe
fi

source scripts/xvfb.sh
start_xvfb
trap 'pkill -f "build/setup.exe" 2>/dev/null || true; stop_xvfb' EXIT
wine build/setup.exe >/dev/null 2>&1 &
for _ in $(seq 1 120); do
  xwininfo -root -tree 2>/dev/null | grep -q '"setup.exe"' && break
  sleep 0.5
done
sleep 3
xdotool mousemove 5 5 2>/dev/null || true
sleep 1
/usr/bin/import -window root build/setup-screenshot.png
echo "setup.exe is running in a private Xvfb; screenshot: build/setup-screenshot.png"
