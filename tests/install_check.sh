#!/bin/bash
# The install into a staging folder: what lands where, that the installed
# programs run there on the installed demo set, and that uninstall takes it
# all away again. The build's own install manifest (of a real install,
# perhaps) is kept. Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$1 stage=$(mktemp -d "${TMPDIR:-/tmp}/tesselle-install.XXXXXX")
manifest=$build/install_manifest.txt
[[ -e $manifest ]] && cp "$manifest" "$stage.manifest"
restore() { rm -rf "$stage" "$manifest"; [[ ! -e $stage.manifest ]] || mv "$stage.manifest" "$manifest"; }
trap restore EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /opt/tess >"$stage/install.log"
root=$stage/opt/tess
for file in bin/tesselle bin/tesselle-headless bin/tesselle-bank bin/tesselle-export \
  share/applications/tesselle.desktop share/icons/hicolor/scalable/apps/tesselle.svg \
  share/doc/tesselle/README.md share/tesselle/demo/Areas.out share/tesselle/demo/Cells.dap \
  share/mime/packages/tesselle.xml; do
  [[ -e $root/$file ]] || fail "$file is not installed"
done
# The menu entry claims the area sets' own type alone, which the installed
# package declares and gives to files named Areas.out.
types=$(sed -n 's/^MimeType=//p' "$root/share/applications/tesselle.desktop")
[[ $types == "application/x-tesselle-area-set;" ]] || fail "the menu entry claims $types"
if command -v update-mime-database >/dev/null; then
  cp -r "$root/share/mime" "$stage/mime" && update-mime-database "$stage/mime" >/dev/null 2>&1
  grep -qx '50:application/x-tesselle-area-set:areas.out' "$stage/mime/globs2" ||
    fail "no type for Areas.out in the MIME database: $(cat "$stage/mime/globs2")"
fi
# The README's way to start on the demo set, with the installed programs.
cp -r "$root/share/tesselle/demo" "$stage/work"
(cd "$stage/work" && [[ $("$root/bin/tesselle" --version) == "Tesselle v1.0" ]] &&
  "$root/bin/tesselle-bank" info && printf 'open Areas.out\nshot a.png\n' | "$root/bin/tesselle-headless" - &&
  "$root/bin/tesselle-export" png Areas.out --area 1 -o area.png && [[ -s a.png && -s area.png ]]) >/dev/null ||
  fail "the installed programs do not run on the demo set"

DESTDIR=$stage cmake --build "$build" --target uninstall >/dev/null
[[ -z $(find "$root" -type f) ]] || fail "uninstall left $(find "$root" -type f | head -n 3)"
echo "install check passed"
