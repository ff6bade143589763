#!/bin/bash
# Smoke test of tesselle.exe under Wine on a virtual X server: its exports and
# imports, the real dialogs, DirectDraw's 8-bit mode in a Wine virtual desktop,
# the screen and the saved files against the headless front end's for the same
# keys, the failure exits and Alt+F4. Exits 77 (skipped) without Wine.
# Usage: windows_smoke.sh TESSELLE_EXE TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE
set -euo pipefail
# shellcheck source=lib/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/x_session.sh"
# The prefix's wineserver ends all its processes, all ours, before the rest is
# cleaned up; captures, references and logs stay after a failure.
SESSION_KEEP_ON_FAIL=1 SESSION_BEFORE_CLEANUP=stop_wine
smoke_begin windows "$@"
EXE=$PROGRAM
WINE=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || command -v wineserver64 || echo /usr/lib/wine/wineserver64)
[[ -x $WINE && -x $WINESERVER ]] || skip "wine is not installed"
require_tools Xvfb xdotool xwd cmp awk timeout

# --- The module itself: WndProc its only export, only system DLLs imported ----
OBJDUMP=$(command -v x86_64-w64-mingw32-objdump || command -v objdump || true)
if [[ -n $OBJDUMP ]] && headers=$("$OBJDUMP" -p "$EXE" 2>/dev/null); then
  exports=$(awk '/^\[Ordinal\/Name Pointer\] Table/ { t = 1; next } t && !NF { t = 0 } t { print $NF }' <<<"$headers")
  [[ $exports == WndProc ]] || fail "the exports of tesselle.exe are [${exports//$'\n'/ }], not [WndProc]"
  foreign=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers" |
    grep -Evx '(kernel32|user32|gdi32|comdlg32|ddraw|msvcrt|ucrtbase|api-ms-win-crt-.*)\.dll' || true)
  [[ -z $foreign ]] || fail "tesselle.exe needs ${foreign//$'\n'/ }, which a bare Windows does not have"
  echo "tesselle.exe exports only WndProc and imports only system DLLs"
else
  echo "note: no objdump that reads PE files; the export table is not checked"
fi

stop_wine() {
  [[ ! -d $WINEPREFIX ]] || { "$WINESERVER" -k && timeout 20 "$WINESERVER" -w; } 2>/dev/null
  rm -rf "$WINEPREFIX"
}
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installers

winpath() { printf 'Z:%s' "${1//\//\\}"; } # Windows' name of a POSIX path: Z: is /

# --- The virtual X server and the Wine prefix ---------------------------------
start_xvfb 640x480x24
echo "making a Wine prefix (the first time on a machine takes a while)"
timeout 600 "$WINE" wineboot -i >"$WORK/wineboot.log" 2>&1 ||
  skip "wine cannot run here: $(tail -n 3 "$WORK/wineboot.log")"
timeout 60 "$WINESERVER" -w || true
# A virtual desktop the size of the screen, named in the prefix, so that
# `wine` runs the program itself and reports its exit status (low 8 bits).
{ timeout 120 "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d tesselle /f &&
  timeout 120 "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v tesselle /d 640x480 /f; } \
  >"$WORK/reg.log" 2>&1 || fail "reg cannot name the desktop: $(cat "$WORK/reg.log")"

# --- Helpers ------------------------------------------------------------------
# answer_dialog TITLE TEXT: TEXT typed into the dialog titled TITLE, then Enter.
answer_dialog() {
  local dialog
  dialog=$(wait_for_window "$1") || fail "no dialog titled '$1' within 60 s"
  xdotool windowfocus --sync "$dialog" key ctrl+a type --delay 20 "$2"
  xdotool key Return
  until_true 20 no_window "$dialog" || fail "the '$1' dialog stays open"
}

no_window() { ! xdotool getwindowname "$1" >/dev/null 2>&1; }

# press KEY...: the keys (X key names), one after another, to the program's window.
press() { xdotool windowfocus --sync "$MAIN" && xdotool key --delay 40 "$@"; }

# run_direct DIR: tesselle.exe in DIR, whose end `expect_exit STATUS 30` awaits.
run_direct() {
  APP_DIR=$1
  (cd "$1" && exec "$WINE" "${EXE##*/}" </dev/null >"$1/stdout" 2>"$1/stderr") &
  APP_PID=$!
}

# refused DIR LINE [FILE]: tesselle.exe in DIR, given FILE in the open dialog,
# shows a message box, which Enter closes, and ends with status 1, reporting LINE.
refused() {
  local box
  run_direct "$1"
  [[ -z ${3:-} ]] || answer_dialog Open "$(winpath "$3")"
  box=$(wait_for_window 'Tesselle v1\.0' 30) || fail "no message box tells why: $(cat "$1/stderr")"
  xdotool windowfocus --sync "$box" key Return
  expect_exit 1 30
  grep -qF "tesselle: $2" "$1/stderr" || fail "tesselle.exe does not report '$2': $(cat "$1/stderr")"
}

# step NAME FILE KEY...: the keys pressed; the screen comes to show, but for
# the blink, the headless picture after opening Areas.out and every step's keys
# so far, WORK/NAME/expected.png, whose set as then saved is WORK/NAME/Areas.out;
# FILE (if any) comes to hold that set.
KEYS=""
step() {
  local name=$1 file=$2 key
  shift 2
  for key in "$@"; do KEYS+=$'\nkey '${key^^}; done # the X key names in capitals
  reference "$(new_run_dir "$name" "$DATA/Areas.out")" $'open Areas.out\nframes 8'"$KEYS"$'\nframes 8'
  (($# == 0)) || press "$@"
  expect_screen "$name"
  [[ -z $file ]] || expect_file "$file" "$name"
}
expect_screen() { expect_picture 30 "$WORK/$1/expected.png" --cursor; }

# expect_file PATH NAME: PATH comes to hold the set of step NAME.
expect_file() {
  until_true 20 cmp -s "$1" "$WORK/$2/Areas.out" || fail "$1 is not, byte for byte, the headless save after '$2'"
}

# --- Failures at start-up end with status 1 and one report line ----------------
mkdir "$WORK/bare" && cp "$EXE" "$WORK/bare/"
refused "$WORK/bare" "cannot read Cells.dap: "
short=$(new_run_dir short "$EXE")
head -c 1000 "$DATA/Areas.out" >"$short/Short.out"
refused "$short" "$(winpath "$short/Short.out") is not an area set: 1000 bytes, an area set has exactly 214016" \
  "$short/Short.out"
refused "$short" "cannot read $(winpath "$short/Nothing.out")" "$short/Nothing.out"

# --- The program: keys, saves, a failed save, Save As, Alt+F4 -----------------
run=$(new_run_dir run "$EXE" "$DATA/Areas.out")
run_direct "$run"
answer_dialog Open "$(winpath "$run/Areas.out")"
MAIN=$(wait_for_window 'Tesselle v1\.0' 30) || fail "the program's window does not show the display"
WINDOW=root
step start ""
step edited "$run/Areas.out" Tab Right Right Right Down space Tab Right Right Down Down space Right space Down F2 F3
! cmp -s "$run/Areas.out" "$DATA/Areas.out" || fail "the edits leave the saved set unchanged"
step wordmap "$run/Areas.out" F5 Tab Right Right space Tab Right Down space Down F3
! cmp -s "$run/Areas.out" "$WORK/edited/Areas.out" || fail "the Word Map keys change nothing"
step back "" Escape

# A failed save shows the message box; the screen comes back after it.
rm "$run/Areas.out" && mkdir "$run/Areas.out"
press F3
box_shown() {
  BOX=$(xdotool search --onlyvisible --name '^Tesselle v1\.0$' 2>/dev/null | grep -vx "$MAIN" | head -n 1) || true
  [[ -n $BOX ]]
}
until_true 20 box_shown || fail "a failed save shows no message box"
grep -qF "tesselle: cannot save $(winpath "$run/Areas.out"): " "$run/stderr" ||
  fail "no report line of the failed save: $(cat "$run/stderr")"
xdotool windowfocus --sync "$BOX" key Return
until_true 20 no_window "$BOX" || fail "the message box does not close on Enter"
expect_screen back
rmdir "$run/Areas.out"
press F3
expect_file "$run/Areas.out" wordmap

# Save As: the name typed without an extension gets .out.
press shift+F3
answer_dialog 'Save As' "$(winpath "$run/Copy")"
expect_file "$run/Copy.out" wordmap
expect_screen back

# After two trips out of the screen mode and back, the program still edits,
# draws and saves, now to the name chosen in Save As; with keys added since,
# as Windows sends them: F fills from the cursor, PgDn pages the selector,
# digits and Enter go to an area (storing this one).
step faster "$run/Copy.out" Right space Right f Tab Next Next Tab 1 2 Return Down space F3

# Alt+F4 ends through the close road: the exit code is the close command's
# wParam, SC_CLOSE = 0xF060, so 0x60, and no failure is reported.
press alt+F4
expect_exit 96 30
unexpected=$(grep '^tesselle:' "$run/stderr" | grep -v '^tesselle: cannot save ' || true)
[[ -z $unexpected ]] || fail "Alt+F4 is reported as a failure: $unexpected"

# --- A cancelled open makes a new, empty set; Alt+F4 asks before it ends -------
closing=$(new_run_dir closing "$EXE")
run_direct "$closing"
dialog=$(wait_for_window Open) || fail "no open dialog"
xdotool windowfocus --sync "$dialog" key Escape
MAIN=$(wait_for_window 'Tesselle v1\.0' 30) || fail "the program's window does not show after a cancelled open"
# An unsaved change makes Alt+F4 ask first; Enter takes its default, Yes:
# the new set is saved as Areas.out in the folder the program started in,
# which the cancelled dialog left as it was.
press Tab Right space Tab space
press alt+F4
until_true 20 box_shown || fail "Alt+F4 with an unsaved change asks nothing"
xdotool windowfocus --sync "$BOX" key Return
expect_exit 96 30
[[ $(stat -c %s "$closing/Areas.out" 2>/dev/null) -eq 214016 ]] ||
  fail "Enter on the close question did not save Areas.out where the program started"

echo "windows smoke test passed"
