#!/usr/bin/env bash
# Builds the Debian package build/brenwick_<version>_<arch>.deb from the build
# in ./build (building what is missing first).
# Reproducible: SOURCE_DATE_EPOCH (when not given) is the last commit's time,
# or the release record's date outside a git checkout; the programs' embedded
# resources and every file of the package carry that time, so two packages
# of one commit are the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null \
    || date -u -d "$(sed -n 's/^date=//p' resources/release.txt)" +%s)
fi
export SOURCE_DATE_EPOCH
bash scripts/setup.sh
bash scripts/build.sh
cd build
cpack -G DEB >/dev/null
ls "$PWD"/brenwick_*.deb
