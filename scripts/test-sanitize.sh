#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan (incremental when run again) and runs every test headless there.
# Any finding (a use after free, a leak, a signed overflow...) fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENWICK_SANITIZE=ON \
      -DBRENWICK_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd build-asan
ctest --output-on-failure -j"$(nproc)"
