#!/bin/bash
# Smoke test of tesselle.exe under Wine on a virtual X server: the real open,
# Save As and message-box dialogs, DirectDraw's 8-bit palette mode in a Wine
# virtual desktop, keys sent as X events, the screen compared with the headless
# front end's picture of the same keys, the saved files byte for byte, the
# failure exits and Alt+F4.
# Usage: windows_smoke.sh TESSELLE_EXE TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE
# DATA_DIR holds Cells.dap, Cells.id and Areas.out. Exits 77 (skipped) when a
# tool it needs is missing or Wine cannot run here.
set -euo pipefail
# shellcheck source=lib/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/x_session.sh"
# The prefix's wineserver ends every process of this prefix, all ours, before
# the rest is cleaned up; captures, references and logs stay after a failure.
SESSION_KEEP_ON_FAIL=1 SESSION_BEFORE_CLEANUP=stop_wine
smoke_begin windows "$@"
EXE=$PROGRAM
WINE=$(command -v wine || command -v wine64 || true)
[[ -z $WINE && -x /usr/lib/wine/wine64 ]] && WINE=/usr/lib/wine/wine64
[[ -n $WINE ]] || skip "wine is not installed"
WINESERVER=$(command -v wineserver || command -v wineserver64 || true)
[[ -z $WINESERVER && -x /usr/lib/wine/wineserver64 ]] && WINESERVER=/usr/lib/wine/wineserver64
require_tools Xvfb xdotool xwd cmp awk timeout
[[ -n $WINESERVER ]] || skip "wineserver is not installed"

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
  if [[ -d $WINEPREFIX ]]; then
    "$WINESERVER" -k 2>/dev/null || true
    timeout 20 "$WINESERVER" -w 2>/dev/null || true
  fi
  rm -rf "$WINEPREFIX"
}
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installers

# Windows' name of a POSIX path: Wine maps drive Z: to /.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# --- The virtual X server and the Wine prefix ---------------------------------
# Displays apart from the desktop tests', which may run at the same time.
start_xvfb 190 239 640x480x24

echo "making a Wine prefix (the first time on a machine takes a while)"
timeout 600 "$WINE" wineboot -i >"$WORK/wineboot.log" 2>&1 ||
  skip "wine cannot run here: $(tail -n 3 "$WORK/wineboot.log")"
timeout 60 "$WINESERVER" -w || true

# A fresh working directory holding the cell bank, the id table and the program.
new_exe_dir() {
  local dir
  dir=$(new_run_dir "$1")
  cp "$EXE" "$dir/tesselle.exe"
  echo "$dir"
}

# --- Helpers ------------------------------------------------------------------
# answer_dialog TITLE TEXT: types TEXT into the dialog titled TITLE and
# presses Enter.
answer_dialog() {
  local dialog
  dialog=$(wait_for_window "$1") || true
  [[ -n $dialog ]] || fail "no dialog titled '$1' within 60 s"
  xdotool windowfocus --sync "$dialog"
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  xdotool key Return
  until_true 20 no_window "$dialog" || fail "the '$1' dialog stays open"
}

no_window() { ! xdotool getwindowname "$1" >/dev/null 2>&1; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# press KEY...: the keys (X key names), one after another, to the program's window.
press() {
  xdotool windowfocus --sync "$MAIN"
  xdotool key --delay 40 "$@"
}

# reference NAME KEY...: the headless front end's picture after opening
# Areas.out and pressing the keys, as $REF/NAME.png, and the area set it then
# holds on disk as $REF/NAME.out.
REF="$WORK/reference"
mkdir -p "$REF"
reference() {
  local name=$1 dir
  shift
  dir=$(new_run_dir "ref-$name")
  cp "$DATA/Areas.out" "$dir/"
  {
    printf 'open Areas.out\nframes 8\n'
    for key in "$@"; do echo "key ${key^^}"; done # the X key names in capitals
    printf 'frames 8\nshot %s.png\nquit\n' "$name"
  } >"$dir/script"
  headless "$dir" script
  cp "$dir/$name.png" "$REF/"
  cp "$dir/Areas.out" "$REF/$name.out"
}

# expect_screen NAME: within 30 s the screen shows the headless picture NAME,
# but for the cursor's blink.
expect_screen() { expect_picture 30 "$REF/$1.png" --cursor; }

files_equal() { [[ -f $1 ]] && cmp -s "$1" "$2"; }

# expect_file PATH NAME: PATH comes to hold the headless run NAME's area set.
expect_file() {
  until_true 20 files_equal "$1" "$REF/$2.out" ||
    fail "$(basename "$1") is not, byte for byte, the headless run's save after '$2'"
  echo "$(basename "$1") is the headless run's save after '$2'"
}

# run_direct DIR: runs tesselle.exe in DIR with `wine` itself, whose
# exit status is then the program's (low 8 bits).
run_direct() {
  (cd "$1" && exec "$WINE" tesselle.exe </dev/null >"$1/stdout" 2>"$1/stderr") &
  APP_PID=$!
}

# direct_status: waits up to 30 s for the direct run to end; its exit status
# goes to STATUS.
direct_status() {
  until_true 30 gone "$APP_PID" || fail "tesselle.exe does not end"
  STATUS=0
  wait "$APP_PID" || STATUS=$?
  APP_PID=""
}

# --- Failures at start-up end with status 1 and one report line ----------------
bare="$WORK/bare"
mkdir -p "$bare"
cp "$EXE" "$bare/tesselle.exe"
run_direct "$bare"
direct_status
[[ $STATUS -eq 1 ]] || fail "without Cells.dap tesselle.exe exits $STATUS, not 1"
grep -q "^tesselle: cannot read Cells.dap: " "$bare/stderr" ||
  fail "no report of the missing Cells.dap: $(cat "$bare/stderr")"
echo "without Cells.dap: status 1, '$(grep '^tesselle:' "$bare/stderr")'"

short=$(new_exe_dir short)
head -c 1000 "$DATA/Areas.out" >"$short/Short.out"
run_direct "$short"
answer_dialog Open "$(winpath "$short/Short.out")"
direct_status
[[ $STATUS -eq 1 ]] || fail "with a short area set tesselle.exe exits $STATUS, not 1"
grep -qF "tesselle: $(winpath "$short/Short.out") is not an area set: 1000 bytes, an area set has exactly 214016" \
  "$short/stderr" || fail "no report of the short area set: $(cat "$short/stderr")"
echo "a short area set: status 1, '$(grep '^tesselle:' "$short/stderr")'"

# --- The references ---------------------------------------------------------------
EDIT_KEYS=(Tab Right Right Right Down space Tab Right Right Down Down space Right space Down F2)
MAP_KEYS=(Tab Right Right space Tab Right Down space Down)
reference start
reference edited "${EDIT_KEYS[@]}" F3
reference wordmap "${EDIT_KEYS[@]}" F3 F5 "${MAP_KEYS[@]}" F3
reference back "${EDIT_KEYS[@]}" F3 F5 "${MAP_KEYS[@]}" F3 Escape
reference final "${EDIT_KEYS[@]}" F3 F5 "${MAP_KEYS[@]}" F3 Escape Right space Right F3
cmp -s "$REF/start.out" "$DATA/Areas.out" || fail "the headless run saved without F3"
! cmp -s "$REF/edited.out" "$DATA/Areas.out" || fail "the edits leave the headless save unchanged"
! cmp -s "$REF/wordmap.out" "$REF/edited.out" || fail "the Word Map keys change nothing"

# --- The program in a Wine virtual desktop --------------------------------------
run=$(new_exe_dir run)
cp "$DATA/Areas.out" "$run/"
(cd "$run" && exec "$WINE" explorer /desktop=tesselle,640x480 tesselle.exe \
  </dev/null >"$run/stdout" 2>"$run/stderr") &
APP_PID=$!
answer_dialog Open "$(winpath "$run/Areas.out")"
MAIN=$(wait_for_window 'Tesselle v1\.0' 30) || fail "the program's window does not show the display"
WINDOW=root
PROCESS=$(xdotool getwindowpid "$MAIN") || fail "no process owns the program's window"
expect_screen start

press "${EDIT_KEYS[@]}" F3
expect_screen edited
expect_file "$run/Areas.out" edited

press F5 "${MAP_KEYS[@]}" F3
expect_screen wordmap
expect_file "$run/Areas.out" wordmap
press Escape
expect_screen back

# A failed save shows the message box; the screen comes back after it.
rm "$run/Areas.out"
mkdir "$run/Areas.out"
press F3
box_shown() {
  BOX=$(xdotool search --onlyvisible --name '^Tesselle v1\.0$' 2>/dev/null | grep -vx "$MAIN" | head -n 1)
  [[ -n $BOX ]]
}
until_true 20 box_shown || fail "a failed save shows no message box"
grep -qF "tesselle: cannot save $(winpath "$run/Areas.out"): " "$run/stderr" ||
  fail "no report line of the failed save: $(cat "$run/stderr")"
xdotool windowfocus --sync "$BOX"
xdotool key Return
until_true 20 no_window "$BOX" || fail "the message box does not close on Enter"
echo "a failed save: message box, '$(grep '^tesselle: cannot save' "$run/stderr")'"
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
# draws and saves, now to the name chosen in Save As.
press Right space Right F3
expect_screen final
expect_file "$run/Copy.out" final

# Alt+F4 ends the process through the close road: no failure is reported.
press alt+F4
until_true 30 gone "$PROCESS" || fail "tesselle.exe still runs 30 s after Alt+F4"
until_true 30 gone "$APP_PID" || fail "the Wine desktop stays after the program ended"
wait "$APP_PID" || true
APP_PID=""
unexpected=$(grep '^tesselle:' "$run/stderr" | grep -v '^tesselle: cannot save ' || true)
[[ -z $unexpected ]] || fail "Alt+F4 is reported as a failure: $unexpected"
echo "Alt+F4 ends the process"

# --- Alt+F4's exit status, with wine running the program itself --------------------
# The same virtual desktop, named in the prefix, lets `wine` report the status:
# the exit code is the close command's wParam, SC_CLOSE = 0xF060, so 0x60.
cat >"$WORK/desktop.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="tesselle"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"tesselle"="640x480"
EOF
timeout 120 "$WINE" regedit /S "$(winpath "$WORK/desktop.reg")" || fail "regedit cannot name the desktop"
closing=$(new_exe_dir closing)
run_direct "$closing"
answer_dialog Open "$(winpath "$closing/Nothing.out")" # a missing file is refused...
direct_status
[[ $STATUS -eq 1 ]] || fail "a missing area set exits $STATUS, not 1"
run_direct "$closing"
dialog=$(wait_for_window Open) || true
[[ -n $dialog ]] || fail "no open dialog in the named desktop"
xdotool windowfocus --sync "$dialog"
xdotool key Escape # ...and a cancel makes a new, empty set
MAIN=$(wait_for_window 'Tesselle v1\.0' 30) || true
[[ -n $MAIN ]] || fail "the program's window does not show in the named desktop"
press alt+F4
direct_status
[[ $STATUS -eq 96 ]] || fail "after Alt+F4 tesselle.exe exits $STATUS, not 96: $(cat "$closing/stderr")"
echo "Alt+F4: exit status 96 (SC_CLOSE)"

echo "windows smoke test passed"
