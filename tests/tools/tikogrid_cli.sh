#!/bin/sh
# tikogrid's command line: a known output, its exit codes and its error lines.
# usage: tikogrid_cli.sh TIKOGRID DATA_FOLDER
tool="$1"
data="$2"
fail=0
check() { # what expected actual
  if [ "$2" != "$3" ]; then echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}

out=$("$tool" topology "$data/twohexagons.txt"); check "topology output" "$(cat "$data/twohexagons.topology")" "$out"
out=$("$tool" topology "$data/twohexagons-mixed.txt"); check "CR LF, lower case and a cell line" "$(cat "$data/twohexagons.topology")" "$out"
out=$("$tool" topology - < "$data/twohexagons.txt"); check "standard input" "$(cat "$data/twohexagons.topology")" "$out"

"$tool" topology "$data/absent.txt" 2>/dev/null; check "missing file exit" 1 $?
err=$("$tool" topology "$data/absent.txt" 2>&1 >/dev/null); check "missing file names it" 1 "$(echo "$err" | grep -c absent.txt)"
"$tool" topology "$data" 2>/dev/null; check "folder exit" 1 $?
"$tool" topology 2>/dev/null; check "no file exit" 2 $?
"$tool" topology a b 2>/dev/null; check "two files exit" 2 $?
"$tool" topology --builtin 2>/dev/null; check "builtin without id exit" 2 $?
"$tool" topology --builtin no-such-grid 2>/dev/null; check "unknown builtin exit" 1 $?
"$tool" 2>/dev/null; check "no subcommand exit" 2 $?
"$tool" frobnicate 2>/dev/null; check "unknown subcommand exit" 2 $?
exit $fail
