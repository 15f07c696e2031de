#!/bin/sh
# KorvaleReport's Core Audio endpoints under Wine's PulseAudio driver, with the null sinks and
# sources of a private server (pulse-server.sh), in a Wine prefix of its own:
#   report-endpoints-pulse.sh <wine> <KorvaleReport.exe> <report.schema.json>
# Every sink is a render endpoint and a mixer device, its monitor and every source a capture
# endpoint, a name outside ASCII intact; the defaults per role set in Wine's registry show on
# their endpoints; an unloaded sink's endpoints are not present and no mixer device is it;
# --endpoint picks by a part of a name, by a whole id, a whole name outside ASCII and a flow's
# default; Wine's stubbed peak meter and session calls are errors at each active endpoint (exit
# 4); without mmdevapi there are no endpoints; and in tools/with-wine.sh's environment Wine does
# not find a running server.
# check-endpoints-pulse.py checks the JSON documents, check-json-schema.py their schema.
set -u
here=$(dirname "$0")
# Every endpoint Wine has seen stays in the prefix's registry, as not present: a prefix of its own
# keeps these from the other tests.
[ "${1:-}" = --in-prefix ] || exec "$here/../../tools/with-wine.sh" sh "$0" --in-prefix "$@"
shift
wine=$1
exe=$2
schema=$3
# shellcheck source=tests/windows/pulse-server.sh
. "$here/pulse-server.sh"
work=$(mktemp -d)
trap 'pulse_stop; rm -rf "$work"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
fail() { # also from a subshell
  echo "FAIL: $*"
  : >"$work/failed"
}

no_server=${PULSE_SERVER:-} # with-wine.sh's, which nothing serves
pulse_start "$work/pulse" || exit 1
# The sinks and sources, and the roles each is made the default for.
add() { # <sink|source> <name> <description> <roles|->
  module=$(pulse_add_"$1" "$2" "$3") || { echo "FAIL: the $1 $2 could not be made"; exit 1; }
  printf '%s\t%s\t%s\t%s\n' "$1" "$3" "$4" "$module" >>"$work/devices"
}
add sink speakers Speakers "console multimedia"
add sink phones "Kopfhörer Ω" communications
add sink hdmi "HDMI Out" -
hdmi=$module
add source mic Microphone "console multimedia"
add source line "Line In" communications

report() { # <output file> <expected exit status> <arguments...>
  out=$1
  expected=$2
  shift 2
  "$wine" "$exe" "$@" >"$out" 2>"$out.err"
  status=$?
  [ $status -eq "$expected" ] || fail "$* exited with $status, not $expected: $(cat "$out.err")"
}

# Where a machine's own server would be found, with with-wine.sh's PULSE_SERVER.
(
  unset PULSE_SERVER
  [ -z "$no_server" ] || export PULSE_SERVER="$no_server"
  export XDG_RUNTIME_DIR="$work"
  report "$work/guard.json" 0 --endpoints --json
)

# Wine's stubbed peak meter and session calls fail at each active endpoint: exit 4.
report "$work/listed.json" 4 --endpoints --json
id_of() { # <flow> <name>
  jq -r --arg flow "$1" --arg name "$2" \
    '.endpoints[] | select(.flow == $flow and .name == $name) | .id' "$work/listed.json"
}
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers\\winepulse.drv]\r\n' \
  >"$work/defaults.reg"
while IFS='	' read -r kind description roles _; do
  case $kind.$roles in
    *.-) continue ;;
    sink.communications) value=DefaultVoiceOutput flow=render ;;
    sink.*) value=DefaultOutput flow=render ;;
    source.communications) value=DefaultVoiceInput flow=capture ;;
    source.*) value=DefaultInput flow=capture ;;
  esac
  printf '"%s"="%s"\r\n' "$value" "$(id_of "$flow" "$description")" >>"$work/defaults.reg"
done <"$work/devices"
"$wine" reg import "$work/defaults.reg" >/dev/null 2>&1 || fail "reg import of the defaults failed"
report "$work/defaults.json" 4 --endpoints --json
report "$work/tree.json" 0 --tree --json

one() { # <what> <name the heading is to follow> <arguments...>
  what=$1
  name=$2
  shift 2
  report "$work/one.txt" 4 "$@"
  tr -d '\r' <"$work/one.txt" >"$work/one"
  if grep -q ', 1 audio endpoints$' "$work/one" &&
    [ "$(sed -n 's/^Endpoint [0-9]*: //p' "$work/one")" = "\"$name\"" ] &&
    grep -q 'failed: .*IAudioMeterInformation.*E_NOINTERFACE' "$work/one"; then
    echo "ok:   $what picks \"$name\" alone, with the peak meter's failure"
  else
    fail "$what: $(cat "$work/one")"
  fi
}
one "--endpoint micro (a part of a name)" Microphone --endpoint micro
one "--endpoint <the whole id of Kopfhörer Ω>" "Kopfhörer Ω" \
  --endpoint "$(id_of render "Kopfhörer Ω")"
one "--endpoint default-render" Speakers --endpoint default-render
one "--endpoint Kopfhörer Ω (a whole name outside ASCII)" "Kopfhörer Ω" --endpoint "Kopfhörer Ω"

pulse_unload "$hdmi" || fail "the sink HDMI Out could not be unloaded"
echo "$hdmi" >"$work/unloaded"
report "$work/unloaded.json" 4 --endpoints --json
report "$work/tree-unloaded.json" 0 --tree --json

(
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};mmdevapi=d"
  report "$work/none.json" 0 --endpoints --json
)

/usr/bin/python3 "$here/check-endpoints-pulse.py" "$work" || : >"$work/failed"
/usr/bin/python3 "$here/check-json-schema.py" "$schema" "$work"/*.json ||
  fail "the JSON documents against $schema (above)"
[ ! -e "$work/failed" ]
