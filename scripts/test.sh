#!/usr/bin/env bash
# Builds everything and runs every test: the unit and window tests under
# Wine through ctest, then the end-to-end tests that drive setup.exe in a
# private Xvfb. Installs what the machine lacks first (needs root then).
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT_DIR"

bash scripts/install-deps.sh
bash scripts/build.sh

source scripts/wine-env.sh
ensure_i386_exec
source scripts/xvfb.sh
start_xvfb
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  stop_xvfb
}
trap cleanup EXIT
bash scripts/wine-prefix.sh
# Start the desktop process now, outside any pipe: started later by a test,
# it would inherit ctest's output pipe and hold it open.
wine build/tests/helpers/winctl.exe list >/dev/null 2>&1 </dev/null || true

status=0
ctest --test-dir build -j 2 --timeout 120 --output-on-failure || status=1
SETUP_BUILD_DIR="$ROOT_DIR/build" /usr/bin/python3 -m pytest tests/e2e -q || status=1
exit $status
