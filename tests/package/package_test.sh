#!/usr/bin/env bash
# The Debian package of a finished build: made with cpack into a temporary
# folder, unpacked with dpkg-deb into a temporary root, its programs run from
# there, its fields and files looked at, and lintian run on it (no errors).
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
skip=77   # ctest's SKIP_RETURN_CODE

for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/setup.sh installs it)"
    exit $skip
  fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log" >&2; fail "cpack could not make the package"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$tmp/out/brenwick_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$tmp/out")"

# The fields: libraries from the binaries, the fonts, the optional helpers.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = brenwick ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
# names: the package names of a relationship field, one a line
names() { field "$1" | tr ',' '\n' | awk '{print $1}'; }
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 zlib1g fonts-liberation; do
  names Depends | grep -qxF "$dep" || fail "Depends lacks $dep: $(field Depends)"
done
names Recommends | grep -qxF xorriso || fail "Recommends lacks xorriso: $(field Recommends)"
dpkg-deb -I "$deb" | grep -Eq '^ *[0-9]+ bytes, +[0-9]+ lines +\*? *(pre|post)(inst|rm)' \
  && fail "the package has maintainer scripts it does not need"

# The files a desktop and a reader look for.
dpkg-deb -c "$deb" | awk '{print $NF}' >"$tmp/files"
for f in ./usr/bin/brenwick ./usr/bin/brenwick-cli \
         ./usr/share/applications/brenwick.desktop \
         ./usr/share/mime/packages/brenwick.xml \
         ./usr/share/metainfo/org.velmora.brenwick.metainfo.xml \
         ./usr/share/icons/hicolor/48x48/apps/brenwick.png \
         ./usr/share/icons/hicolor/256x256/apps/brenwick.png \
         ./usr/share/doc/brenwick/help/index.html \
         ./usr/share/doc/brenwick/copyright ./usr/share/doc/brenwick/changelog.gz \
         ./usr/share/man/man1/brenwick.1.gz ./usr/share/man/man1/brenwick-cli.1.gz; do
  grep -qxF "$f" "$tmp/files" || fail "the package lacks $f"
done

# The programs run from the unpacked root, with the system's libraries only.
root="$tmp/root"
dpkg-deb -x "$deb" "$root"
cli="$root/usr/bin/brenwick-cli"
"$cli" --version | grep -qF "$version" || fail "brenwick-cli --version: $("$cli" --version)"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/brenwick" --version | grep -qF "$version" \
  || fail "brenwick --version does not name $version"
mkdir -p "$tmp/disc/Игры" "$tmp/work"
touch "$tmp/disc/Игры/setup.exe" "$tmp/disc/readme.txt"
"$cli" import "$tmp/disc" -o "$tmp/work/Velmora.XML" >/dev/null || fail "brenwick-cli import"
"$cli" resave "$tmp/work/Velmora.XML" "$tmp/work/again.xml" || fail "brenwick-cli resave"
cmp -s "$tmp/work/Velmora.XML" "$tmp/work/again.xml" || fail "a resaved project differs from the one read"
"$cli" tree "$tmp/work/again.xml" | grep -q 'program #[0-9]* "setup"' \
  || fail "the resaved project lost its entries: $("$cli" tree "$tmp/work/again.xml")"

# lintian: errors fail the test; warnings are listed in the README.
lintian --fail-on error --no-tag-display-limit "$deb" >"$tmp/lintian.log" 2>&1 \
  || { cat "$tmp/lintian.log" >&2; fail "lintian found errors"; }
cat "$tmp/lintian.log"
echo "OK: $(basename "$deb")"
