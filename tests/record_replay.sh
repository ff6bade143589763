#!/bin/bash
# A session of the desktop program recorded with --record on a virtual X
# server, then replayed by the headless front end: the replay must end on the
# screen the window last showed and write the same files, byte for byte. Also
# the ends of a recording: Alt+F4, and a program killed mid-session.
# Usage: record_replay.sh TESSELLE TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail
# shellcheck source=lib/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/x_session.sh"
smoke_begin record "$@"
AREA_SET_SIZE=214016

# --- The usage that needs no display -------------------------------------------
"$PROGRAM" --help | grep -q -- "--record FILE" || fail "--help does not show --record"
status=0
"$PROGRAM" --record >/dev/null 2>"$WORK/err" || status=$?
[[ $status -eq 1 ]] || fail "--record without a file exits $status, not 1"
grep -q "^tesselle: --record needs" "$WORK/err" || fail "no error line: $(cat "$WORK/err")"

# --- The virtual X server and a window manager -----------------------------------
require_tools Xvfb xdotool openbox wmctrl xwd awk
start_xvfb 140 189 1024x768x24
start_openbox

# --- Helpers ------------------------------------------------------------------
# A fresh working directory holding the cell bank, the id table and Start.out.
new_session_dir() {
  local dir
  dir=$(new_run_dir "$1")
  cp "$DATA/Areas.out" "$dir/Start.out"
  echo "$dir"
}

# pace SECONDS WHY: a pause between two keys of a recorded session, said
# with why. The recording keeps the frames that pass between messages and the
# replay waits them out, so these pauses are part of the scenario: the preview
# and the Word Map animate through them, and the cursor, which changes colour
# every frame, shows at each Save As a colour that the replay must match.
# They are not waits for the program, which the test does with polls.
pace() {
  echo "pace $1 s: $2"
  sleep "$1"
}

# recorded FILE PATTERN COUNT: the recording FILE holds at least COUNT lines
# that match PATTERN (grep -E): the program has taken those messages, since it
# writes and flushes each line as it takes it.
recorded() {
  [[ -f $1 && $(grep -cE -- "$2" "$1") -ge $3 ]]
}

# wait_recorded FILE PATTERN COUNT WHAT: recorded, within 10 s, or the test
# fails saying the program did not take WHAT.
wait_recorded() {
  until_true 10 recorded "$1" "$2" "$3" || fail "the program did not take $4: $(tail -n 3 "$1" | tr '\n' ' ')"
}

# wait_until_still XWD: captures the window as XWD again and again until two
# captures in a row, 0.1 s apart, are the same, within 10 s. For a program
# held in a dialog: its last frame is then on the screen.
wait_until_still() {
  capture "$1.before" || fail "xwd cannot capture the window"
  same_again() {
    sleep 0.1
    capture "$1" && cmp -s "$1" "$1.before" && return 0
    mv "$1" "$1.before"
    return 1
  }
  until_true 10 same_again "$1"
}

# A stand-in for zenity that holds the program in its Save As dialog until
# the test answers: the window then keeps showing the frame of the turn that
# took the key, cursor colour and all, and the replay's shot at that key must
# equal it exactly. The cursor changes colour every turn, so this checks that
# the recording's frame counts put every message at its turn.
mkdir -p "$WORK/dialogs"
cat >"$WORK/zenity" <<'END'
#!/bin/bash
PATH=$TEST_PATH # the program's PATH holds nothing but this stand-in
n=$(($(cat "$DIALOGS/count" 2>/dev/null || echo 0) + 1))
echo "$n" >"$DIALOGS/count"
touch "$DIALOGS/shown.$n"
for ((waited = 0; waited < 400; waited++)); do
  [[ -e $DIALOGS/answer.$n ]] && break
  sleep 0.05
done
answer=$(cat "$DIALOGS/answer.$n" 2>/dev/null)
[[ -n $answer ]] || exit 1
printf '%s\n' "$answer"
END
chmod +x "$WORK/zenity"
export DIALOGS="$WORK/dialogs" TEST_PATH="$PATH"

# checkpoint N ANSWER: Shift+F3 into the held dialog, a capture of the frozen
# window as $desk/check.N.xwd, then the answer (empty: cancel), and the
# program back from the dialog: the recording holds its answer.
checkpoint() {
  local saves
  saves=$(grep -c "^save " "$desk/rec.txt") || true
  xdotool key shift+F3
  until_true 10 test -e "$DIALOGS/shown.$1" || fail "the Save As dialog $1 did not open"
  wait_until_still "$desk/check.$1.xwd" || fail "the window keeps changing while the Save As dialog $1 is open"
  printf '%s' "$2" >"$DIALOGS/answer.$1"
  wait_recorded "$desk/rec.txt" "^save " $((saves + 1)) "the answer of the Save As dialog $1"
}

# --- A session: the open prompt, cells, a block copy, the preview, the Word
# Map, a save; Save As through zenity (answered, then cancelled) and through
# the prompt (answered, then cancelled); closed with the close button.
desk=$(new_session_dir desk)
mkdir -p "$desk/bin" # zenity comes and goes here while the program runs
APP_PATH=$desk/bin start_app "$desk" --window --record rec.txt
wait_for_prompt
xdotool type --delay 20 "Start.out" # typing replaces the name offered
xdotool key Return
wait_recorded "$desk/rec.txt" "^open Start.out$" 1 "the name typed in the open prompt"
pace 0.5 "frames between the open and the first key"
xdotool key --delay 40 Right Right Down space Tab Right Right Right space Tab Down Down space
xdotool key --delay 40 shift+Right shift+Right shift+Down c Right Right Right Down Down v Right
xdotool key F4
pace 0.6 "the preview animates before Esc ends it"
xdotool key Escape
pace 0.3 "frames between the preview and the Word Map"
xdotool key F5
pace 0.5 "frames of the Word Map before its keys"
xdotool key --delay 40 Right Down space Tab Down space Tab Right space Escape
pace 0.3 "frames between the Word Map and the save"
xdotool key F3
pace 0.3 "frames between the save and the first Save As"
cp "$WORK/zenity" "$desk/bin/zenity"
checkpoint 1 "$desk/Copy" # an absolute name inside the folder is recorded relative
pace 0.5 "frames between the answer and the next keys"
xdotool key --delay 40 Left Up space
pace 0.4 "frames between the keys and the second Save As"
checkpoint 2 ""
pace 0.5 "frames between the cancel and the prompt's Save As"
rm "$desk/bin/zenity"
xdotool key shift+F3
wait_for_prompt
xdotool type --delay 20 "Typed"
xdotool key Return
wait_recorded "$desk/rec.txt" "^save Typed.out$" 1 "the name typed in the Save As prompt"
pace 0.3 "frames between the answer and the next Save As"
xdotool key shift+F3
wait_for_prompt
xdotool key Escape
wait_recorded "$desk/rec.txt" "^save cancel$" 2 "Esc in the Save As prompt"
pace 0.3 "frames between the cancel and the last keys"
keys=$(grep -c "^key " "$desk/rec.txt") || true
# A laptop's keys: the main keyboard's minus and equals change the area as
# the numpad's do, and the numpad without NumLock moves the cursor.
xdotool key --delay 40 Left Up Left minus equal KP_Down
wait_recorded "$desk/rec.txt" "^key " $((keys + 6)) "the last six keys"
laptop=$(grep '^key ' "$desk/rec.txt" | tail -n 3 | tr '\n' ' ')
[[ $laptop == "key SUBTRACT key ADD key DOWN " ]] || fail "the laptop keys are recorded as $laptop"
# The window shows what the recording so far replays to, but for the
# cursor's blink: the program has drawn the last keys.
now=$(new_session_dir now)
{
  # The lines written so far, each whole: the next may be on its way.
  while IFS= read -r line; do printf '%s\n' "$line"; done <"$desk/rec.txt"
  printf 'frames 8\nshot now.png\n'
} >"$now/so_far.txt"
headless "$now" so_far.txt
expect_picture 10 "$now/now.png" --scaled --cursor
cp "$WORK/capture.xwd" "$desk/last.xwd"
wmctrl -c "Tesselle v1.0" || fail "wmctrl cannot close the window"
expect_exit 0
[[ ! -s $desk/stderr ]] || fail "unexpected errors: $(cat "$desk/stderr")"
for file in Start.out Copy.out Typed.out; do
  [[ $(stat -c %s "$desk/$file") -eq $AREA_SET_SIZE ]] || fail "the session did not write $file"
done
cmp -s "$desk/Start.out" "$DATA/Areas.out" && fail "the session's edits did not reach Start.out"

# What the recording holds: the dialogs' answers as the program received
# them, the keys with their modifiers, and the end.
rec=$desk/rec.txt
for line in "open Start.out" "save Copy.out" "save Typed.out" "key shift+RIGHT" "key shift+DOWN" \
  "key C" "key V" "key F4" "key F5" "keyup ESCAPE" "close"; do
  grep -qx "$line" "$rec" || fail "the recording has no line '$line'"
done
[[ $(grep -c "^key shift+F3$" "$rec") -eq 4 ]] || fail "the recording does not hold four Shift+F3"
[[ $(grep -c "^save cancel$" "$rec") -eq 2 ]] || fail "the recording does not hold two cancels"
[[ $(grep -v '^#' "$rec" | head -n 1) == "open Start.out" ]] || fail "the recording does not start with the open dialog"
[[ $(tail -n 2 "$rec" | tr '\n' ' ') == "close quit 0 " ]] || fail "the recording ends with $(tail -n 2 "$rec")"
! grep -q "^message" "$rec" || fail "posted or unnamed messages were recorded: $(grep "^message" "$rec")"

# The replay, with shots at the turns of the first two Save As and of the
# close.
play=$(new_session_dir play)
awk '{ line[NR] = $0; if ($0 == "close") last = NR }
  END {
    for (i = 1; i <= NR; i++) {
      if (line[i] == "key shift+F3" && ++saves <= 2) printf "shot check.%d.png\n", saves
      if (i == last) print "shot last.png"
      print line[i]
    }
  }' "$rec" >"$play/replay.txt"
headless "$play" replay.txt
[[ -f $play/last.png ]] || fail "the replay ended before the close"
# The frames held in the dialogs are exact, the last one but for the blink.
for shot in check.1 check.2 last; do
  shows "$desk/$shot.xwd" "$play/$shot.png" --scaled $([[ $shot != last ]] || echo --cursor) ||
    fail "the replay's $shot differs from the window: $PICTURE_DIFF"
done
for file in Start.out Copy.out Typed.out; do
  cmp -s "$desk/$file" "$play/$file" || fail "the replay wrote another $file than the session"
done

# --- Alt+F4 ends through the program's own posted messages: the replay ends
# with the same status, and the final quit is never reached.
alt=$(new_session_dir alt)
start_app "$alt" --window --new --record rec.txt
xdotool key --delay 40 Right space Down
pace 0.3 "frames between the keys and Alt+F4"
xdotool key alt+F4
expect_exit 96
grep -qx "syskey F4" "$alt/rec.txt" || fail "the recording has no 'syskey F4'"
[[ $(head -n 3 "$alt/rec.txt" | tail -n 1) == "open cancel" ]] || fail "--new is not recorded as 'open cancel'"
# The WM_SYSCOMMAND that the key posts is not recorded: the replay posts it.
[[ $(tail -n 2 "$alt/rec.txt" | tr '\n' ' ') == "syskey F4 quit 61536 " ]] ||
  fail "the recording ends with $(tail -n 2 "$alt/rec.txt")"
printf 'quit 5\n' >>"$alt/rec.txt" # never reached either
headless "$alt" rec.txt 96

# --- A session that is killed still leaves a script that replays to its last
# message.
killed=$(new_session_dir killed)
start_app "$killed" --window --record rec.txt Start.out
xdotool key --delay 40 Right Right space
wait_recorded "$killed/rec.txt" "^key " 3 "the three keys before the kill"
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
[[ $(tail -c 1 "$killed/rec.txt" | od -An -c | tr -d ' ') == '\n' ]] || fail "the recording ends inside a line"
grep -qx "open Start.out" "$killed/rec.txt" || fail "the command line's area set is not recorded"
[[ $(grep -c "^key " "$killed/rec.txt") -eq 3 ]] || fail "the killed session's keys are not all recorded"
printf 'key F3\n' >>"$killed/rec.txt"
headless "$killed" rec.txt
plain=$(new_session_dir plain)
printf 'open Start.out\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey F3\n' >"$plain/keys.txt"
headless "$plain" keys.txt
cmp -s "$killed/Start.out" "$plain/Start.out" || fail "the killed session's replay lost its keys"

echo "record and replay test passed"
