#!/usr/bin/env bash
# Configures and builds into ./build (incremental when run again).
# Compiler warnings are errors under CI (CI=true) or with BRENWICK_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
if [ "${CI:-}" = true ]; then
  werror=ON
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
      -DBRENWICK_WERROR="${BRENWICK_WERROR:-$werror}" >/dev/null
cmake --build build -j"$(nproc)"
