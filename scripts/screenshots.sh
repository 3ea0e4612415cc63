#!/usr/bin/env bash
# Makes the README's screenshots from the real program: a sample project made
# by the folder import, shown in the editor under a virtual X server, and the
# design window drawn by "brenwick-cli render".
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
for tool in xvfb-run import xwininfo xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "Needs xvfb, imagemagick, x11-utils and xdotool: apt-get install -y xvfb imagemagick x11-utils xdotool" >&2
    exit 1
  fi
done
bash scripts/build.sh >/dev/null
out=docs/screenshots
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

disc="$work/Диск"
mkdir -p "$disc/Игры" "$disc/Офис"
touch "$disc/Игры/Тетрис.exe" "$disc/Игры/Шахматы.exe" \
      "$disc/Офис/Редактор.exe" "$disc/Офис/Таблицы.exe" "$disc/Прочти.txt"
(cd "$work" && "$root/build/brenwick-cli" import "Диск" -o Velmora.XML --auto-exit >/dev/null)

"$root/build/brenwick-cli" render "$work/Velmora.XML" --item 5 -o "$out/design-window.png"

# The editor with its own settings file, so the user's settings stay untouched.
cat > "$work/shot.sh" <<'SHOT'
set -eu
cd "$1"
HOME="$1" XDG_CONFIG_HOME="$1/config" "$2/build/brenwick" "$1/Velmora.XML" &
pid=$!
for _ in $(seq 50); do
  id=$(xwininfo -root -tree | awk '/"[^"]*Velmora Brenwick": \("brenwick"/ {print $1; exit}')
  [ -n "$id" ] && break
  sleep 0.2
done
# The design window starts over the main window; set it aside for the picture.
xdotool search --name "Предварительный просмотр" windowmove 700 0 >/dev/null 2>&1 || true
xdotool windowmove "$id" 0 0
sleep 2
import -window "$id" "$3"
kill "$pid"
SHOT
xvfb-run -a -s "-screen 0 1280x900x24" bash "$work/shot.sh" "$work" "$root" "$root/$out/editor.png" 2>/dev/null
echo "written: $out/editor.png $out/design-window.png"
