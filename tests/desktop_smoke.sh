#!/bin/bash
# Smoke test of the desktop front end on a virtual X server: the window, its
# picture against the headless front end's, keys, the file dialogs (zenity,
# kdialog and the prompt in the window) and the ways the window is closed.
# Usage: desktop_smoke.sh TESSELLE TESSELLE_HEADLESS DATA_DIR
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
SCREEN_W=1600
SCREEN_H=1200

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tesselle-desktop.XXXXXX")
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

# A fresh working directory holding the cell bank and id table.
new_run_dir() {
  local dir="$WORK/$1"
  mkdir -p "$dir"
  cp "$DATA/Cells.dap" "$DATA/Cells.id" "$dir/"
  echo "$dir"
}

# --- What needs no display ----------------------------------------------------
[[ $("$TESSELLE" --version) == "Tesselle v1.0" ]] || fail "--version does not print the title"
set +e
"$TESSELLE" --no-such-option >/dev/null 2>"$WORK/err"
status=$?
set -e
[[ $status -eq 1 ]] || fail "an unknown option exits $status, not 1"
grep -q "^tesselle: unknown option" "$WORK/err" || fail "no error line for an unknown option"

nodisplay=$(new_run_dir nodisplay)
set +e
(cd "$nodisplay" && env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY= \
  timeout 10 "$TESSELLE" --window --new) >/dev/null 2>"$WORK/err"
status=$?
set -e
[[ $status -eq 1 ]] || fail "without a display tesselle exits $status, not 1"
[[ $(wc -l <"$WORK/err") -eq 1 ]] || fail "without a display stderr is not one line"
grep -q "^tesselle: cannot open the display: " "$WORK/err" || fail "no display line: $(cat "$WORK/err")"

# --- The virtual X server and a window manager ------------------------------------
for tool in Xvfb xdotool openbox wmctrl xwd od awk timeout; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

for ((number = 90; number < 140; number++)); do
  [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
  Xvfb ":$number" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
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
[[ -n $XVFB_PID ]] || fail "cannot start Xvfb on any display from :90 to :139"

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

# Stand-ins for the dialog programs: each logs its arguments and answers with
# $FAKE_ANSWER. With $FAKE_FULL_SIZE set it first logs the size the program's
# window takes once it leaves full screen, as it must for the dialog to be seen.
mkdir -p "$WORK/bin" "$WORK/kbin"
cat >"$WORK/bin/zenity" <<'EOF'
#!/bin/bash
printf '%s\n' "$@" >>"$FAKE_LOG"
if [[ -n ${FAKE_FULL_SIZE:-} ]]; then
  for _ in $(seq 30); do
    size=$(xdotool search --name '^Tesselle v1\.0$' getwindowgeometry %1 | awk '/Geometry:/ { print $2 }')
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
# start_app DIR ARGS...: runs tesselle in DIR with $APP_PATH for its PATH,
# stderr to DIR/stderr.
start_app() {
  local dir=$1
  shift
  (cd "$dir" && PATH=$APP_PATH exec "$TESSELLE" "$@" </dev/null 2>"$dir/stderr") &
  APP_PID=$!
  # Searching again rather than with --sync: a search fails outright when
  # some window goes away while it looks.
  WINDOW=""
  for _ in $(seq 100); do
    WINDOW=$(xdotool search --onlyvisible --name '^Tesselle v1\.0$' 2>/dev/null | head -n 1) || true
    [[ -n $WINDOW ]] && return 0
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
  [[ $status -eq $1 ]] || fail "tesselle exits with status $status after the close, not $1"
}

# wait_for_file PATH: the file appears with the size of an area set.
wait_for_file() {
  for _ in $(seq 100); do
    [[ -f $1 && $(stat -c %s "$1") -eq $AREA_SET_SIZE ]] && return 0
    sleep 0.1
  done
  fail "$1 was not written as an area set"
}

window_size() {
  xdotool getwindowgeometry "$WINDOW" | awk '/Geometry:/ { print $2 }'
}

# reference DIR SCRIPT: the headless front end's picture and palette after
# SCRIPT, as DIR/expected.raw and DIR/expected.pal.
reference() {
  (cd "$1" && printf '%s\nshot expected.raw\npalette expected.pal\nquit\n' "$2" |
    "$HEADLESS" - >/dev/null 2>"$1/headless.err") || fail "tesselle-headless failed: $(cat "$1/headless.err")"
}

be32() { od -An -tu4 --endian=big -j "$2" -N 4 "$1" | tr -d ' '; }

# compare_window DIR: captures the window and compares it with the reference
# in DIR. The picture must be a whole multiple of 640 x 480, centred, with
# black around it, and equal to the reference but for the cursor's blink,
# which changes colour with every frame: all differences lie in one 32 x 32
# cell.
compare_window() {
  local dir=$1
  xwd -silent -id "$WINDOW" -out "$dir/window.xwd" || fail "xwd cannot capture the window"
  local xwd="$dir/window.xwd"
  local header=$(be32 "$xwd" 0) depth=$(be32 "$xwd" 12) width=$(be32 "$xwd" 16)
  local height=$(be32 "$xwd" 20) order=$(be32 "$xwd" 28) bits=$(be32 "$xwd" 44)
  local stride=$(be32 "$xwd" 48) colours=$(be32 "$xwd" 76)
  [[ $depth -eq 24 && $bits -eq 32 ]] || fail "capture of depth $depth, $bits bits a pixel"
  local factor=$((width / 640 < height / 480 ? width / 640 : height / 480))
  ((factor >= 1)) || fail "the window is ${width}x${height}, smaller than the picture"
  local endian=little
  [[ $order -eq 1 ]] && endian=big
  od -An -v -tu1 "$dir/expected.pal" >"$dir/pal.txt"
  od -An -v -tu1 -w640 "$dir/expected.raw" >"$dir/raw.txt"
  od -An -v -tx4 -w4 --endian=$endian -j $((header + colours * 12)) "$xwd" >"$dir/pixels.txt"
  RESULT=$(awk -v W="$width" -v H="$height" -v stride=$((stride / 4)) -v f="$factor" \
    -v pal="$dir/pal.txt" -v raw="$dir/raw.txt" '
    BEGIN {
      n = 0
      while ((getline line < pal) > 0) { c = split(line, t); for (i = 1; i <= c; i++) p[n++] = t[i] }
      y = 0
      while ((getline line < raw) > 0) { c = split(line, t); for (i = 1; i <= c; i++) r[y * 640 + i - 1] = t[i]; y++ }
      ox = int((W - 640 * f) / 2); oy = int((H - 480 * f) / 2); half = int(f / 2)
      minx = miny = 100000; maxx = maxy = -1; bad = 0; border = 0; distinct = 0
    }
    {
      k = NR - 1; sx = k % stride; sy = int(k / stride)
      if (sx >= W || sy >= H) next
      v = substr($1, 3)
      px = sx - ox; py = sy - oy
      if (px < 0 || py < 0 || px >= 640 * f || py >= 480 * f) { if (v != "000000") border++; next }
      if (px % f != half || py % f != half) next
      x = int(px / f); y = int(py / f); i = r[y * 640 + x]
      want = sprintf("%02x%02x%02x", p[3 * i], p[3 * i + 1], p[3 * i + 2])
      if (!(v in seen)) { seen[v] = 1; distinct++ }
      if (v == want) next
      bad++
      if (x < minx) minx = x; if (x > maxx) maxx = x; if (y < miny) miny = y; if (y > maxy) maxy = y
    }
    END { printf "%d %d %d %d %d\n", bad, maxx - minx + 1, maxy - miny + 1, border, distinct }
  ' "$dir/pixels.txt")
  local bad spanx spany border distinct
  read -r bad spanx spany border distinct <<<"$RESULT"
  ((border == 0)) || fail "$border pixels around the picture are not black"
  ((distinct > 4)) || fail "the picture shows only $distinct colours"
  if ((bad > 0)); then
    ((spanx <= 32 && spany <= 32)) ||
      fail "$bad pixels differ from the headless picture, over ${spanx}x${spany} pixels"
  fi
  echo "picture ${width}x${height} at factor $factor: $bad pixels differ (cursor blink), $distinct colours"
}

# --- A window: picture, keys, save and Save As, the close button ----------------
windowed=$(new_run_dir windowed)
reference "$windowed" $'open cancel\nkey right\nkey down\nframes 8'
export FAKE_LOG="$windowed/dialog.log" FAKE_ANSWER="$windowed/Copy"
APP_PATH="$WORK/bin:$PATH" start_app "$windowed" --window --new
size=$(window_size)
[[ $size == 640x480 ]] || fail "the window is $size, not 640x480"
xdotool windowfocus --sync "$WINDOW"
xdotool key Right Down
sleep 0.5
compare_window "$windowed"
# A larger window shows the picture twice as large, centred.
xdotool windowmove "$WINDOW" 0 0 windowsize "$WINDOW" 1300 1000
for _ in $(seq 50); do
  [[ $(window_size) == 1300x1000 ]] && break
  sleep 0.1
done
[[ $(window_size) == 1300x1000 ]] || fail "the window cannot be resized: $(window_size)"
sleep 0.5
compare_window "$windowed"

xdotool key F3
wait_for_file "$windowed/Areas.out"
[[ ! -e $FAKE_LOG ]] || fail "a plain save asked for a name"
xdotool key shift+F3
wait_for_file "$windowed/Copy.out" # the dialog adds the default extension
grep -qx -- "--save" "$FAKE_LOG" || fail "Save As did not ask with --save"
grep -qx -- "--filename=$windowed/Areas.out" "$FAKE_LOG" || fail "Save As did not start at Areas.out"
grep -qx -- "--file-filter=Dane do gry | \*.out" "$FAKE_LOG" || fail "Save As has no *.out filter"
cmp -s "$windowed/Areas.out" "$windowed/Copy.out" || fail "Save As wrote another set than the save"

wmctrl -c "Tesselle v1.0" || fail "wmctrl cannot close the window"
expect_exit 0

# --- Full screen: the area set from the command line, scaling, a dialog over
# it, Alt+F4.
wait_for_full_screen() {
  for _ in $(seq 50); do
    [[ $(window_size) == "${SCREEN_W}x${SCREEN_H}" ]] && return 0
    sleep 0.1
  done
  fail "full screen is $(window_size), not ${SCREEN_W}x${SCREEN_H}"
}

full=$(new_run_dir full)
if [[ -f $DATA/Areas.out ]]; then
  cp "$DATA/Areas.out" "$full/Start.out"
else
  cp "$windowed/Copy.out" "$full/Start.out"
fi
reference "$full" $'open Start.out\nframes 8'
export FAKE_LOG="$full/dialog.log" FAKE_ANSWER="$full/Saved.out"
export FAKE_FULL_SIZE="${SCREEN_W}x${SCREEN_H}"
APP_PATH="$WORK/bin:$PATH" start_app "$full" Start.out
wait_for_full_screen
sleep 0.5
compare_window "$full"

xdotool windowfocus --sync "$WINDOW"
xdotool key shift+F3
wait_for_file "$full/Saved.out"
grep -qx "window 640x480" "$FAKE_LOG" || fail "the dialog ran over the full screen: $(tail -n 1 "$FAKE_LOG")"
cmp -s "$full/Start.out" "$full/Saved.out" || fail "Save As changed a set that was not edited"
unset FAKE_FULL_SIZE
wait_for_full_screen
sleep 0.5
compare_window "$full" # the picture is back after the dialog

xdotool windowfocus --sync "$WINDOW"
xdotool key alt+F4
expect_exit 96 # the system command's wParam, SC_CLOSE, is the exit code
[[ ! -s $full/stderr ]] || fail "unexpected errors: $(cat "$full/stderr")"

# --- kdialog alone answers the start-up open -------------------------------------
kd=$(new_run_dir kdialog)
cp "$full/Start.out" "$full/expected.raw" "$full/expected.pal" "$kd/"
export FAKE_LOG="$kd/dialog.log" FAKE_ANSWER="$kd/Start.out"
APP_PATH="$WORK/kbin" start_app "$kd" --window
sleep 0.5
compare_window "$kd"
grep -qx -- "--getopenfilename" "$FAKE_LOG" || fail "kdialog was not asked to open"
grep -qx -- "$kd/Areas.out" "$FAKE_LOG" || fail "kdialog did not start at Areas.out"
grep -qx -- "\\*.out|Dane do gry" "$FAKE_LOG" || fail "kdialog has no *.out filter"
wmctrl -c "Tesselle v1.0" || fail "wmctrl cannot close the window"
expect_exit 0

# --- No dialog program: the prompt in the window -------------------------------
# picture_colours: the distinct colours of the window's picture, one a line.
picture_colours() {
  xwd -silent -id "$WINDOW" -out "$WORK/colours.xwd" 2>/dev/null || return 0
  local xwd="$WORK/colours.xwd"
  local header colours order endian=little
  header=$(be32 "$xwd" 0) colours=$(be32 "$xwd" 76) order=$(be32 "$xwd" 28)
  [[ $order -eq 1 ]] && endian=big
  od -An -v -tx4 -w4 --endian=$endian -j $((header + colours * 12)) "$xwd" |
    awk '{ print substr($1, 3) }' | sort -u
}

# wait_for_prompt: the window shows the prompt: light text on black and
# nothing else.
wait_for_prompt() {
  for _ in $(seq 50); do
    [[ $(picture_colours | tr '\n' ' ') == "000000 e0e0e0 " ]] && return 0
    sleep 0.1
  done
  fail "no prompt in the window: $(picture_colours | wc -l) colours"
}

# area_sets DIR: how many area sets DIR holds.
area_sets() {
  local file count=0
  for file in "$1"/*.out; do
    [[ -e $file ]] && count=$((count + 1))
  done
  echo "$count"
}

# The start-up open: Esc cancels, and the program starts on a new set.
bare=$(new_run_dir bare)
reference "$bare" $'open cancel\nframes 8'
APP_PATH=/nonexistent start_app "$bare" --window
xdotool windowfocus --sync "$WINDOW"
wait_for_prompt
xdotool key Escape
sleep 0.5
compare_window "$bare"

# Save As: Backspace takes back the last character typed, and Enter saves
# under the name with the default extension.
xdotool key shift+F3
wait_for_prompt
xdotool type --delay 20 "Typedx"
xdotool key BackSpace Return
wait_for_file "$bare/Typed.out"
sleep 0.5
compare_window "$bare" # the screen comes back as it was
xdotool key F3         # the name chosen is the set's name from now on
sleep 0.5
[[ ! -e $bare/Areas.out ]] || fail "F3 after Save As wrote Areas.out, not Typed.out"

# Esc cancels a Save As; so does Enter on a name too long, which keeps the
# prompt up: typing stops at 511 bytes, and the extension makes 515.
xdotool key shift+F3
wait_for_prompt
xdotool type --delay 2 "$(printf 'n%.0s' $(seq 520))"
xdotool key Return
sleep 0.3
wait_for_prompt
xdotool key Escape
sleep 0.5
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
