#!/usr/bin/env bash
# Installs what building and testing Brenwick needs on Debian 12, if missing.
# As root it installs; otherwise it prints the exact command to run and fails.
set -euo pipefail

PACKAGES=(build-essential cmake pkg-config qt6-base-dev zlib1g-dev googletest libgtest-dev
          fonts-liberation fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea
          fonts-dejavu-core xvfb xauth desktop-file-utils xorriso
          qt6-translations-l10n appstream shared-mime-info
          qt6-l10n-tools qt6-tools-dev)
# The Debian package (scripts/package.sh) and its test.
PACKAGES+=(dpkg-dev file lintian libglib2.0-bin)   # gio: the MIME lookup of the package test
# The menu player Velmora.EXE: cross-compiled for Windows, tested under Wine.
# A 32-bit program, so that it starts on 32-bit Windows too; Wine runs it through wine32.
PACKAGES+=(g++-mingw-w64-i686-posix libz-mingw-w64-dev wine wine64 wine32:i386 xdotool imagemagick)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # wine32 comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Run as root:" >&2
  echo "  dpkg --add-architecture i386 && apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
