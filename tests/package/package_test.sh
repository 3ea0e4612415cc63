#!/usr/bin/env bash
# The Debian package of a finished build: made with cpack into a temporary
# folder, unpacked with dpkg-deb into a temporary root, its programs run from
# there, its fields and files looked at, and lintian run on it (no errors).
# Also: a second package of the same build is the same bytes; the editor run
# as root from the unpacked root writes nothing into it; the MIME database
# built from the packaged type knows project files by name and by content.
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

# Two packages of one build, a while apart, with the time the commit gives.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1700000000}
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
for out in out again; do
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/$out" >"$tmp/cpack.log" 2>&1 \
    || { cat "$tmp/cpack.log" >&2; fail "cpack could not make the package"; }
  [ $out = again ] || sleep 1.1
done
deb="$tmp/out/brenwick_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$tmp/out")"
cmp -s "$deb" "$tmp/again/$(basename "$deb")" || fail "two packages of one build differ"

# The fields: libraries from the binaries, the fonts, the optional helpers.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = brenwick ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
# names: the package names of a relationship field, one a line
names() { field "$1" | tr ',' '\n' | awk '{print $1}'; }
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 zlib1g fonts-liberation2 fonts-crosextra-carlito \
           fonts-crosextra-caladea; do
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

# The release record dates the changelog and the manual pages, not the build.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
release_date=$(sed -n 's/^date=//p' "$source_dir/resources/release.txt")
zcat "$root/usr/share/man/man1/brenwick.1.gz" | head -1 | grep -qF "\"$release_date\" \"Velmora Brenwick $version\"" \
  || fail "brenwick(1) is not dated $release_date: $(zcat "$root/usr/share/man/man1/brenwick.1.gz" | head -1)"
grep -qF "<release version=\"$version\" date=\"$release_date\">" "$root/usr/share/metainfo/org.velmora.brenwick.metainfo.xml" \
  || fail "the AppStream file has no release $version of $release_date"
zcat "$root/usr/share/doc/brenwick/changelog.gz" | grep -qF "  $(LC_ALL=C date -u -d "$release_date" '+%a, %d %b %Y') 00:00:00 +0000" \
  || fail "the changelog is not dated $release_date: $(zcat "$root/usr/share/doc/brenwick/changelog.gz")"
zcat "$root/usr/share/doc/brenwick/changelog.gz" | head -1 | grep -qF "brenwick ($version)" \
  || fail "the changelog's entry is not $version"

# The licence: MIT in the machine-readable copyright file and in AppStream.
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/usr/share/doc/brenwick/copyright" || fail "the copyright file is not machine-readable"
grep -qx 'License: MIT' "$root/usr/share/doc/brenwick/copyright" || fail "the copyright file names no MIT licence"
grep -qF '<project_license>MIT</project_license>' "$root/usr/share/metainfo/org.velmora.brenwick.metainfo.xml" \
  || fail "the AppStream file names no MIT licence"

# Run as root from the unpacked tree, the editor writes nothing there: its
# settings go to the user's configuration folder. SIGTERM closes it as its
# window's close button does, so the settings are written.
before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
home="$tmp/home"
mkdir -p "$home"
HOME="$home" XDG_CONFIG_HOME= XDG_DATA_HOME= BRENWICK_RECOVERY_DIR= QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/brenwick" >"$tmp/editor.log" 2>&1 &
editor=$!
sleep 2
kill -TERM $editor
wait $editor || fail "the editor did not end by SIGTERM: status $?, $(cat "$tmp/editor.log")"
after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the editor wrote into its installed tree: $(diff <(echo "$before") <(echo "$after") | tail -5)"
grep -q '^\[window\]' "$home/.config/brenwick/brenwick.ini" 2>/dev/null \
  || fail "the settings are not in ~/.config/brenwick/brenwick.ini: $(cd "$home" && find . -type f)"

# The MIME type from the packaged file, with shared-mime-info's own types: a
# file named Velmora.XML (any case) is a project by its name, another XML file
# stays XML, and a project is known by its content whatever its name.
if command -v update-mime-database >/dev/null && command -v gio >/dev/null; then
  grep -qx 'MimeType=application/x-velmora-project;' "$root/usr/share/applications/brenwick.desktop" \
    || fail "the menu entry declares other types: $(grep MimeType "$root/usr/share/applications/brenwick.desktop")"
  mkdir -p "$tmp/share/mime/packages" "$tmp/typed" "$tmp/nothing"
  cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/brenwick.xml" "$tmp/share/mime/packages/"
  update-mime-database "$tmp/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused the packaged type"
  type_of() { XDG_DATA_HOME="$tmp/nothing" XDG_DATA_DIRS="$tmp/share" gio info -a standard::content-type "$1" \
                | sed -n 's/^ *standard::content-type: //p'; }
  printf '<?xml version="1.0"?>\n<other/>\n' >"$tmp/typed/plain.xml"
  for name in Velmora.XML velmora.xml VELMORA.Xml; do
    mkdir -p "$tmp/typed/$name.d" && cp "$tmp/typed/plain.xml" "$tmp/typed/$name.d/$name"
    [ "$(type_of "$tmp/typed/$name.d/$name")" = application/x-velmora-project ] \
      || fail "$name is $(type_of "$tmp/typed/$name.d/$name") by its name"
  done
  [ "$(type_of "$tmp/typed/plain.xml")" = application/xml ] || fail "plain.xml is $(type_of "$tmp/typed/plain.xml")"
  cp "$tmp/work/Velmora.XML" "$tmp/typed/menu-project"
  [ "$(type_of "$tmp/typed/menu-project")" = application/x-velmora-project ] \
    || fail "a project without its name is $(type_of "$tmp/typed/menu-project") by its content"
fi

# lintian: errors fail the test; warnings are listed in the README.
lintian --fail-on error --no-tag-display-limit "$deb" >"$tmp/lintian.log" 2>&1 \
  || { cat "$tmp/lintian.log" >&2; fail "lintian found errors"; }
cat "$tmp/lintian.log"
echo "OK: $(basename "$deb")"
