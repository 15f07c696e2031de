#!/bin/sh
# Checks that each layer of the program calls only the layers below it:
#   check-layers.sh <nm> platform=<lib> mixer=<lib> info=<lib> audio=<lib> app=<lib> report=<lib>
# A symbol that a layer's library leaves undefined and another layer's library defines must come
# from a layer it may use; otherwise the symbol and both layers are named.
set -u
nm=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The layers each layer may use.
allowed() {
  case $1 in
    platform) echo "" ;;
    mixer | info | audio) echo "platform" ;;
    report) echo "mixer audio platform" ;;
    app) echo "mixer info platform" ;;
  esac
}

layers=
for argument in "$@"; do
  layer=${argument%%=*}
  library=${argument#*=}
  layers="$layers $layer"
  "$nm" -P -g "$library" 2>/dev/null | awk '$2 == "U" { print $1 }' | sort -u >"$work/$layer.undefined"
  "$nm" -P -g --defined-only "$library" 2>/dev/null | awk '{ print $1 }' | sort -u >"$work/$layer.defined"
done

failed=0
for user in $layers; do
  for provider in $layers; do
    [ "$user" != "$provider" ] || continue
    case " $(allowed "$user") " in *" $provider "*) continue ;; esac
    comm -12 "$work/$user.undefined" "$work/$provider.defined" >"$work/wrong"
    if [ -s "$work/wrong" ]; then
      echo "FAIL: the $user layer uses what the $provider layer defines:"
      sed 's/^/  /' "$work/wrong"
      failed=1
    fi
  done
done
[ $failed -eq 0 ] && echo "ok:   every layer uses only the layers below it"
exit $failed
