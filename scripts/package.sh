#!/usr/bin/env bash
# Builds the Debian package build/brenwick_<version>_<arch>.deb from the build
# in ./build (building what is missing first).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cd build
cpack -G DEB >/dev/null
ls "$PWD"/brenwick_*.deb
