# shellcheck shell=bash
# What the tests that drive a program on a virtual X server share: failing
# and skipping, a scratch folder and the cleanup of the processes the script
# started, Xvfb on a free display, openbox, the desktop program's window, and
# window captures compared with the headless front end's picture.
#
# Sourced by the scripts, which run under `set -euo pipefail`. They set DATA
# (the folder with the cell bank) before new_run_dir and TESSELLE (the
# desktop program) before start_app. The state kept here: WORK, XVFB_PID,
# WM_PID, APP_PID, WINDOW.

XVFB_PID=""
WM_PID=""
APP_PID=""
WINDOW=""

# expect_args COUNT USAGE ARGS...: ends the script with a usage line (status
# 2) unless it was given COUNT arguments.
expect_args() {
  local count=$1 usage=$2
  shift 2
  if (($# != count)); then
    echo "usage: $0 $usage" >&2
    exit 2
  fi
}

# fail MESSAGE: ends the test as failed.
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# skip REASON: ends the test as skipped, with the status the test runner
# reads as such.
skip() {
  echo "SKIP: $*"
  exit 77
}

# require_tools TOOL...: skips the test unless every tool is installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
}

# until_true SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# false when it has not within SECONDS.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# session_begin NAME: a fresh scratch folder as WORK, and traps that on every
# exit end the processes this script started (APP_PID, WM_PID, XVFB_PID) and
# remove WORK. A test runner's time-out (TERM) still cleans up.
# Set by the script:
#   SESSION_BEFORE_CLEANUP  a command run first, e.g. to stop a program's helpers
#   SESSION_KEEP_ON_FAIL=1  WORK stays after a failure, to be looked at
session_begin() {
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/tesselle-$1.XXXXXX")
  trap session_end EXIT
  trap 'exit 143' TERM INT HUP
}

session_end() {
  local status=$? pid
  if [[ -n ${SESSION_BEFORE_CLEANUP:-} ]]; then
    "$SESSION_BEFORE_CLEANUP" || true
  fi
  for pid in "$APP_PID" "$WM_PID" "$XVFB_PID"; do
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null || true
    fi
  done
  if [[ ${SESSION_KEEP_ON_FAIL:-0} == 1 && $status -ne 0 && $status -ne 77 ]]; then
    echo "captures, references and logs kept in $WORK" >&2
  else
    rm -rf "$WORK"
  fi
  return 0
}

# new_run_dir NAME: a fresh working folder WORK/NAME holding the cell bank and
# id table; prints its path.
new_run_dir() {
  local dir="$WORK/$1"
  mkdir -p "$dir"
  # shellcheck disable=SC2154 # DATA comes from the sourcing script
  cp "$DATA/Cells.dap" "$DATA/Cells.id" "$dir/"
  echo "$dir"
}

# --- The virtual X server and the window manager ------------------------------
# start_xvfb FIRST LAST SCREEN: Xvfb with one screen of SCREEN (WxHxDEPTH) on
# the first free display from :FIRST to :LAST, exported as DISPLAY.
start_xvfb() {
  local first=$1 last=$2 screen=$3 number deadline
  for ((number = first; number <= last; number++)); do
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -screen 0 "$screen" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$number"
    # Ours, not a server that took the number first: that one's lock file
    # holds another pid, and ours ends.
    deadline=$((SECONDS + 10))
    while kill -0 "$XVFB_PID" 2>/dev/null && ((SECONDS < deadline)); do
      if xdotool getdisplaygeometry >/dev/null 2>&1 &&
        [[ $(tr -d ' \n' <"/tmp/.X$number-lock" 2>/dev/null) == "$XVFB_PID" ]]; then
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  fail "cannot start Xvfb on any display from :$first to :$last"
}

# start_openbox: openbox with no key bindings of its own, so that Alt+F4
# reaches the program.
start_openbox() {
  cat >"$WORK/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard></keyboard></openbox_config>
EOF
  openbox --config-file "$WORK/rc.xml" >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  until_true 10 wmctrl -m >/dev/null 2>&1 || fail "openbox does not start: $(cat "$WORK/openbox.log")"
}

# visible_window TITLE: prints the id of a mapped window whose whole title
# matches the pattern TITLE; false when there is none. Not with --sync, which
# fails outright when some window goes away while it looks.
visible_window() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [[ -n $id ]] && echo "$id"
}

# wait_for_window TITLE [SECONDS]: visible_window, polled for up to SECONDS
# (60).
wait_for_window() {
  local deadline=$((SECONDS + ${2:-60})) id
  until id=$(visible_window "$1"); do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
  echo "$id"
}

# --- The desktop program ------------------------------------------------------
# start_app DIR ARGS...: runs $TESSELLE in DIR with $APP_PATH for its PATH
# (by default one without any dialog program, so the dialogs are the prompt
# in the window), stderr to DIR/stderr; the id of its window in WINDOW.
start_app() {
  local dir=$1 deadline=$((SECONDS + 10))
  shift
  # shellcheck disable=SC2154 # TESSELLE comes from the sourcing script
  (cd "$dir" && PATH=${APP_PATH:-/nonexistent} exec "$TESSELLE" "$@" </dev/null 2>"$dir/stderr") &
  APP_PID=$!
  WINDOW=""
  while ((SECONDS < deadline)); do
    # Found by its process: the title carries the set's name.
    WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1) &&
      [[ -n $WINDOW ]] && return 0
    kill -0 "$APP_PID" 2>/dev/null || fail "tesselle ended at start: $(cat "$dir/stderr")"
    sleep 0.1
  done
  fail "no window of tesselle within 10 s"
}

app_gone() { ! kill -0 "$APP_PID" 2>/dev/null; }

# expect_exit STATUS: the program ends within 10 s with that status.
expect_exit() {
  until_true 10 app_gone || fail "tesselle still runs 10 s after the close"
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID=""
  [[ $status -eq $1 ]] || fail "tesselle exits with status $status after the close, not $1"
}

# --- Captures -----------------------------------------------------------------
# capture_window FILE: the program's window as an XWD file.
capture_window() {
  xwd -silent -id "$WINDOW" -out "$1" || fail "xwd cannot capture the window"
}

be32() { od -An -tu4 --endian=big -j "$2" -N 4 "$1" | tr -d ' '; }

# xwd_header XWD: the capture's size in XWD_W and XWD_H, its row stride in
# pixels in XWD_STRIDE, its depth and bits a pixel in XWD_DEPTH and XWD_BITS,
# and where and in which byte order its pixels lie in XWD_OFFSET and
# XWD_ENDIAN.
xwd_header() {
  local xwd=$1 header colours
  header=$(be32 "$xwd" 0) colours=$(be32 "$xwd" 76)
  XWD_DEPTH=$(be32 "$xwd" 12) XWD_W=$(be32 "$xwd" 16) XWD_H=$(be32 "$xwd" 20)
  XWD_BITS=$(be32 "$xwd" 44) XWD_STRIDE=$(($(be32 "$xwd" 48) / 4))
  XWD_OFFSET=$((header + colours * 12)) XWD_ENDIAN=little
  [[ $(be32 "$xwd" 28) -eq 1 ]] && XWD_ENDIAN=big
  return 0
}

# xwd_words XWD: the capture's 32-bit pixels in hex (00RRGGBB), one a line,
# after xwd_header.
xwd_words() {
  od -An -v -tx4 -w4 --endian="$XWD_ENDIAN" -j "$XWD_OFFSET" "$1"
}

# window_colours: the distinct colours (RRGGBB) in the window, one a line;
# nothing when it cannot be captured.
window_colours() {
  xwd -silent -id "$WINDOW" -out "$WORK/colours.xwd" 2>/dev/null || return 0
  xwd_header "$WORK/colours.xwd"
  xwd_words "$WORK/colours.xwd" | awk '{ print substr($1, 3) }' | sort -u
}

shows_prompt() { [[ $(window_colours | tr '\n' ' ') == "000000 e0e0e0 " ]]; }

# wait_for_prompt: within 10 s the window shows the prompt: light text on
# black and nothing else. (Each look is a capture, slow on a busy machine.)
wait_for_prompt() {
  until_true 10 shows_prompt || fail "no prompt in the window: $(window_colours | wc -l) colours"
}

# picture_layout W H: where the desktop program puts the picture in an output
# of W x H: PIC_F (whole scale), PIC_OX and PIC_OY, and the status line below
# it from BAND_Y, BAND_H rows (none when the output has no 16 rows to spare).
picture_layout() {
  local spare scale
  PIC_F=$(($1 / 640 < $2 / 480 ? $1 / 640 : $2 / 480))
  spare=$(($2 - 480 * PIC_F)) scale=$PIC_F
  ((spare / 16 < scale)) && scale=$((spare / 16))
  BAND_H=$((16 * scale)) PIC_OX=$((($1 - 640 * PIC_F) / 2))
  PIC_OY=$(((spare - BAND_H) / 2))
  BAND_Y=$((PIC_OY + 480 * PIC_F))
}

# capture_matches [--exact] [--size WxH] [--min-colours N] XWD RAW PAL: true
# when the window capture XWD shows the headless picture RAW (640 x 480
# palette indices) through palette PAL: a whole multiple of it, centred above
# the status line (see picture_layout), with black around them. Unless --exact, the cursor's blink is let through: it
# changes colour with every frame, so differences may lie in one 32 x 32 cell.
# --size: the capture must be that size; --min-colours: the picture must show
# at least N colours. Sets CAPTURE_FACTOR, CAPTURE_BAD (pixels that differ)
# and CAPTURE_COLOURS; when false, what differs in CAPTURE_PROBLEM.
capture_matches() {
  local exact=0 size="" min_colours=0
  while [[ ${1:-} == --* ]]; do
    case $1 in
      --exact) exact=1 ;;
      --size) size=$2 && shift ;;
      --min-colours) min_colours=$2 && shift ;;
      *) fail "capture_matches: unknown option $1" ;;
    esac
    shift
  done
  local xwd=$1 raw=$2 pal=$3
  CAPTURE_PROBLEM=""
  xwd_header "$xwd"
  ((XWD_DEPTH == 24 && XWD_BITS == 32)) || fail "capture of depth $XWD_DEPTH, $XWD_BITS bits a pixel"
  if [[ -n $size && ${XWD_W}x$XWD_H != "$size" ]]; then
    CAPTURE_PROBLEM="the capture is ${XWD_W}x$XWD_H, not $size"
    return 1
  fi
  picture_layout "$XWD_W" "$XWD_H"
  local factor=$PIC_F
  if ((factor < 1)); then
    CAPTURE_PROBLEM="the window is ${XWD_W}x$XWD_H, smaller than the picture"
    return 1
  fi
  od -An -v -tu1 "$pal" >"$WORK/compare.pal.txt"
  od -An -v -tu1 -w640 "$raw" >"$WORK/compare.raw.txt"
  xwd_words "$xwd" >"$WORK/compare.pixels.txt"
  local result bad spanx spany border distinct
  result=$(awk -v W="$XWD_W" -v H="$XWD_H" -v stride="$XWD_STRIDE" \
    -v f="$factor" -v ox="$PIC_OX" -v oy="$PIC_OY" -v by="$BAND_Y" -v bh="$BAND_H" \
    -v pal="$WORK/compare.pal.txt" -v raw="$WORK/compare.raw.txt" '
    BEGIN {
      n = 0
      while ((getline line < pal) > 0) { c = split(line, t); for (i = 1; i <= c; i++) p[n++] = t[i] }
      y = 0
      while ((getline line < raw) > 0) { c = split(line, t); for (i = 1; i <= c; i++) r[y * 640 + i - 1] = t[i]; y++ }
      half = int(f / 2)
      minx = miny = 100000; maxx = maxy = -1; bad = 0; border = 0; distinct = 0
    }
    {
      k = NR - 1; sx = k % stride; sy = int(k / stride)
      if (sx >= W || sy >= H) next
      v = substr($1, 3)
      px = sx - ox; py = sy - oy
      if (sy >= by && sy < by + bh) next
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
  ' "$WORK/compare.pixels.txt")
  read -r bad spanx spany border distinct <<<"$result"
  # shellcheck disable=SC2034 # read by the sourcing scripts
  CAPTURE_FACTOR=$factor CAPTURE_BAD=$bad CAPTURE_COLOURS=$distinct
  if ((border > 0)); then
    CAPTURE_PROBLEM="$border pixels around the picture are not black"
  elif ((distinct < min_colours)); then
    CAPTURE_PROBLEM="the picture shows only $distinct colours"
  elif ((bad > 0 && (exact == 1 || spanx > 32 || spany > 32))); then
    CAPTURE_PROBLEM="$bad pixels of the window differ from $raw, over ${spanx}x${spany} pixels"
  fi
  [[ -z $CAPTURE_PROBLEM ]]
}

# compare_capture [OPTIONS] XWD RAW PAL: capture_matches, or the test fails
# with what differs.
compare_capture() {
  capture_matches "$@" || fail "$CAPTURE_PROBLEM"
}

# compare_until SECONDS [OPTIONS] XWD RAW PAL: captures the window as XWD and
# compares it as capture_matches does, again and again, until it matches: the
# program may not have drawn what is expected yet. The test fails with the
# last difference when SECONDS have passed without a match.
compare_until() {
  local seconds=$1 xwd=${*: -3:1}
  local deadline=$((SECONDS + seconds))
  shift
  while true; do
    if ! xwd -silent -id "$WINDOW" -out "$xwd" 2>"$WORK/xwd.err"; then
      CAPTURE_PROBLEM="xwd cannot capture the window: $(head -n 1 "$WORK/xwd.err")"
    elif capture_matches "$@"; then
      return 0
    fi
    ((SECONDS < deadline)) || fail "the window does not match within $seconds s: $CAPTURE_PROBLEM"
    sleep 0.1
  done
}

# wait_until_still XWD [SECONDS]: captures the window as XWD again and again
# until two captures in a row, 0.1 s apart, are the same; false when SECONDS
# (10) pass first. For a program known to wait (in a dialog, say): the window
# has stopped changing, its last frame is on the screen. (A program that runs
# changes the cursor's colour every frame, though in a cycle of 16 that two
# captures could chance to straddle.)
wait_until_still() {
  local xwd=$1 deadline=$((SECONDS + ${2:-10}))
  capture_window "$xwd.before"
  while true; do
    sleep 0.1
    capture_window "$xwd"
    cmp -s "$xwd" "$xwd.before" && return 0
    ((SECONDS < deadline)) || return 1
    mv "$xwd" "$xwd.before"
  done
}
