#!/bin/bash
# The desktop program's cost beside Tiled's on a virtual X server (1280x1024,
# openbox), each the best of three runs: launch to a visible window, idle CPU
# as a share of one core, resident memory and private dirty memory.
# Usage: desktop_figures.sh TESSELLE DEMO_DIR  (Tiled is measured when installed)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/lib/x_session.sh"
if (($# != 2)); then
  echo "usage: $0 TESSELLE DEMO_DIR" >&2
  exit 2
fi
IDLE_SECONDS=${IDLE_SECONDS:-5}
require_tools Xvfb xdotool openbox wmctrl
# The session's paths and clean-up; the headless program and the picture
# comparison are not needed here.
smoke_begin figures "$1" "$1" "$2" "$1"
start_xvfb 1280x1024x24
start_openbox
run=$(new_run_dir run)
cp "$DATA/Areas.out" "$run/"
export HOME=$run # Tiled keeps its settings there, not in the user's

# measure COMMAND...: one run; prints "launch-ms cpu-% rss-MB dirty-MB".
measure() {
  local start window="" ticks before after rss dirty
  start=$(date +%s%N)
  (cd "$run" && exec "$@" >/dev/null 2>&1) &
  APP_PID=$!
  until window=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1) && [[ -n $window ]]; do
    kill -0 "$APP_PID" 2>/dev/null || fail "$1 ended at start"
    sleep 0.002
  done
  local launched=$((($(date +%s%N) - start) / 1000000))
  sleep 1
  ticks=$(getconf CLK_TCK)
  before=$(awk '{ print $14 + $15 }' "/proc/$APP_PID/stat")
  sleep "$IDLE_SECONDS"
  after=$(awk '{ print $14 + $15 }' "/proc/$APP_PID/stat")
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$APP_PID/status")
  dirty=$(awk '/^Private_Dirty:/ { print $2 }' "/proc/$APP_PID/smaps_rollup")
  kill "$APP_PID" && wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
  awk -v l="$launched" -v c="$((after - before))" -v t="$ticks" -v s="$IDLE_SECONDS" \
    -v r="$rss" -v d="$dirty" 'BEGIN { printf "%d %.1f %.0f %.0f\n", l, 100 * c / t / s, r / 1024, d / 1024 }'
}

# best NAME COMMAND...: the best of three runs of each figure.
best() {
  local name=$1
  shift
  for _ in 1 2 3; do measure "$@"; done | sort -n | awk -v name="$name" '
    NR == 1 || $1 < l { l = $1 } NR == 1 || $2 < c { c = $2 }
    NR == 1 || $3 < r { r = $3 } NR == 1 || $4 < d { d = $4 }
    END { printf "%-10s %8d ms %8.1f %% %8d MB %8d MB\n", name, l, c, r, d }'
}

printf "%-10s %11s %10s %11s %11s\n" "" launch "idle CPU" RSS "private dirty"
best tesselle "$PROGRAM" --window Areas.out
if command -v tiled >/dev/null; then
  best tiled env QT_QPA_PLATFORM=xcb tiled
else
  echo "tiled      not installed"
fi
