#!/usr/bin/env bash
# The Tiled project of the demo area set, checked by the real Tiled: every map
# loads with its tileset read from our .tsx, and tmxrasterizer draws every area
# and the world map exactly as our own PNG export does.
# Usage: tiled_check.sh TESSELLE-EXPORT PICTURE-COMPARE DEMO-DIR
set -u

if ! command -v tiled >/dev/null || ! command -v tmxrasterizer >/dev/null; then
  echo "SKIP: tiled is not installed (the Debian package tiled has tiled and tmxrasterizer)"
  exit 77
fi
export_tool=$(realpath "$1")
compare=$(realpath "$2")
demo=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
passed=0
failed=0
check() {  # DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >"$work/log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what: $(grep -v XDG_RUNTIME "$work/log" | head -3)"
  fi
}

"$export_tool" tiled "$demo/Areas.out" -o "$work/project" --dir "$demo" >/dev/null || exit 1
cd "$work/project"

# Tiled loads the map, and the tileset it embeds is ours in full: a tileset
# file it cannot read would come out empty, without an error.
loads() {  # MAP IMAGE WIDTH HEIGHT
  tiled --export-map --embed-tilesets json "$1" "$1.json" || return 1
  local json
  json=$(tr -d ' \n' <"$1.json")
  for fact in '"tilecount":256' "\"image\":\"$2\"" "\"imagewidth\":$3" "\"imageheight\":$4"; do
    [[ $json == *"$fact"* ]] || { echo "Tiled's export lacks $fact"; return 1; }
  done
}
# tmxrasterizer draws the map as our PNG export does, pixel for pixel in RGB.
draws() {  # MAP OPTIONS-OF-PNG-EXPORT...
  local map=$1
  shift
  tmxrasterizer "$map" "$work/tiled.png" &&
    "$export_tool" png "$demo/Areas.out" --dir "$demo" "$@" -o "$work/ours.png" &&
    "$compare" "$work/tiled.png" "$work/ours.png"
}

maps=0
for map in area-*.tmx; do
  maps=$((maps + 1))
  check "tiled loads $map" loads "$map" cells.png 256 256
  check "tmxrasterizer draws $map as png --area" draws "$map" --area "$((10#${map:5:3}))"
done
check "tiled loads world.tmx" loads world.tmx areas.png 512 320
check "tmxrasterizer draws world.tmx as png --world" draws world.tmx --world
check "area maps were written" test "$maps" -gt 0

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
