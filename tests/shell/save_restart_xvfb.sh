#!/bin/sh
# End to end under a virtual display: place 2 in an empty cell of grid 1, save with "S" (answering
# yes to its question), quit with "X" (yes again), start again in the same folder, and check that
# the value is back, that the settings file holds the grid's play data and time, and that the time
# shown goes on from the saved one. Positions are those of a first start: window at (60, 60), cell
# size 40. The tests run with the offscreen platform; the game needs the real one of the display.
set -u
game="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null || {
  echo "xvfb-run, xdotool or import missing"; exit 77; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export game folder
cat > "$folder/run.sh" <<'SCRIPT'
cd "$folder"
shot() { import -window root "$folder/shot.png"; }
magenta() { convert "$folder/shot.png" -crop 17x17+235+196 txt:- | grep -ci "#FF00FF"; }
chrono() { convert "$folder/shot.png" -crop 44x16+104+466 txt:- | md5sum; }
start() {
  QT_QPA_PLATFORM=xcb "$game" & pid=$!
  main=$(xdotool search --sync --onlyvisible --name TIKO101 | head -1)
  sleep 1.2
  shot
}
# The message boxes bear the program's title too; their "Yes" sits left of "No", bottom right.
yes() {
  sleep 0.4
  for w in $(xdotool search --onlyvisible --name TIKO101); do
    [ "$w" = "$main" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$w")"
    xdotool mousemove $((X + WIDTH - 137)) $((Y + HEIGHT - 24)) click 1
  done
  sleep 0.3
}
start
echo "fresh $(chrono)"
xdotool mousemove 136 420 click 1; sleep 0.3
xdotool mousemove 243 204 click 1; sleep 2
xdotool mousemove 121 516 click 1; yes
xdotool mousemove 121 546 click 1; yes
timeout 3 tail --pid=$pid -f /dev/null || { kill $pid; echo "still running"; }
start
echo "restarted $(chrono)"
echo "placed $(magenta)"
kill $pid
SCRIPT
out=$(timeout 60 xvfb-run -a -s "-screen 0 1280x1024x24" sh "$folder/run.sh" 2>&1)
echo "$out"
echo "$out" | grep -q "still running" && { echo "FAILED: quitting did not end the program"; exit 1; }
placed=$(echo "$out" | sed -n 's/^placed //p')
[ "${placed:-0}" -gt 0 ] || { echo "FAILED: the value is not back"; exit 1; }
fresh=$(echo "$out" | sed -n 's/^fresh //p')
restarted=$(echo "$out" | sed -n 's/^restarted //p')
[ -n "$fresh" ] && [ "$fresh" != "$restarted" ] || { echo "FAILED: the time shown started again"; exit 1; }
settings="$folder/TIKO101.TXT"
cat "$settings"
grep -q "gv1:" "$settings" && grep -Eq "tps1 ?= ?[1-9]" "$settings" || { echo "FAILED: no play data or time"; exit 1; }
exit 0
