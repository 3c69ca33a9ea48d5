#!/bin/sh
# The built-in grids: the table as tikogrid lists it, and for every grid exactly one solution at
# every level 1 to 7, level 7 reached on at least four grids.
# usage: tikogrid_builtin.sh TIKOGRID
tool="$1"
fail=0
check() { # what expected actual
  if [ "$2" != "$3" ]; then echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}

table=$("$tool" builtin)
check "table" "1805-18 4 offered 3
1939-2 4 offered 0
1605-5 5 offered 0
1932-4 6 offered 0
1803-12 6 offered 0
1251-1 2 offered 1
1251-2 3 offered 2
1251-3 4 offered 0
1222-65 5 offered 4
1239-1 6 offered 5" "$table"

seven=0
for id in $(echo "$table" | cut -d' ' -f1); do
  out=$("$tool" check --builtin "$id")
  check "$id: levels with one solution" 7 "$(echo "$out" | grep -c 'solutions 1$')"
  if echo "$out" | grep -q '^level 7: effective 7 threshold 120 '; then seven=$((seven + 1)); fi
  check "$id: no comment or level item left in the lines" 0 "$("$tool" builtin "$id" | grep -c '^[%#]')"
done
check "grids with a level 7" 1 "$([ "$seven" -ge 4 ] && echo 1)"

"$tool" builtin no-such-grid 2>/dev/null; check "unknown grid exit" 1 $?
"$tool" builtin a b 2>/dev/null; check "two grids exit" 2 $?
exit $fail
