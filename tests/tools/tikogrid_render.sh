#!/bin/sh
# tikogrid render: a PNG without any display, its exit codes and its error lines.
# usage: tikogrid_render.sh TIKOGRID DATA_FOLDER
tool="$1"
data="$2"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail=0
check() { # what expected actual
  if [ "$2" != "$3" ]; then echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}
render() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tool" render "$@" 2>/dev/null; }
ispng() { [ "$(head -c 4 "$1" | tail -c 3)" = "PNG" ] && echo yes || echo no; }

render "$data/twohexagons.txt" --out "$out/a.png"; check "render exit" 0 $?
check "a PNG" yes "$(ispng "$out/a.png")"
render --builtin 1251-1 --level 3 --size 60 --state AG12 --out "$out/b.png"; check "builtin with options" 0 $?
check "a PNG too" yes "$(ispng "$out/b.png")"

render "$data/twohexagons.txt"; check "no output file" 2 $?
render "$data/twohexagons.txt" --out; check "output without its name" 2 $?
render "$data/twohexagons.txt" --size 5 --out "$out/c.png"; check "size too small" 2 $?
render "$data/twohexagons.txt" --size 4x --out "$out/c.png"; check "size not a number" 2 $?
render "$data/twohexagons.txt" --level 8 --out "$out/c.png"; check "level out of range" 2 $?
render "$data/twohexagons.txt" --out "$out/c.png" --out "$out/d.png"; check "two outputs" 2 $?
check "nothing written on wrong usage" no "$(ls "$out/c.png" "$out/d.png" >/dev/null 2>&1 && echo yes || echo no)"
render "$data/absent.txt" --out "$out/c.png"; check "missing file" 1 $?
render --builtin no-such-grid --out "$out/c.png"; check "unknown built-in grid" 1 $?
render "$data/twohexagons.txt" --out "$out/no/such/folder/c.png"; check "unwritable output" 1 $?
err=$(env -u DISPLAY -u WAYLAND_DISPLAY "$tool" render "$data/twohexagons.txt" --out "$out/no/c.png" 2>&1 >/dev/null | grep -c "no/c.png")
check "unwritable output named" 1 "$err"
exit $fail
