#!/bin/bash
# Smoke test of the desktop front end on a virtual X server: the window, its
# picture against the headless front end's, keys, the file dialogs (zenity,
# kdialog and the prompt in the window) and the ways the window is closed.
# Usage: desktop_smoke.sh TESSELLE TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail
# shellcheck source=lib/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/x_session.sh"
smoke_begin desktop "$@"
AREA_SET_SIZE=214016
SCREEN_W=1600
SCREEN_H=1200

# --- What needs no display ----------------------------------------------------
[[ $("$PROGRAM" --version) == "Tesselle v1.0" ]] || fail "--version does not print the title"
status=0
"$PROGRAM" --no-such-option >/dev/null 2>"$WORK/err" || status=$?
[[ $status -eq 1 ]] || fail "an unknown option exits $status, not 1"
grep -q "^tesselle: unknown option" "$WORK/err" || fail "no error line for an unknown option"
nodisplay=$(new_run_dir nodisplay)
status=0
(cd "$nodisplay" && env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY= \
  timeout 10 "$PROGRAM" --window --new) >/dev/null 2>"$WORK/err" || status=$?
[[ $status -eq 1 ]] || fail "without a display tesselle exits $status, not 1"
[[ $(wc -l <"$WORK/err") -eq 1 ]] || fail "without a display stderr is not one line"
grep -q "^tesselle: cannot open the display: " "$WORK/err" || fail "no display line: $(cat "$WORK/err")"

# --- The virtual X server and a window manager ------------------------------------
require_tools Xvfb xdotool openbox wmctrl xwd timeout
start_xvfb 90 139 "${SCREEN_W}x${SCREEN_H}x24"
start_openbox

# Stand-ins for the dialog programs: each logs its arguments and answers with
# $FAKE_ANSWER. With $FAKE_FULL_SIZE set it first logs the size the program's
# window takes once it leaves full screen, as it must for the dialog to be seen.
mkdir -p "$WORK/bin" "$WORK/kbin"
cat >"$WORK/bin/zenity" <<'EOF'
#!/bin/bash
printf '%s\n' "$@" >>"$FAKE_LOG"
if [[ -n ${FAKE_FULL_SIZE:-} ]]; then
  for _ in $(seq 30); do
    size=$(xdotool search --class '^tesselle$' getwindowgeometry %1 | awk '/Geometry:/ { print $2 }')
    [[ $size != "$FAKE_FULL_SIZE" ]] && break
    sleep 0.1
  done
  echo "window $size" >>"$FAKE_LOG"
fi
printf '%s\n' "$FAKE_ANSWER"
EOF
cp "$WORK/bin/zenity" "$WORK/kbin/kdialog"
chmod +x "$WORK/bin/zenity" "$WORK/kbin/kdialog"

# --- Helpers ------------------------------------------------------------------
# wait_for_file PATH: the file appears with the size of an area set.
is_area_set() { [[ -f $1 && $(stat -c %s "$1") -eq $AREA_SET_SIZE ]]; }
wait_for_file() { until_true 10 is_area_set "$1" || fail "$1 was not written as an area set"; }
window_size() { xdotool getwindowgeometry "$WINDOW" | awk '/Geometry:/ { print $2 }'; }
# wait_for_size WxH: the window comes to be that size within 5 s.
wait_for_size() {
  sized() { [[ $(window_size) == "$1" ]]; }
  until_true 5 sized "$1" || fail "the window is $(window_size), not $1"
}

# compare_window DIR: the window comes to show DIR/expected.png, scaled by a
# whole factor and centred on black, but for the cursor's blink.
compare_window() { expect_picture 10 "$1/expected.png" --scaled --cursor --min-colours 5; }

# --- A window: picture, keys, save and Save As, the close button ----------------
windowed=$(new_run_dir windowed)
reference "$windowed" $'open cancel\nkey right\nkey down\nframes 8'
export FAKE_LOG="$windowed/dialog.log" FAKE_ANSWER="$windowed/Copy"
APP_PATH="$WORK/bin:$PATH" start_app "$windowed" --window --new
wait_for_size 640x496 # the picture and a status line
xdotool key Right Down
compare_window "$windowed"
# A larger window shows the picture twice as large, centred.
xdotool windowmove "$WINDOW" 0 0 windowsize "$WINDOW" 1300 1000
wait_for_size 1300x1000
compare_window "$windowed"

# The title names the set; the status line under the picture tells of a
# save for a few seconds, and the picture stays the headless one.
title() { xdotool getwindowname "$WINDOW"; }
[[ $(title) == "Tesselle v1.0 — Areas.out" ]] || fail "the title of a new set reads '$(title)'"
status_ink() { capture "$WORK/status.xwd" && "$COMPARE" --status "$WORK/status.xwd"; }
xdotool key F3
wait_for_file "$windowed/Areas.out"
[[ ! -e $FAKE_LOG ]] || fail "a plain save asked for a name"
ink=$(status_ink) || fail "no status line under the picture"
faded() { (($(status_ink) < ink)); }
until_true 10 faded || fail "the status line keeps telling of the save"
compare_window "$windowed"
xdotool key shift+F3
wait_for_file "$windowed/Copy.out" # the dialog adds the default extension
grep -qx -- "--save" "$FAKE_LOG" || fail "Save As did not ask with --save"
named() { [[ $(title) == "Tesselle v1.0 — Copy.out" ]]; }
until_true 10 named || fail "after Save As the title reads '$(title)'"
grep -qx -- "--filename=$windowed/Areas.out" "$FAKE_LOG" || fail "Save As did not start at Areas.out"
grep -qx -- "--file-filter=Dane do gry | \*.out" "$FAKE_LOG" || fail "Save As has no *.out filter"
cmp -s "$windowed/Areas.out" "$windowed/Copy.out" || fail "Save As wrote another set than the save"

wmctrl -c "Tesselle v1.0" || fail "wmctrl cannot close the window"
expect_exit 0

# --- Full screen: the area set from the command line, scaling, a dialog over
# it, Alt+F4.
full=$(new_run_dir full)
cp "$DATA/Areas.out" "$full/Start.out"
reference "$full" $'open Start.out\nframes 8'
export FAKE_LOG="$full/dialog.log" FAKE_ANSWER="$full/Saved.out"
export FAKE_FULL_SIZE="${SCREEN_W}x${SCREEN_H}"
APP_PATH="$WORK/bin:$PATH" start_app "$full" Start.out
wait_for_size "${SCREEN_W}x${SCREEN_H}"
compare_window "$full"
xdotool key shift+F3
wait_for_file "$full/Saved.out"
grep -qx "window 640x496" "$FAKE_LOG" || fail "the dialog ran over the full screen: $(tail -n 1 "$FAKE_LOG")"
cmp -s "$full/Start.out" "$full/Saved.out" || fail "Save As changed a set that was not edited"
unset FAKE_FULL_SIZE
wait_for_size "${SCREEN_W}x${SCREEN_H}"
compare_window "$full" # the picture is back after the dialog

xdotool windowfocus --sync "$WINDOW"
xdotool key alt+F4
expect_exit 96 # the system command's wParam, SC_CLOSE, is the exit code
[[ ! -s $full/stderr ]] || fail "unexpected errors: $(cat "$full/stderr")"

# --- kdialog alone answers the start-up open -------------------------------------
kd=$(new_run_dir kdialog)
cp "$full/Start.out" "$full/expected.png" "$kd/"
export FAKE_LOG="$kd/dialog.log" FAKE_ANSWER="$kd/Start.out"
APP_PATH="$WORK/kbin" start_app "$kd" --window
compare_window "$kd"
grep -qx -- "--getopenfilename" "$FAKE_LOG" || fail "kdialog was not asked to open"
grep -qx -- "$kd/Areas.out" "$FAKE_LOG" || fail "kdialog did not start at Areas.out"
grep -qx -- "\\*.out|Dane do gry" "$FAKE_LOG" || fail "kdialog has no *.out filter"
wmctrl -c "Tesselle v1.0" || fail "wmctrl cannot close the window"
expect_exit 0

# --- No dialog program: the prompt in the window -------------------------------
# area_sets DIR: how many area sets DIR holds.
area_sets() { find "$1" -maxdepth 1 -name '*.out' | wc -l; }

# written_again FILE: FILE, dated back to 1970, has been written since, whole.
written_again() {
  [[ -f $1 && $(stat -c %Y "$1") -ne 0 && $(stat -c %s "$1") -eq $AREA_SET_SIZE ]]
}

# note_reads TEXT: the prompt is up and its note is as long as TEXT.
note_reads() { shows_prompt && [[ $(note_length) -eq ${#1} ]]; }

# The start-up open: Esc cancels, and the program starts on a new set.
bare=$(new_run_dir bare)
reference "$bare" $'open cancel\nframes 8'
APP_PATH=/nonexistent start_app "$bare" --window
wait_for_prompt
xdotool key Escape
compare_window "$bare"

# Save As: Backspace takes back the last character typed, and Enter saves
# under the name with the default extension.
xdotool key shift+F3
wait_for_prompt
xdotool type --delay 20 "Typedx"
xdotool key BackSpace Return
wait_for_file "$bare/Typed.out"
compare_window "$bare" # the screen comes back as it was
# F3 saves under the name chosen, the set's name from now on: Typed.out is
# written again (dated back first, to see it), and no Areas.out.
touch -d @0 "$bare/Typed.out"
xdotool key F3
until_true 10 written_again "$bare/Typed.out" || {
  [[ ! -e $bare/Areas.out ]] || fail "F3 after Save As wrote Areas.out, not Typed.out"
  fail "F3 after Save As did not write Typed.out again"
}
[[ ! -e $bare/Areas.out ]] || fail "F3 after Save As wrote Areas.out, not Typed.out"

# Esc cancels a Save As; so does Enter on a name too long, which keeps the
# prompt up: typing stops at 511 bytes, and the extension makes 515.
xdotool key shift+F3
wait_for_prompt
xdotool type --delay 2 "$(printf 'n%.0s' $(seq 520))"
until_true 10 note_reads "A name has at most 511 bytes." ||
  fail "typing does not stop at 511 bytes: the note is $(note_length) characters long"
xdotool key Return
until_true 10 note_reads "The name is too long: 515 bytes, at most 511." ||
  fail "Enter on a name too long does not say why: the note is $(note_length) characters long"
wait_for_prompt
xdotool key Escape
compare_window "$bare"
[[ $(area_sets "$bare") -eq 1 ]] || fail "a cancelled Save As wrote a file: $(ls "$bare")"

# The window closed during the prompt: the dialog is cancelled and the
# program ends as on any close.
xdotool key shift+F3
wait_for_prompt
wmctrl -c "Tesselle v1.0" || fail "wmctrl cannot close the window"
expect_exit 0
[[ $(area_sets "$bare") -eq 1 ]] || fail "the closed Save As wrote a file: $(ls "$bare")"
[[ ! -s $bare/stderr ]] || fail "unexpected errors: $(cat "$bare/stderr")"

echo "desktop smoke test passed"
