#!/bin/sh
# Started under another file name, the game copies itself as TIKO101 into the current folder,
# starts the copy with "killexe=" and the old path, and ends at once with code 0; the copy deletes
# the old file and runs (it is ended here). Headless.
# usage: rename_restart.sh TIKO101
set -u
folder=$(mktemp -d)
old="$folder/OLDGAME"
copies() { # the running copies started for the old file
  for p in /proc/[0-9]*; do
    { tr "\0" " " < "$p/cmdline"; } 2>/dev/null | grep -q "killexe=$old" && echo "${p#/proc/}"
  done
}
finish() {
  for pid in $(copies); do kill "$pid"; done
  rm -rf "$folder"
  exit "$1"
}
cp "$1" "$old"
cd "$folder" || finish 1
QT_QPA_PLATFORM=offscreen timeout 20 ./OLDGAME 2>/dev/null
code=$?
[ "$code" -eq 0 ] || { echo "FAIL: the renamed game ended with $code"; finish 1; }
waited=0
while [ -e "$old" ] && [ "$waited" -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
[ -e "$old" ] && { echo "FAIL: the old file is still there"; finish 1; }
[ -x "$folder/TIKO101" ] || { echo "FAIL: no TIKO101 copy"; finish 1; }
[ "$(copies | wc -l)" -eq 1 ] || { echo "FAIL: expected one running copy, found $(copies | wc -l)"; finish 1; }
[ "$(ls "$folder")" = "TIKO101" ] || { echo "FAIL: the folder holds $(ls "$folder")"; finish 1; }
finish 0
