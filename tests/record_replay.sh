#!/bin/bash
# A desktop session recorded with --record on a virtual X server, then replayed
# headless: the same screens and the same files, byte for byte. Also the ends
# of a recording: Alt+F4, and a program killed mid-session.
# Usage: record_replay.sh TESSELLE TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE (77: skipped)
set -euo pipefail
# shellcheck source=lib/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/x_session.sh"
smoke_begin record "$@"

# --- The virtual X server and a window manager -------------------------------
require_tools Xvfb xdotool openbox wmctrl xwd awk
start_xvfb 1024x768x24
start_openbox
cp "$DATA/Areas.out" "$WORK/Start.out" # each run's folder has one

# The sleeps between keys are part of the scenario, not waits (those poll): the
# replay waits out the frames recorded between messages, which the preview, the
# Word Map and the cursor's colour at each Save As depend on.

# wait_recorded FILE PATTERN COUNT WHAT: within 10 s FILE holds COUNT lines
# matching PATTERN (grep -E): the program, which writes each line as it takes
# the message, has taken WHAT.
recorded() { [[ -f $1 && $(grep -cE -- "$2" "$1") -ge $3 ]]; }
wait_recorded() { until_true 10 recorded "$1" "$2" "$3" || fail "the program did not take $4: $(tail -n 3 "$1")"; }

# wait_until_still XWD: the window captured as XWD until two captures 0.1 s
# apart are the same, within 10 s: a program held in a dialog shows its last frame.
wait_until_still() {
  capture "$1.before" || fail "xwd cannot capture the window"
  same_again() { sleep 0.1 && capture "$1" && cmp -s "$1" "$1.before" || { mv "$1" "$1.before" 2>/dev/null; false; }; }
  until_true 10 same_again "$1"
}

# A zenity that holds the program in its Save As dialog until the test
# answers: the window keeps the frame of the turn that took the key, whose
# cursor colour the replay's shot must match, so every message is at its turn.
held_dialogs "$WORK/held" zenity

# checkpoint N ANSWER: Shift+F3 into the held dialog, the still window
# captured as $desk/check.N.xwd, then the answer (empty: cancel) recorded.
checkpoint() {
  local saves
  saves=$(grep -c "^save " "$desk/rec.txt" || true)
  xdotool key shift+F3
  dialog_up "$1" "the Save As dialog $1"
  wait_until_still "$desk/check.$1.xwd" || fail "the window keeps changing while the Save As dialog $1 is open"
  printf '%s' "$2" >"$DIALOGS/answer.$1"
  wait_recorded "$desk/rec.txt" "^save " $((saves + 1)) "the answer of the Save As dialog $1"
}

# --- A session: the open prompt, cells, a block copy, the preview, the Word
# Map, a save; Save As through zenity (answered, then cancelled) and through
# the prompt (answered, then cancelled); closed with the close button.
desk=$(new_run_dir desk "$WORK/Start.out")
mkdir -p "$desk/bin" # zenity comes and goes here while the program runs
APP_PATH=$desk/bin start_app "$desk" --window --record rec.txt
wait_for_prompt
xdotool type --delay 20 "Start.out" # typing replaces the name offered
xdotool key Return
wait_recorded "$desk/rec.txt" "^open Start.out$" 1 "the name typed in the open prompt"
# Keys, a pause each: cells, a block copy, the preview, the Word Map, a save.
# Then the pointer, on the picture at 1x: a selector click, a drag over editor
# cells, a right click, the wheel over the selector, a Shift drag that marks
# a block; in the Word Map a picker click, a drag, the wheel; then a click
# that leaves the help page. One xdotool command chain a line.
while read -r chain; do
  # shellcheck disable=SC2086 # the commands are words
  xdotool $chain
done <<EOF
sleep 0.5 key --delay 40 Right Right Down space Tab Right Right Right space Tab Down Down space
key --delay 40 shift+Right shift+Right shift+Down c Right Right Right Down Down v Right F4 sleep 0.6
key Escape sleep 0.3 key F5 sleep 0.5
key --delay 40 Right Down space Tab Down space Tab Right space Escape sleep 0.3 key F3 sleep 0.3
mousemove --window $WINDOW 200 400 click 1 sleep 0.1
mousemove --window $WINDOW 80 300 mousedown 1 sleep 0.05
mousemove --window $WINDOW 150 310 sleep 0.05
mousemove --window $WINDOW 260 320 mouseup 1 sleep 0.1
mousemove --window $WINDOW 100 50 click 3 sleep 0.1
mousemove --window $WINDOW 300 440 click 5 click 5 sleep 0.1
keydown shift mousemove --window $WINDOW 400 100 mousedown 1 sleep 0.05
mousemove --window $WINDOW 470 170 mouseup 1 keyup shift key c sleep 0.3 key F5 sleep 0.3
mousemove --window $WINDOW 100 430 click 1 sleep 0.1
mousemove --window $WINDOW 200 30 mousedown 1 sleep 0.05
mousemove --window $WINDOW 330 90 mouseup 1 sleep 0.1
mousemove --window $WINDOW 400 200 click 5 sleep 0.1
key Escape F1 sleep 0.3 mousemove --window $WINDOW 300 300 click 1
EOF
wait_recorded "$desk/rec.txt" "^mouse up left 300 300$" 1 "the click that leaves the help page"
sleep 0.3
xdotool key F3
cp "$WORK/held/zenity" "$desk/bin/zenity"
checkpoint 1 "$desk/Copy" # an absolute name inside the folder is recorded relative
sleep 0.5
xdotool key --delay 40 Left Up space
sleep 0.4
checkpoint 2 ""
sleep 0.5
rm "$desk/bin/zenity"
# A name that is there asks first. N keeps the name as typed (the key is not
# typed into it), Y takes it; only the names taken are recorded, Y with them.
replace() { # ANSWER: Save As Copy, and ANSWER to replacing Copy.out
  wait_for_prompt shift+F3
  xdotool type --delay 20 "Copy"
  xdotool key Return
  until_true 10 asks_to_replace || fail "no question before Copy.out is replaced"
  xdotool key "$1"
}
replace n
expect_note "Choose another name." "N does not go back to the name"
xdotool key BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 20 "Typedx"
xdotool key BackSpace Return # Backspace takes back the x; the extension is added
wait_recorded "$desk/rec.txt" "^save Typed.out$" 1 "the name typed in the Save As prompt"
sleep 0.3
replace y
wait_recorded "$desk/rec.txt" "^save Copy.out$" 2 "Y to replacing Copy.out"
sleep 0.3
wait_for_prompt shift+F3
xdotool key Escape
wait_recorded "$desk/rec.txt" "^save cancel$" 2 "Esc in the Save As prompt"
sleep 0.3
keys=$(grep -c "^key " "$desk/rec.txt") || true
# A laptop's keys: the main keyboard's minus and equals change the area as
# the numpad's do, and the numpad without NumLock moves the cursor.
xdotool key --delay 40 Left Up Left minus equal KP_Down
wait_recorded "$desk/rec.txt" "^key " $((keys + 6)) "the last six keys"
laptop=$(grep '^key ' "$desk/rec.txt" | tail -n 3 | tr '\n' ' ')
[[ $laptop == "key SUBTRACT key ADD key DOWN " ]] || fail "the laptop keys are recorded as $laptop"
# The window comes to show what the recording so far (its whole lines: the
# next may be on its way) replays to, but for the cursor's blink.
now=$(new_run_dir now "$WORK/Start.out")
reference "$now" "$(head -n "$(wc -l <"$desk/rec.txt")" "$desk/rec.txt")"$'\nframes 8'
expect_picture 10 "$now/expected.png" --scaled --cursor
close_window
[[ ! -s $desk/stderr ]] || fail "unexpected errors: $(cat "$desk/stderr")"
cmp -s "$desk/Start.out" "$DATA/Areas.out" && fail "the session's edits did not reach Start.out"

# What the recording holds (the replay below pins the rest): the dialogs'
# answers as received (waited for above), the keys with their modifiers, and the end.
rec=$desk/rec.txt
has_lines "$rec" "the recording" "key shift+RIGHT" "keyup ESCAPE" "mouse down left 80 300" \
  "mouse move 150 310" "mouse down right 100 50" "mouse wheel -1 300 440" "mouse down shift+left 400 100"
[[ $(tail -n 2 "$rec" | tr '\n' ' ') == "close quit 0 " ]] || fail "the recording ends with $(tail -n 2 "$rec")"
[[ $(grep -c "^confirm" "$rec") -eq 1 && $(grep -A1 "^save Copy.out" "$rec" | tail -n 1) == "confirm yes" ]] ||
  fail "the recording's answers to replacing are $(grep -B1 "^confirm" "$rec" | tr '\n' ' ')"
! grep -q "^message" "$rec" || fail "posted or unnamed messages were recorded: $(grep "^message" "$rec")"

# The replay, with shots at the turns of the first two Save As: the frames
# held in the dialogs, exactly.
play=$(new_run_dir play "$WORK/Start.out")
awk '$0 == "key shift+F3" && ++saves <= 2 { printf "shot check.%d.png\n", saves } 1' "$rec" >"$play/replay.txt"
headless "$play" replay.txt
for shot in check.1 check.2; do
  shows "$desk/$shot.xwd" "$play/$shot.png" --scaled || fail "the replay's $shot differs from the window: $PICTURE_DIFF"
done
for file in Start.out Copy.out Typed.out; do
  is_area_set "$desk/$file" && cmp -s "$desk/$file" "$play/$file" ||
    fail "the replay wrote another $file than the session"
done

# --- Alt+F4 ends through the program's own posted messages: the recording
# ends with the key, which the headless tests replay, and the quit it makes.
alt=$(new_run_dir alt)
start_app "$alt" --window --new --record rec.txt
xdotool key --delay 40 Right space Down
sleep 0.3
close_window alt+F4
[[ $(head -n 3 "$alt/rec.txt" | tail -n 1) == "open cancel" ]] || fail "--new is not recorded as 'open cancel'"
# The WM_SYSCOMMAND that the key posts is not recorded: the replay posts it.
[[ $(tail -n 2 "$alt/rec.txt" | tr '\n' ' ') == "syskey F4 quit 61536 " ]] ||
  fail "the recording ends with $(tail -n 2 "$alt/rec.txt")"

# --- A killed session leaves a script that replays to its last message.
killed=$(new_run_dir killed "$WORK/Start.out")
start_app "$killed" --window --record rec.txt Start.out
xdotool key --delay 40 Right Right space
wait_recorded "$killed/rec.txt" "^key " 3 "the three keys before the kill"
kill -KILL "$APP_PID" && { wait "$APP_PID" 2>/dev/null || APP_PID=""; }
[[ $(tail -c 1 "$killed/rec.txt" | od -An -c | tr -d ' ') == '\n' ]] || fail "the recording ends inside a line"
printf 'key F3\n' >>"$killed/rec.txt"
headless "$killed" rec.txt
plain=$(new_run_dir plain "$WORK/Start.out")
printf 'open Start.out\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey F3\n' >"$plain/keys.txt"
headless "$plain" keys.txt
cmp -s "$killed/Start.out" "$plain/Start.out" || fail "the killed session's replay lost its keys"

echo "record and replay test passed"
