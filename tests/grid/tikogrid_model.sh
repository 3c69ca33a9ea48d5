#!/bin/sh
# tikogrid model and check: outputs worked out by hand for small grids, and the exit codes.
# usage: tikogrid_model.sh TIKOGRID DATA_FOLDER
tool="$1"
data="$2"
fail=0
check() { # what expected actual
  if [ "$2" != "$3" ]; then echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}

out=$("$tool" model "$data/givens.txt"); check "model" "$(cat "$data/givens.model")" "$out"
out=$("$tool" model - --state kBkk1 --level 3 < "$data/givens.txt"); check "model with a level and a state" "$(cat "$data/givens-level3-state.model")" "$out"
out=$("$tool" model "$data/givens.txt" --level 7 | grep level:)
check "level 7 on a first load" "level: asked 7 effective 6 shown 6 threshold 100 offset 3" "$out"
for grid in givens unique clash; do
  out=$("$tool" check "$data/$grid.txt"); check "check $grid" "$(cat "$data/$grid.check")" "$out"
done

"$tool" model "$data/absent.txt" 2>/dev/null; check "missing file exit" 1 $?
"$tool" check "$data/absent.txt" 2>/dev/null; check "check missing file exit" 1 $?
for args in "" "--level 3" "X --level" "X --level 8" "X --level 0" "X --level 3 --level 4" "X --state" "X --colour 3"; do
  "$tool" model $args 2>/dev/null; check "model usage: $args" 2 $?
done
"$tool" check "$data/givens.txt" --level 3 2>/dev/null; check "check takes no level" 2 $?
exit $fail
