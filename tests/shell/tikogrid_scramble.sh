#!/bin/sh
# tikogrid scramble and unscramble: round trips through the program's own unscrambling, exit codes.
# usage: tikogrid_scramble.sh TIKOGRID
tool="$1"
fail=0
check() { # what expected actual
  if [ "$2" != "$3" ]; then echo "FAIL: $1: expected '$2', got '$3'"; fail=1; fi
}

for text in "TIKO" "1251-1,1251-2,1805-18,1222-65,1239-1," "XA,%100,AWPK,%0,BWQJ,#note" "$(printf 'D\351j\340 vu ? \200 5!')" "a" "ab" ""; do
  stored=$("$tool" scramble "$text"); check "scramble exit for '$text'" 0 $?
  back=$("$tool" unscramble "$stored"); check "round trip" "$text" "$back"
done
check "the title is not stored readable" 1 "$("$tool" scramble TIKO | grep -vc TIKO)"

long=$(printf '%0151d' 0)
check "151 characters fit" "$long" "$("$tool" unscramble "$("$tool" scramble "$long")")"
"$tool" scramble "${long}0" 2>/dev/null; check "152 characters exit" 1 $?
"$tool" unscramble "${long}0" 2>/dev/null; check "152 characters exit" 1 $?
"$tool" scramble 2>/dev/null; check "no text exit" 2 $?
"$tool" unscramble a b 2>/dev/null; check "two texts exit" 2 $?
exit $fail
