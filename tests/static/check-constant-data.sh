#!/bin/sh
# Checks that object files hold only constant data and code that needs no start-up work:
#   check-constant-data.sh <objdump> <object>...
# A static constructor shows as an initialiser section (.init_array, .ctors) or a
# _GLOBAL__sub_I_ function; either would run before main.
set -u
objdump=$1
shift
status=0
for object in "$@"; do
  sections=$("$objdump" -h "$object") || { echo "FAIL: cannot read $object"; exit 1; }
  symbols=$("$objdump" -t "$object")
  if echo "$sections" | grep -Eq '[[:space:]]\.(init_array|ctors)'; then
    echo "FAIL: $object has an initialiser section"; status=1
  elif echo "$symbols" | grep -q '_GLOBAL__sub_I'; then
    echo "FAIL: $object has a static constructor"; status=1
  else
    echo "ok:   $object needs no start-up work"
  fi
done
exit $status
