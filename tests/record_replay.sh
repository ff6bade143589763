#!/bin/bash
# A session of the desktop program recorded with --record on a virtual X
# server, then replayed by the headless front end: the replay must end on the
# screen the window last showed and write the same files, byte for byte. Also
# the ends of a recording: Alt+F4, and a program killed mid-session.
# Usage: record_replay.sh TESSELLE TESSELLE_HEADLESS DATA_DIR
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail

if [[ $# -ne 3 ]]; then
  echo "usage: $0 TESSELLE TESSELLE_HEADLESS DATA_DIR" >&2
  exit 2
fi
TESSELLE=$(realpath "$1")
HEADLESS=$(realpath "$2")
DATA=$(realpath "$3")
AREA_SET_SIZE=214016

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

[[ -f $DATA/Areas.out ]] || fail "no Areas.out in $DATA to start from"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tesselle-record.XXXXXX")
XVFB_PID=""
WM_PID=""
APP_PID=""
cleanup() {
  local pid
  for pid in "$APP_PID" "$WM_PID" "$XVFB_PID"; do
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null || true
    fi
  done
  rm -rf "$WORK"
  return 0
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP # a test runner's time-out still cleans up

# --- The usage that needs no display -------------------------------------------
"$TESSELLE" --help | grep -q -- "--record FILE" || fail "--help does not show --record"
set +e
"$TESSELLE" --record >/dev/null 2>"$WORK/err"
status=$?
set -e
[[ $status -eq 1 ]] || fail "--record without a file exits $status, not 1"
grep -q "^tesselle: --record needs" "$WORK/err" || fail "no error line: $(cat "$WORK/err")"

# --- The virtual X server and a window manager -----------------------------------
for tool in Xvfb xdotool openbox wmctrl xwd od awk; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

for ((number = 140; number < 190; number++)); do
  [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$number"
  for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
done
[[ -n $XVFB_PID ]] || fail "cannot start Xvfb on any display from :140 to :189"

# Openbox with no key bindings of its own, so Alt+F4 reaches the program.
cat >"$WORK/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard></keyboard></openbox_config>
EOF
openbox --config-file "$WORK/rc.xml" >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
for _ in $(seq 100); do
  wmctrl -m >/dev/null 2>&1 && break
  sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "openbox does not start: $(cat "$WORK/openbox.log")"

# --- Helpers ------------------------------------------------------------------
# A fresh working directory holding the cell bank, the id table and Start.out.
new_run_dir() {
  local dir="$WORK/$1"
  mkdir -p "$dir"
  cp "$DATA/Cells.dap" "$DATA/Cells.id" "$dir/"
  cp "$DATA/Areas.out" "$dir/Start.out"
  echo "$dir"
}

# start_app DIR ARGS...: runs tesselle in DIR with $APP_PATH for its PATH,
# without a dialog program unless the test puts one there, so the dialogs are
# the prompt in the window; stderr to DIR/stderr.
start_app() {
  local dir=$1
  shift
  (cd "$dir" && PATH=${APP_PATH:-/nonexistent} exec "$TESSELLE" "$@" </dev/null 2>"$dir/stderr") &
  APP_PID=$!
  WINDOW=""
  for _ in $(seq 100); do
    WINDOW=$(xdotool search --onlyvisible --name '^Tesselle v1\.0$' 2>/dev/null | head -n 1) || true
    if [[ -n $WINDOW ]]; then
      xdotool windowfocus --sync "$WINDOW"
      return 0
    fi
    kill -0 "$APP_PID" 2>/dev/null || fail "tesselle ended at start: $(cat "$dir/stderr")"
    sleep 0.1
  done
  fail "no window titled 'Tesselle v1.0' within 10 s"
}

# expect_exit STATUS: the program ends within 10 s with that status.
expect_exit() {
  local waited=0
  while kill -0 "$APP_PID" 2>/dev/null; do
    ((waited++ < 100)) || fail "tesselle still runs 10 s after the close"
    sleep 0.1
  done
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID=""
  [[ $status -eq $1 ]] || fail "tesselle exits with status $status, not $1"
}

be32() { od -An -tu4 --endian=big -j "$2" -N 4 "$1" | tr -d ' '; }

# pixels XWD: the capture's pixels as 6 hex digits each, one a line, with the
# width, height and row stride (in pixels) in XWD_W, XWD_H and XWD_STRIDE.
pixels() {
  local xwd=$1
  local header order colours endian=little
  header=$(be32 "$xwd" 0) order=$(be32 "$xwd" 28) colours=$(be32 "$xwd" 76)
  XWD_W=$(be32 "$xwd" 16) XWD_H=$(be32 "$xwd" 20) XWD_STRIDE=$(($(be32 "$xwd" 48) / 4))
  [[ $order -eq 1 ]] && endian=big
  od -An -v -tx4 -w4 --endian=$endian -j $((header + colours * 12)) "$xwd" | awk '{ print substr($1, 3) }'
}

# wait_for_prompt: the window shows the prompt, light text on black only.
wait_for_prompt() {
  for _ in $(seq 50); do
    if xwd -silent -id "$WINDOW" -out "$WORK/poll.xwd" 2>/dev/null &&
      [[ $(pixels "$WORK/poll.xwd" | sort -u | tr '\n' ' ') == "000000 e0e0e0 " ]]; then
      return 0
    fi
    sleep 0.1
  done
  fail "no prompt in the window"
}

# compare_capture XWD RAW PAL [exact]: the 640 x 480 window capture equals
# the headless picture RAW through palette PAL. Unless exact, the cursor's
# blink is let through: it changes colour with every turn, so differences may
# lie in one 32 x 32 cell.
compare_capture() {
  pixels "$1" >"$WORK/pixels.txt"
  ((XWD_W == 640 && XWD_H == 480)) || fail "the capture is ${XWD_W}x${XWD_H}, not 640x480"
  od -An -v -tu1 "$3" >"$WORK/pal.txt"
  od -An -v -tu1 -w640 "$2" >"$WORK/raw.txt"
  local bad spanx spany
  read -r bad spanx spany < <(awk -v stride="$XWD_STRIDE" -v pal="$WORK/pal.txt" -v raw="$WORK/raw.txt" '
    BEGIN {
      n = 0
      while ((getline line < pal) > 0) { c = split(line, t); for (i = 1; i <= c; i++) p[n++] = t[i] }
      y = 0
      while ((getline line < raw) > 0) { c = split(line, t); for (i = 1; i <= c; i++) r[y * 640 + i - 1] = t[i]; y++ }
      minx = miny = 100000; maxx = maxy = -1; bad = 0
    }
    {
      k = NR - 1; x = k % stride; y = int(k / stride)
      if (x >= 640 || y >= 480) next
      i = r[y * 640 + x]
      if ($1 == sprintf("%02x%02x%02x", p[3 * i], p[3 * i + 1], p[3 * i + 2])) next
      bad++
      if (x < minx) minx = x; if (x > maxx) maxx = x; if (y < miny) miny = y; if (y > maxy) maxy = y
    }
    END { printf "%d %d %d\n", bad, maxx - minx + 1, maxy - miny + 1 }
  ' "$WORK/pixels.txt")
  if ((bad > 0)); then
    [[ ${4:-} != exact ]] || fail "$bad pixels of $2 differ from the window, over ${spanx}x${spany} pixels"
    ((spanx <= 32 && spany <= 32)) ||
      fail "$bad pixels of $2 differ from the window, over ${spanx}x${spany} pixels"
  fi
  echo "$(basename "$2") matches the window: $bad pixels differ"
}

# replay DIR SCRIPT: runs SCRIPT in DIR with tesselle-headless, its exit
# status in REPLAY_STATUS. Nothing may go to stderr: a dialog that finds no
# answer, or a script line that cannot be read, says so there.
replay() {
  REPLAY_STATUS=0
  (cd "$1" && "$HEADLESS" "$2" >/dev/null 2>"$1/headless.err") || REPLAY_STATUS=$?
  [[ ! -s $1/headless.err ]] || fail "the replay of $1/$2 complains: $(cat "$1/headless.err")"
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
# window as $desk/check.N.xwd, then the answer (empty: cancel).
checkpoint() {
  xdotool key shift+F3
  for _ in $(seq 100); do
    [[ -e $DIALOGS/shown.$1 ]] && break
    sleep 0.1
  done
  [[ -e $DIALOGS/shown.$1 ]] || fail "the Save As dialog $1 did not open"
  sleep 0.3
  xwd -silent -id "$WINDOW" -out "$desk/check.$1.xwd" || fail "xwd cannot capture the window"
  printf '%s' "$2" >"$DIALOGS/answer.$1"
  sleep 0.5
}

# --- A session: the open prompt, cells, a block copy, the preview, the Word
# Map, a save; Save As through zenity (answered, then cancelled) and through
# the prompt (answered, then cancelled); closed with the close button.
desk=$(new_run_dir desk)
mkdir -p "$desk/bin" # zenity comes and goes here while the program runs
APP_PATH=$desk/bin start_app "$desk" --window --record rec.txt
wait_for_prompt
xdotool type --delay 20 "Start.out" # typing replaces the name offered
xdotool key Return
sleep 0.5
xdotool key --delay 40 Right Right Down space Tab Right Right Right space Tab Down Down space
xdotool key --delay 40 shift+Right shift+Right shift+Down c Right Right Right Down Down v Right
xdotool key F4
sleep 0.6
xdotool key Escape
sleep 0.3
xdotool key F5
sleep 0.5
xdotool key --delay 40 Right Down space Tab Down space Tab Right space Escape
sleep 0.3
xdotool key F3
sleep 0.3
cp "$WORK/zenity" "$desk/bin/zenity"
checkpoint 1 "$desk/Copy" # an absolute name inside the folder is recorded relative
xdotool key --delay 40 Left Up space
sleep 0.4
checkpoint 2 ""
rm "$desk/bin/zenity"
xdotool key shift+F3
wait_for_prompt
xdotool type --delay 20 "Typed"
xdotool key Return
sleep 0.3
xdotool key shift+F3
wait_for_prompt
xdotool key Escape
sleep 0.3
xdotool key --delay 40 Left Up Left
sleep 1
xwd -silent -id "$WINDOW" -out "$desk/last.xwd" || fail "xwd cannot capture the window"
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
play=$(new_run_dir play)
awk '{ line[NR] = $0; if ($0 == "close") last = NR }
  END {
    for (i = 1; i <= NR; i++) {
      if (line[i] == "key shift+F3" && ++saves <= 2) printf "shot check.%d.raw\npalette check.%d.pal\n", saves, saves
      if (i == last) print "shot last.raw\npalette last.pal"
      print line[i]
    }
  }' "$rec" >"$play/replay.txt"
replay "$play" replay.txt
((REPLAY_STATUS == 0)) || fail "the replay exits with $REPLAY_STATUS, not 0"
[[ -f $play/last.raw ]] || fail "the replay ended before the close"
compare_capture "$desk/check.1.xwd" "$play/check.1.raw" "$play/check.1.pal" exact
compare_capture "$desk/check.2.xwd" "$play/check.2.raw" "$play/check.2.pal" exact
compare_capture "$desk/last.xwd" "$play/last.raw" "$play/last.pal"
for file in Start.out Copy.out Typed.out; do
  cmp -s "$desk/$file" "$play/$file" || fail "the replay wrote another $file than the session"
done

# --- Alt+F4 ends through the program's own posted messages: the replay ends
# with the same status, and the final quit is never reached.
alt=$(new_run_dir alt)
start_app "$alt" --window --new --record rec.txt
xdotool key --delay 40 Right space Down
sleep 0.3
xdotool key alt+F4
expect_exit 96
grep -qx "syskey F4" "$alt/rec.txt" || fail "the recording has no 'syskey F4'"
[[ $(head -n 3 "$alt/rec.txt" | tail -n 1) == "open cancel" ]] || fail "--new is not recorded as 'open cancel'"
# The WM_SYSCOMMAND that the key posts is not recorded: the replay posts it.
[[ $(tail -n 2 "$alt/rec.txt" | tr '\n' ' ') == "syskey F4 quit 61536 " ]] ||
  fail "the recording ends with $(tail -n 2 "$alt/rec.txt")"
printf 'quit 5\n' >>"$alt/rec.txt" # never reached either
replay "$alt" rec.txt
((REPLAY_STATUS == 96)) || fail "the Alt+F4 replay exits with $REPLAY_STATUS, not 96"

# --- A session that is killed still leaves a script that replays to its last
# message.
killed=$(new_run_dir killed)
start_app "$killed" --window --record rec.txt Start.out
xdotool key --delay 40 Right Right space
sleep 0.5
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
[[ $(tail -c 1 "$killed/rec.txt" | od -An -c | tr -d ' ') == '\n' ]] || fail "the recording ends inside a line"
grep -qx "open Start.out" "$killed/rec.txt" || fail "the command line's area set is not recorded"
[[ $(grep -c "^key " "$killed/rec.txt") -eq 3 ]] || fail "the killed session's keys are not all recorded"
printf 'key F3\n' >>"$killed/rec.txt"
replay "$killed" rec.txt
((REPLAY_STATUS == 0)) || fail "the killed session's replay exits with $REPLAY_STATUS"
plain=$(new_run_dir plain)
printf 'open Start.out\nkey RIGHT\nkey RIGHT\nkey SPACE\nkey F3\n' >"$plain/keys.txt"
replay "$plain" keys.txt
cmp -s "$killed/Start.out" "$plain/Start.out" || fail "the killed session's replay lost its keys"

echo "record and replay test passed"
