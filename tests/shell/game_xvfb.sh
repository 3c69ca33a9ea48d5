#!/bin/sh
# End to end under a virtual display: pick 2 on the number picker, place it in an empty cell of
# grid 1, undo it, and check the cell's pixels after each step. The positions are those of a first
# start (no settings file): window at (60, 60), frame 6 and 32, cell size 40.
# The tests run with the offscreen platform; the game needs the real one of the virtual display.
set -u
game="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null || {
  echo "xvfb-run, xdotool or import missing"; exit 77; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cat > "$folder/run.sh" <<SCRIPT
cd "$folder"
QT_QPA_PLATFORM=xcb "$game" & pid=\$!
xdotool search --sync --onlyvisible --name TIKO101 >/dev/null
sleep 1
magenta() { import -window root "$folder/shot.png"; convert "$folder/shot.png" -crop 17x17+235+196 txt:- | grep -ci "#FF00FF"; }
xdotool mousemove 136 420 click 1; sleep 0.3
xdotool mousemove 243 204 click 1; sleep 0.5
echo "placed \$(magenta)"
xdotool mousemove 113 352 click 1; sleep 0.5
echo "undone \$(magenta)"
kill \$pid
SCRIPT
out=$(timeout 60 xvfb-run -a -s "-screen 0 1280x1024x24" sh "$folder/run.sh" 2>&1)
echo "$out"
placed=$(echo "$out" | sed -n 's/^placed //p')
undone=$(echo "$out" | sed -n 's/^undone //p')
[ "${placed:-0}" -gt 0 ] && [ "${undone:-1}" -eq 0 ] || { echo "FAILED"; exit 1; }
ls "$folder" | grep -v -e '^run.sh$' -e '^shot.png$' && { echo "files written"; exit 1; }
exit 0
