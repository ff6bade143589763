#!/bin/bash
# `make run`: it builds only the desktop program and the demo data, and edits
# the user's own copy of the demo set, made once and never overwritten; the
# build's demo set, which the tests read, stays out of its reach.
# Usage: make_run_check.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source=$1 build=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tesselle-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

plan=$(make -s -n -C "$source" run BUILD="$build" RUN_DIR="$scratch/mine")
builds=$(grep -E '^cmake --build' <<<"$plan") || fail "make run builds nothing"
[[ $(wc -l <<<"$builds") -eq 1 && $builds == *"--target tesselle demo-data" ]] ||
  fail "make run builds more than it runs: $builds"
grep -q "cd $scratch/mine && .*/tesselle Areas.out" <<<"$plan" || fail "make run does not run in RUN_DIR"
grep -q "$build/demo/" <<<"$(grep -v copy_demo <<<"$plan")" && fail "make run touches the build's demo set"

# First run: the copy is made; later runs keep what the user changed.
sh "$source/packaging/copy_demo.sh" "$build/demo" "$scratch/mine" >/dev/null
for file in Cells.dap Cells.id Areas.out; do
  cmp -s "$build/demo/$file" "$scratch/mine/$file" || fail "$file is not copied"
done
echo edited >"$scratch/mine/Areas.out"
rm "$scratch/mine/Cells.id"
sh "$source/packaging/copy_demo.sh" "$build/demo" "$scratch/mine" >/dev/null
[[ $(cat "$scratch/mine/Areas.out") == edited ]] || fail "the user's Areas.out was overwritten"
cmp -s "$build/demo/Cells.id" "$scratch/mine/Cells.id" || fail "a missing Cells.id is not copied again"
echo "make run check passed"
