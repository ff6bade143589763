#!/usr/bin/env bash
# The Tiled project of the demo area set, checked by the real Tiled: every map
# loads with its tileset read from our .tsx, and tmxrasterizer draws every area
# and the world map exactly as our own PNG export does.
# Usage: tiled_check.sh TESSELLE-EXPORT PICTURE-COMPARE DEMO-DIR
set -euo pipefail
if ! command -v tiled >/dev/null || ! command -v tmxrasterizer >/dev/null; then
  echo "SKIP: tiled is not installed (the Debian package tiled has tiled and tmxrasterizer)"
  exit 77
fi
export_tool=$(realpath "$1") compare=$(realpath "$2") demo=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
fail() { echo "FAIL: $*: $(grep -v XDG_RUNTIME "$work/log" | head -n 3)" >&2 && exit 1; }
"$export_tool" tiled "$demo/Areas.out" -o "$work/project" --dir "$demo" >"$work/log" 2>&1 || fail "no project"
cd "$work/project"

# check MAP IMAGE WIDTH HEIGHT EXPORT-OPTIONS...: Tiled loads MAP with our
# tileset in full (one it cannot read comes out empty, without an error), and
# tmxrasterizer draws it as `png EXPORT-OPTIONS` does, pixel for pixel in RGB.
check() {
  local map=$1 fact
  tiled --export-map --embed-tilesets json "$map" "$map.json" >"$work/log" 2>&1 || fail "tiled cannot load $map"
  for fact in '"tilecount":256' "\"image\":\"$2\"" "\"imagewidth\":$3" "\"imageheight\":$4"; do
    [[ $(tr -d ' \n' <"$map.json") == *"$fact"* ]] || fail "Tiled's export of $map lacks $fact"
  done
  { tmxrasterizer "$map" "$work/tiled.png" &&
    "$export_tool" png "$demo/Areas.out" --dir "$demo" "${@:5}" -o "$work/ours.png" &&
    "$compare" "$work/tiled.png" "$work/ours.png"; } >"$work/log" 2>&1 ||
    fail "tmxrasterizer draws $map otherwise than png ${*:5}"
}

maps=0
for map in area-*.tmx; do
  check "$map" cells.png 256 256 --area "$((10#${map:5:3}))"
  maps=$((maps + 1))
done
((maps > 0)) || fail "no area maps were written"
check world.tmx areas.png 512 320 --world
echo "Tiled loads and draws $maps area maps and the world map as ours"
