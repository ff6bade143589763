# shellcheck shell=bash
# The runner the smoke tests share: their arguments, failing and skipping, a
# scratch folder and the end of the processes they started, Xvfb on a free
# display, openbox, the program's window, and its captures compared by
# picture-compare with the headless front end's picture of the same keys.
#
# Sourced by scripts under `set -euo pipefail`, which call smoke_begin first.
# The state kept here: PROGRAM HEADLESS DATA COMPARE WORK, XVFB_PID WM_PID
# APP_PID, and WINDOW (the window captured, or "root" for the whole screen).

XVFB_PID="" WM_PID="" APP_PID="" WINDOW=""

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# skip REASON: ends the test with the status the test runner reads as skipped.
skip() {
  echo "SKIP: $*"
  exit 77
}

require_tools() {
  local tool
  for tool in "$@"; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done
}

# until_true SECONDS COMMAND...: COMMAND every 0.1 s until it succeeds; false
# when it has not within SECONDS.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# smoke_begin NAME PROGRAM HEADLESS DATA_DIR PICTURE_COMPARE: the paths made
# absolute, a fresh scratch folder WORK, and traps that on every exit (a test
# runner's TERM too) run $SESSION_BEFORE_CLEANUP, end the processes started
# here and remove WORK, which stays after a failure with SESSION_KEEP_ON_FAIL=1.
smoke_begin() {
  if (($# != 5)); then
    echo "usage: $0 PROGRAM TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE" >&2
    exit 2
  fi
  PROGRAM=$(realpath "$2") HEADLESS=$(realpath "$3") DATA=$(realpath "$4") COMPARE=$(realpath "$5")
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/tesselle-$1.XXXXXX")
  trap session_end EXIT
  trap 'exit 143' TERM INT HUP
}

session_end() {
  local status=$? pid
  [[ -z ${SESSION_BEFORE_CLEANUP:-} ]] || "$SESSION_BEFORE_CLEANUP" || true
  for pid in "$APP_PID" "$WM_PID" "$XVFB_PID"; do
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
  done
  if [[ ${SESSION_KEEP_ON_FAIL:-0} == 1 && $status -ne 0 && $status -ne 77 ]]; then
    echo "captures, references and logs kept in $WORK" >&2
  else
    rm -rf "$WORK"
  fi
  return 0
}

# new_run_dir NAME: a fresh folder WORK/NAME holding the cell bank and the id
# table; prints its path.
new_run_dir() {
  mkdir -p "$WORK/$1"
  cp "$DATA/Cells.dap" "$DATA/Cells.id" "$WORK/$1/"
  echo "$WORK/$1"
}

# start_xvfb FIRST LAST SCREEN: Xvfb with one screen of SCREEN (WxHxDEPTH) on
# the first free display from :FIRST to :LAST, exported as DISPLAY.
start_xvfb() {
  local number
  for ((number = $1; number <= $2; number++)); do
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -screen 0 "$3" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$number"
    # Ours, not a server that took the number first: that one's lock file
    # holds another pid, and ours ends.
    xvfb_ready() {
      kill -0 "$XVFB_PID" 2>/dev/null && xdotool getdisplaygeometry >/dev/null 2>&1 &&
        [[ $(tr -d ' \n' <"/tmp/.X$number-lock" 2>/dev/null) == "$XVFB_PID" ]]
    }
    until_true 10 xvfb_ready && return 0
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  fail "cannot start Xvfb on any display from :$1 to :$2"
}

# start_openbox: openbox with no key bindings of its own, so that Alt+F4
# reaches the program.
start_openbox() {
  echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/></openbox_config>' >"$WORK/rc.xml"
  openbox --config-file "$WORK/rc.xml" >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  until_true 10 wmctrl -m >/dev/null 2>&1 || fail "openbox does not start: $(cat "$WORK/openbox.log")"
}

# visible_window TITLE: the id of a mapped window whose whole title matches
# the pattern TITLE; false when there is none. (Not --sync, which fails
# outright when some window goes away while it looks.)
visible_window() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [[ -n $id ]] && echo "$id"
}

# wait_for_window TITLE [SECONDS]: visible_window, polled for up to SECONDS (60).
wait_for_window() { until_true "${2:-60}" visible_window "$1"; }

# start_app DIR ARGS...: the desktop program in DIR with $APP_PATH for its
# PATH (by default none, so the dialogs are the prompt in the window), stderr
# to DIR/stderr, the keyboard focus on its window, whose id is in WINDOW.
start_app() {
  local dir=$1
  shift
  (cd "$dir" && PATH=${APP_PATH:-/nonexistent} exec "$PROGRAM" "$@" </dev/null 2>"$dir/stderr") &
  APP_PID=$!
  app_window() {
    # By its process: the title carries the set's name.
    WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1) &&
      [[ -n $WINDOW ]] && return 0
    kill -0 "$APP_PID" 2>/dev/null || fail "tesselle ended at start: $(cat "$dir/stderr")"
    return 1
  }
  until_true 10 app_window || fail "no window of tesselle within 10 s"
  xdotool windowfocus --sync "$WINDOW"
}

app_gone() { ! kill -0 "$APP_PID" 2>/dev/null; }

# expect_exit STATUS: the program ends within 10 s with that status.
expect_exit() {
  until_true 10 app_gone || fail "tesselle still runs 10 s after the close"
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID=""
  [[ $status -eq $1 ]] || fail "tesselle exits with status $status, not $1"
}

# headless DIR SCRIPT [STATUS]: the headless front end runs the script file
# in DIR; the test fails unless it exits with STATUS (0) and says nothing on
# stderr, where a dialog without an answer or a line it cannot read shows.
headless() {
  local status=0
  (cd "$1" && "$HEADLESS" "$2" >/dev/null 2>"$1/headless.err") || status=$?
  [[ $status -eq ${3:-0} && ! -s $1/headless.err ]] ||
    fail "the headless run of $1/$2 exits $status: $(cat "$1/headless.err")"
}

# reference DIR LINES: the headless picture after the script LINES, as
# DIR/expected.png.
reference() {
  printf '%s\nshot expected.png\nquit\n' "$2" >"$1/reference.txt"
  headless "$1" reference.txt
}

# capture FILE: WINDOW as an XWD file.
capture() {
  local where=(-id "$WINDOW")
  [[ $WINDOW != root ]] || where=(-root)
  xwd -silent "${where[@]}" -out "$1" 2>/dev/null
}

# shows CAPTURE EXPECTED [OPTIONS]: picture-compare's verdict (its options:
# --scaled, --cursor for the cursor's blink, --min-colours N), with what
# differs in PICTURE_DIFF.
shows() { PICTURE_DIFF=$("$COMPARE" "${@:3}" "$1" "$2" 2>&1); }

# expect_picture SECONDS EXPECTED [OPTIONS]: WINDOW comes to show EXPECTED
# within SECONDS; captured as WORK/capture.xwd again and again, as the program
# may still be taking the keys or drawing.
expect_picture() {
  local deadline=$((SECONDS + $1)) expected=$2
  shift 2
  PICTURE_DIFF="xwd cannot capture the window"
  until capture "$WORK/capture.xwd" && shows "$WORK/capture.xwd" "$expected" "$@"; do
    ((SECONDS < deadline)) || fail "the window does not show $(basename "$expected"): $PICTURE_DIFF"
    sleep 0.1
  done
  echo "the window shows $(basename "$expected")"
}

# note_length: the in-window prompt's note line (why a key or Enter did
# nothing) in characters; false when the window shows no prompt.
note_length() { capture "$WORK/prompt.xwd" && "$COMPARE" --prompt "$WORK/prompt.xwd" 2>/dev/null; }
shows_prompt() { note_length >/dev/null; }
wait_for_prompt() { until_true 10 shows_prompt || fail "no prompt in the window"; }
