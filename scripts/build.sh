#!/usr/bin/env bash
# Configures and builds the program (and, unless told otherwise, the tests)
# in build/. Usage: scripts/build.sh [target...]
set -euo pipefail
ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${SETUP_BUILD_DIR:-$ROOT_DIR/build}

if [[ ! -f $BUILD_DIR/CMakeCache.txt ]]; then
  cmake -S "$ROOT_DIR" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT_DIR/cmake/toolchain-i686-mingw.cmake" >/dev/null
fi
if [[ $# -eq 0 ]]; then
  cmake --build "$BUILD_DIR" -j "$(nproc)"
else
  for target in "$@"; do cmake --build "$BUILD_DIR" -j "$(nproc)" --target "$target"; done
fi
