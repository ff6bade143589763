#!/bin/bash
# A stand-in for the dialog programs (zenity, kdialog) that the smoke tests put
# on the program's PATH. Call N (counted in the folder DIALOGS) writes its
# arguments to args.N and its process id to shown.N, then holds the program
# until the test writes answer.N, whose line it answers (none: cancel); it
# gives up after 20 s.
PATH=$DIALOG_PATH # the program's PATH may hold nothing but the stand-ins
n=$(($(cat "$DIALOGS/count" 2>/dev/null || echo 0) + 1))
echo "$n" >"$DIALOGS/count"
printf '%s\n' "$@" >"$DIALOGS/args.$n"
echo $$ >"$DIALOGS/shown.$n"
for _ in $(seq 400); do [[ -e $DIALOGS/answer.$n ]] && break || sleep 0.05; done
answer=$(cat "$DIALOGS/answer.$n" 2>/dev/null)
[[ -n $answer ]] || exit 1
printf '%s\n' "$answer"
