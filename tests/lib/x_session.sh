# shellcheck shell=bash
# The runner the smoke tests share (sourced under `set -euo pipefail`): a
# scratch folder WORK, Xvfb, openbox, the program's window (WINDOW, or "root")
# and its captures against the headless front end's pictures.

XVFB_PID="" WM_PID="" APP_PID="" WINDOW=""
AREA_SET_SIZE=214016
SESSION_LIB=$(realpath "$(dirname "${BASH_SOURCE[0]}")")

fail() { echo "FAIL: $*" >&2 && exit 1; }
skip() { echo "SKIP: $*" && exit 77; } # the status the test runner reads as skipped
require_tools() { for tool in "$@"; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done; }

# until_true SECONDS COMMAND...: COMMAND every 0.1 s until it succeeds, or false.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# smoke_begin NAME PROGRAM HEADLESS DATA_DIR PICTURE_COMPARE: a fresh WORK; on any exit
# $SESSION_BEFORE_CLEANUP, our processes ended, WORK removed (SESSION_KEEP_ON_FAIL=1 keeps it).
smoke_begin() {
  (($# == 5)) || { echo "usage: $0 PROGRAM TESSELLE_HEADLESS DATA_DIR PICTURE_COMPARE" >&2 && exit 2; }
  PROGRAM=$(realpath "$2") HEADLESS=$(realpath "$3") DATA=$(realpath "$4") COMPARE=$(realpath "$5")
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/tesselle-$1.XXXXXX")
  trap session_end EXIT
  trap 'exit 143' TERM INT HUP
}

session_end() {
  local status=$? pid
  [[ -z ${SESSION_BEFORE_CLEANUP:-} ]] || "$SESSION_BEFORE_CLEANUP" || true
  # The program may be asking whether to save its changes: it is killed.
  [[ -z $APP_PID ]] || kill -KILL "$APP_PID" 2>/dev/null || true
  for pid in "$APP_PID" "$WM_PID" "$XVFB_PID"; do
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then wait "$pid" 2>/dev/null || true; fi
  done
  if [[ ${SESSION_KEEP_ON_FAIL:-0} == 1 && $status -ne 0 && $status -ne 77 ]]; then
    echo "captures, references and logs kept in $WORK" >&2
  else rm -rf "$WORK"; fi
}

# new_run_dir NAME [FILE...]: a fresh folder WORK/NAME holding the cell bank,
# the id table and the FILEs; prints its path.
new_run_dir() { mkdir -p "$WORK/$1" && cp "$DATA/Cells.dap" "$DATA/Cells.id" "${@:2}" "$WORK/$1/" && echo "$WORK/$1"; }

# start_xvfb SCREEN: Xvfb with one screen of SCREEN (WxHxDEPTH) on a free
# display, which it picks itself, exported as DISPLAY once it takes clients.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  until_true 10 grep -q . "$WORK/display" || fail "Xvfb does not start: $(cat "$WORK/xvfb.log")"
  export DISPLAY=":$(cat "$WORK/display")"
}

# start_openbox: openbox without key bindings, so that Alt+F4 reaches the program.
start_openbox() {
  echo '<openbox_config xmlns="http://openbox.org/3.4/rc"><keyboard/></openbox_config>' >"$WORK/rc.xml"
  openbox --config-file "$WORK/rc.xml" >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  until_true 10 wmctrl -m >/dev/null 2>&1 || fail "openbox does not start: $(cat "$WORK/openbox.log")"
}

# visible_window TITLE: the id of a mapped window whose whole title matches
# TITLE; false when none. (Not --sync, which fails when a window goes away.)
visible_window() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [[ -n $id ]] && echo "$id"
}
wait_for_window() { until_true "${2:-60}" visible_window "$1"; } # TITLE [SECONDS (60)]

# start_app DIR ARGS...: the desktop program in DIR, with $APP_PATH (by
# default none: the dialogs are the prompt in the window) for PATH and stderr
# to DIR/stderr; the keyboard focus on its window, WINDOW.
start_app() {
  local dir=$1
  shift
  APP_DIR=$dir
  (cd "$dir" && PATH=${APP_PATH:-/nonexistent} exec "$PROGRAM" "$@" </dev/null 2>"$dir/stderr") &
  APP_PID=$!
  app_window() { # by its process: the title carries the set's name
    WINDOW=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1) &&
      [[ -n $WINDOW ]] && return 0
    gone "$APP_PID" && fail "tesselle ended at start: $(cat "$dir/stderr")"
    return 1
  }
  until_true 10 app_window || fail "no window of tesselle within 10 s"
  xdotool windowfocus --sync "$WINDOW"
}

gone() { ! kill -0 "$1" 2>/dev/null; }

# expect_exit STATUS [SECONDS (10)]: the program ends in time with that status.
expect_exit() {
  until_true "${2:-10}" gone "$APP_PID" || fail "tesselle still runs ${2:-10} s after the close"
  local status=0
  wait "$APP_PID" || status=$?
  APP_PID=""
  [[ $status -eq $1 ]] || fail "tesselle exits with status $status, not $1: $(cat "$APP_DIR/stderr")"
}

# close_window [alt+F4] [ANSWER]: the window closed with the window manager's
# button, or Alt+F4; with ANSWER a question comes in the window first and takes
# that key. The exit status is 0, or after Alt+F4 96 (SC_CLOSE's low byte).
close_window() {
  local status=0
  if [[ ${1:-} == alt+F4 ]]; then
    xdotool windowfocus --sync "$WINDOW" key alt+F4 && status=96 && shift
  else wmctrl -c "Tesselle v1.0" || fail "wmctrl cannot close the window"; fi
  [[ -z ${1:-} ]] || { wait_for_prompt && xdotool key "$1"; }
  expect_exit $status
}

# held_dialogs FOLDER NAME...: held_dialog.sh in FOLDER as each NAME (zenity,
# kdialog), its calls counted afresh in DIALOGS; dialog_up N WHAT: within 10 s
# call N is up, or WHAT did not open.
held_dialogs() {
  local name
  rm -rf "$1/calls" && mkdir -p "$1/calls" && export DIALOGS=$1/calls DIALOG_PATH=$PATH
  for name in "${@:2}"; do cp "$SESSION_LIB/held_dialog.sh" "$1/$name"; done
}
dialog_up() { until_true 10 test -s "$DIALOGS/shown.$1" || fail "$2 did not open"; }

# has_lines FILE WHAT LINE...: FILE holds each LINE whole; WHAT names FILE in the failure.
has_lines() {
  local line
  for line in "${@:3}"; do grep -qxF -- "$line" "$1" || fail "$2 has no line '$line'"; done
}

# is_area_set FILE, wait_for_file FILE: a whole area set is there (within 10 s).
is_area_set() { [[ -f $1 && $(stat -c %s "$1") -eq $AREA_SET_SIZE ]]; }
wait_for_file() { until_true 10 is_area_set "$1" || fail "$1 was not written as an area set"; }

# headless DIR SCRIPT [STATUS]: the headless front end runs SCRIPT in DIR and
# must exit with STATUS (0) and nothing on stderr, where a dialog without an
# answer or a line it cannot read shows.
headless() {
  local status=0
  (cd "$1" && "$HEADLESS" "$2" >/dev/null 2>"$1/headless.err") || status=$?
  [[ $status -eq ${3:-0} && ! -s $1/headless.err ]] ||
    fail "the headless run of $1/$2 exits $status: $(cat "$1/headless.err")"
}

# reference DIR LINES: the headless picture after the script LINES, as DIR/expected.png.
reference() {
  printf '%s\nshot expected.png\nquit\n' "$2" >"$1/reference.txt"
  headless "$1" reference.txt
}

# capture FILE: WINDOW as an XWD file.
capture() { xwd -silent $([[ $WINDOW == root ]] && echo -root || echo -id "$WINDOW") -out "$1" 2>/dev/null; }

# shows CAPTURE EXPECTED [--scaled|--cursor]: the verdict, and PICTURE_DIFF.
shows() { PICTURE_DIFF=$("$COMPARE" "${@:3}" "$1" "$2" 2>&1); }

# expect_picture SECONDS EXPECTED [OPTIONS]: WINDOW, captured again and again
# as WORK/capture.xwd while the program takes the keys, comes to show EXPECTED.
expect_picture() {
  local deadline=$((SECONDS + $1)) expected=$2 name=${2#"$WORK"/}
  shift 2
  PICTURE_DIFF="xwd cannot capture the window"
  until capture "$WORK/capture.xwd" && shows "$WORK/capture.xwd" "$expected" "$@"; do
    ((SECONDS < deadline)) || fail "the window does not show $name: $PICTURE_DIFF"
    sleep 0.1
  done
  echo "the window shows $name"
}

# note_length [LINE]: the length of the prompt's note (why a key did nothing),
# or of its line LINE; false without a prompt or question in the window.
note_length() { capture "$WORK/prompt.xwd" && "$COMPARE" --prompt --line "${1:-16}" "$WORK/prompt.xwd" 2>/dev/null; }
shows_prompt() { note_length >/dev/null; }
# asks_to_replace: the question whether to replace a file is in the window (its keys' line).
asks_to_replace() { local keys="Y: yes   N: no   Esc: no   Enter: no" && [[ $(note_length 28) -eq ${#keys} ]]; }

# wait_for_prompt [KEY...]: the KEYs pressed, then a prompt in the window within 10 s.
wait_for_prompt() {
  (($# == 0)) || xdotool key "$@"
  until_true 10 shows_prompt || fail "no prompt in the window${1:+ after $*}"
}

# expect_note TEXT WHAT: the prompt's note comes to be as long as TEXT, or WHAT fails.
note_reads() { shows_prompt && [[ $(note_length) -eq ${#1} ]]; }
expect_note() {
  until_true 10 note_reads "$1" || fail "$2: the note is $(note_length) characters long, not ${#1}"
}
