#!/bin/sh
# Gives the user a copy of the demo set to edit: copies each demo file that the
# folder does not hold yet, and never overwrites one that is there (a link
# counts as there). Usage: copy_demo.sh DEMO_DIR USER_DIR
set -eu
demo=$1 target=$2
mkdir -p "$target"
for file in Cells.dap Cells.id Areas.out; do
  if [ ! -e "$target/$file" ] && [ ! -L "$target/$file" ]; then
    cp "$demo/$file" "$target/$file"
  fi
done
echo "The demo set to edit is in $target"
