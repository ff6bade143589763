#!/bin/bash
# Smoke test of the desktop front end on a virtual X server: the window, its
# picture against the headless front end's, keys, the file dialogs (zenity,
# kdialog and the prompt in the window) and the ways the window is closed.
# Usage: desktop_smoke.sh TESSELLE TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE (77: skipped)
set -euo pipefail
# shellcheck source=lib/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/x_session.sh"
smoke_begin desktop "$@"
SCREEN_W=1600 SCREEN_H=1200

# --- What needs no display: a bad call or no display ends with status 1 and
# one line on stderr. --record makes a new file before anything else happens,
# and refuses a name that is there (a link too) or one the program reads; a
# file it did not keep is not left behind.
nodisplay=$(new_run_dir nodisplay "$DATA/Areas.out")
mkdir "$nodisplay/sub"
ln -s nothere "$nodisplay/dangling.txt"
while IFS='|' read -r args line made; do
  status=0
  # shellcheck disable=SC2086 # the options are words
  (cd "$nodisplay" && env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY= timeout 10 "$PROGRAM" $args) \
    >/dev/null 2>"$WORK/err" || status=$?
  [[ $status -eq 1 && $(wc -l <"$WORK/err") -eq 1 ]] && grep -q "^tesselle: $line" "$WORK/err" ||
    fail "tesselle $args exits $status and says: $(cat "$WORK/err")"
  [[ -z $made || ! -e $nodisplay/$made ]] || fail "tesselle $args left $made behind"
done <<'EOF'
--no-such-option|unknown option|
--record|--record needs|
--record rec.txt --new|cannot open the display: |rec.txt
--record Areas.out|--record will not replace Areas.out, which exists|
--record dangling.txt|--record will not replace dangling.txt, which exists|nothere
--record new.out new.out|--record will not write new.out: the program reads that file (new.out)|new.out
--record sub/Cells.id sub/x.out|--record will not write sub/Cells.id: the program reads that file|sub/Cells.id
EOF
# A word of the call is quoted with its control bytes escaped.
(cd "$nodisplay" && DISPLAY= timeout 10 "$PROGRAM" $'--\e]0;x\a') 2>"$WORK/err" && fail "a bad option"
grep -qx 'tesselle: unknown option --\\x1B\]0;x\\x07 (try tesselle --help)' "$WORK/err" ||
  fail "a bad option is quoted as: $(cat -v "$WORK/err")"
cmp -s "$nodisplay/Areas.out" "$DATA/Areas.out" || fail "--record changed Areas.out"

# --- The virtual X server and a window manager ---------------------------------
require_tools Xvfb xdotool openbox wmctrl xwd timeout
start_xvfb "${SCREEN_W}x${SCREEN_H}x24"
start_openbox

# A dialog program that crashes: the prompt in the window takes over.
mkdir "$WORK/crashbin" && printf '#!/bin/bash\nkill -SEGV $$\n' >"$WORK/crashbin/zenity"
chmod +x "$WORK/crashbin/zenity"

# --- Helpers ------------------------------------------------------------------
# wait_for_size WxH: the window comes to be that size within 5 s.
window_size() { xdotool getwindowgeometry "$WINDOW" | awk '/Geometry:/ { print $2 }'; }
sized() { [[ $(window_size) == "$1" ]]; }
wait_for_size() { until_true 5 sized "$1" || fail "the window is $(window_size), not $1"; }

# compare_window DIR [LINES]: the window shows DIR/expected.png, scaled, but for
# the blink; LINES first make it: the headless picture after them and 8 frames.
compare_window() {
  [[ -z ${2:-} ]] || reference "$1" "$2"$'\nframes 8'
  expect_picture 10 "$1/expected.png" --scaled --cursor
}

# wait_for_title PATTERN: within 10 s the title matches PATTERN (a glob).
title() { xdotool getwindowname "$WINDOW"; }
# shellcheck disable=SC2053 # PATTERN is a glob
titled() { [[ $(title) == $1 ]]; }
wait_for_title() { until_true 10 titled "$1" || fail "the title reads '$(title)', not '$1'"; }
# found_by_name NAME: clients that read only WM_NAME find the window too, with
# a hyphen for the dash.
found_by_name() { xdotool search --name "^Tesselle v1\.0 - $1\$" | grep -qx "$WINDOW"; }
status_ink() { capture "$WORK/status.xwd" && "$COMPARE" --status "$WORK/status.xwd"; }
area_sets() { find "$1" -maxdepth 1 -name '*.out' | wc -l; } # in the folder DIR

# The pointer: window_point W H X Y, where picture pixel (X, Y) lies on a
# window W x H; click_at W H X Y, a movement there, then a left click.
window_point() {
  local f=$(($1 / 640 < $2 / 480 ? $1 / 640 : $2 / 480)) spare text
  spare=$(($2 - 480 * f)) text=$((spare / 16 < f ? spare / 16 : f))
  echo $((($1 - 640 * f) / 2 + f * $3)) $(((spare - 16 * text) / 2 + f * $4))
}
click_at() {
  # shellcheck disable=SC2046 # the point is two words
  xdotool mousemove --window "$WINDOW" $(window_point "$1" "$2" "$3" "$4") click 1
}

# --- A window: picture, keys, save and Save As, the pointer at 2x, the close
# button.
windowed=$(new_run_dir windowed)
held_dialogs "$WORK/bin" zenity
echo "$windowed/Copy" >"$DIALOGS/answer.1"
APP_PATH="$WORK/bin" start_app "$windowed" --window --new
wait_for_size 640x496 # the picture and a status line
xdotool key Right Down
compare_window "$windowed" $'open cancel\nkey right\nkey down'

# The title names the set; the status line tells of a save for a few seconds.
wait_for_title "Tesselle v1.0 — Areas.out"
found_by_name 'Areas\.out' || fail "xdotool search --name does not find the window"
xdotool key F3
wait_for_file "$windowed/Areas.out"
ink=$(status_ink) || fail "no status line under the picture"
faded() { (($(status_ink) < ink)); }
until_true 10 faded || fail "the status line keeps telling of the save"
compare_window "$windowed"
xdotool key shift+F3
wait_for_file "$windowed/Copy.out" # the dialog adds the default extension
wait_for_title "Tesselle v1.0 — Copy.out"
has_lines "$DIALOGS/args.1" "zenity's Save As" --save "--filename=$windowed/Areas.out" \
  "--file-filter=Dane do gry | *.out"
cmp -s "$windowed/Areas.out" "$windowed/Copy.out" || fail "Save As wrote another set than the save"

# A larger window shows the picture twice as large, centred: cell 7 of the
# bank placed at (7, 5), after a click on the status line, outside the
# picture, that would select cell 50. (Where each window point falls at each
# size is the unit tests'.)
xdotool windowmove "$WINDOW" 0 0 windowsize "$WINDOW" 1300 1000
wait_for_size 1300x1000
click_at 1300 1000 233 390
xdotool mousemove --window "$WINDOW" 650 990 click 1
click_at 1300 1000 300 200
compare_window "$windowed" $'open cancel\nkey right\nkey down\nclick left 233 390\nclick left 300 200'
# The set has changes: the close asks, in the window once zenity crashes, and
# N closes without saving.
cp "$WORK/crashbin/zenity" "$WORK/bin/zenity"
close_window n
cmp -s "$windowed/Areas.out" "$windowed/Copy.out" || fail "No to the close question saved"

# --- Full screen: kdialog alone answers the start-up open and a Save As over
# the full screen; in the letterbox a click counts once a movement shows the
# pointer, and not after a key hides it; Alt+F4.
cp "$DATA/Areas.out" "$WORK/Start.out"
full=$(new_run_dir full "$WORK/Start.out")
held_dialogs "$WORK/kbin" kdialog
echo "$full/Start.out" >"$DIALOGS/answer.1"
APP_PATH="$WORK/kbin" start_app "$full"
wait_for_size "${SCREEN_W}x${SCREEN_H}"
compare_window "$full" 'open Start.out'
has_lines "$DIALOGS/args.1" "kdialog's open" --getopenfilename "$full/Areas.out" "*.out|Dane do gry"
xdotool key shift+F3
dialog_up 2 "kdialog's Save As"
wait_for_size 640x496 # the window leaves full screen for the dialog to be seen
echo "$full/Saved.out" >"$DIALOGS/answer.2"
wait_for_file "$full/Saved.out"
cmp -s "$full/Start.out" "$full/Saved.out" || fail "Save As changed a set that was not edited"
wait_for_size "${SCREEN_W}x${SCREEN_H}"
compare_window "$full" # the picture is back after the dialog
rm "$WORK/kbin/kdialog" # the close question comes in the window
click_at "$SCREEN_W" "$SCREEN_H" 105 395
# shellcheck disable=SC2046 # the point is two words
xdotool mousemove --window "$WINDOW" $(window_point "$SCREEN_W" "$SCREEN_H" 300 200)
sleep 0.3
xdotool key Right # a call of its own: chained, the click after it proved nothing
sleep 0.3
xdotool click 1
click_at "$SCREEN_W" "$SCREEN_H" 140 80
compare_window "$full" $'open Start.out\nclick left 105 395\nkey RIGHT\nclick left 140 80'
close_window alt+F4 n
[[ ! -s $full/stderr ]] || fail "unexpected errors: $(cat "$full/stderr")"

# A set in another folder: the program works there, on the bank files beside
# it. An unsaved change, and SIGTERM: no question, no save.
mkdir "$WORK/nobank"
start_app "$WORK/nobank" --window ../full/Start.out
compare_window "$full" 'open Start.out'
until_true 10 found_by_name 'Start\.out' || fail "the title of ../full/Start.out reads '$(title)'"
xdotool key Tab Right space Tab space
wait_for_title "*\*" # the change is taken
kill -TERM "$APP_PID"
expect_exit 143
cmp -s "$full/Start.out" "$WORK/Start.out" || fail "SIGTERM saved the change"

# --- No dialog program, or one that crashes: the prompt in the window ----------
# The open prompt, after zenity crashed, refuses a file that is not there and
# stays up; Esc cancels it: a new set.
bare=$(new_run_dir bare)
APP_PATH="$WORK/crashbin" start_app "$bare" --window
wait_for_prompt
xdotool type --delay 20 "Nothing.out"
xdotool key Return
sleep 0.5
shows_prompt || fail "the open prompt took a file that is not there"
xdotool key Escape
compare_window "$bare" 'open cancel'
grep -q "zenity ended by signal" "$bare/stderr" || fail "the crash is not reported: $(cat "$bare/stderr")"
rm "$WORK/crashbin/zenity" # no dialog program from here on

# Esc cancels a Save As; so does Enter on a name too long, which keeps the
# prompt up: typing stops at 511 bytes, and the extension makes 515.
wait_for_prompt shift+F3
xdotool type --delay 2 "$(printf 'n%.0s' $(seq 520))"
expect_note "A name has at most 511 bytes." "typing does not stop at 511 bytes"
xdotool key Return
expect_note "The name is too long: 515 bytes, at most 511." "Enter on a name too long does not say why"
xdotool key Escape
compare_window "$bare"
[[ $(area_sets "$bare") -eq 0 ]] || fail "a cancelled Save As wrote a file: $(ls "$bare")"

# A name that is there asks whether to replace it. N answers it, and is not
# typed into the name; Enter gives No: the file is kept, the prompt stays up.
cp "$DATA/Areas.out" "$bare/Kept.out"
wait_for_prompt shift+F3
xdotool type --delay 20 "Kept"
for answer in n Return; do
  xdotool key Return
  until_true 10 asks_to_replace || fail "Save As asks nothing before it replaces: $(ls "$bare")"
  xdotool key "$answer"
  expect_note "Choose another name." "$answer to replacing does not go back to the name"
done
xdotool key Escape
compare_window "$bare"
cmp -s "$bare/Kept.out" "$DATA/Areas.out" && [[ $(area_sets "$bare") -eq 1 ]] ||
  fail "No to replacing wrote a file: $(ls "$bare")"

# F3 of the new set asks before it replaces a file; after N the status line
# says that nothing is saved, and no message box holds the program.
mv "$bare/Kept.out" "$bare/Areas.out"
ink=$(status_ink) || fail "no status line under the picture"
xdotool key F3
until_true 10 asks_to_replace || fail "F3 asks nothing before it replaces Areas.out"
xdotool key n
more_ink() { (($(status_ink) > ink)); }
until_true 10 more_ink || fail "the status line does not say that nothing is saved"
cmp -s "$bare/Areas.out" "$DATA/Areas.out" || fail "No to replacing wrote Areas.out"
rm "$bare/Areas.out"

# The window closed during the prompt cancels it and ends the program.
wait_for_prompt shift+F3
close_window
[[ $(area_sets "$bare") -eq 0 ]] || fail "the closed Save As wrote a file: $(ls "$bare")"
unexpected=$(grep -vx -e "tesselle: .*/zenity ended by signal 11" -e "tesselle: .*/zenity failed; .*" \
  -e "tesselle: nothing is saved: Areas\.out is kept as it is" "$bare/stderr" || true)
[[ -z $unexpected ]] || fail "unexpected errors: $unexpected"

# --- A dialog program that does not answer -------------------------------------
# The open dialog at start is held. A close request made meanwhile is kept for
# when it ends; SIGTERM, SIGINT and SIGHUP end the program at once with 128 +
# the signal, the dialog program with it.
hung=$(new_run_dir hung)
held_dialogs "$WORK/hangbin" zenity
n=0
for ending in close:0 TERM:143 INT:130 HUP:129; do
  APP_PATH="$WORK/hangbin" start_app "$hung" --window
  dialog_up $((++n)) "the open dialog"
  if [[ $ending == close* ]]; then # the close button, a while before the cancel
    wmctrl -c "Tesselle v1.0" && sleep 0.5 && touch "$DIALOGS/answer.$n"
  else kill -"${ending%:*}" "$APP_PID"; fi
  expect_exit "${ending#*:}"
  until_true 5 gone "$(cat "$DIALOGS/shown.$n")" || fail "the dialog program outlives the ${ending%:*}"
done

# The message box of a failed start ends with the program.
start_app "$WORK/nobank" --window --new
box_up() { (($(wmctrl -l | grep -c ' Tesselle v1\.0$') > 1)); } # the window and the box
until_true 10 box_up || fail "no message box tells why the start failed: $(cat "$WORK/nobank/stderr")"
kill -TERM "$APP_PID"
expect_exit 143
box_gone() { ! box_up; }
until_true 5 box_gone || fail "the message box outlives the program"
grep -q "^tesselle: cannot read Cells.dap: .* (looked for in $WORK/nobank)$" "$WORK/nobank/stderr" ||
  fail "the missing bank is reported as $(cat "$WORK/nobank/stderr")"

echo "desktop smoke test passed"
