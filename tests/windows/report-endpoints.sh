#!/bin/sh
# KorvaleReport's Core Audio endpoints under Wine, with ALSA's null device as the default:
#   report-endpoints.sh <wine> <KorvaleReport.exe> <report.schema.json>
# Wine lists two active endpoints, render "Out: default" and capture "In: default", each the
# default for every role; --endpoint default-capture picks the capture one; an endpoint that is
# not there exits 3; with mmdevapi turned off, one line says why and the exit is 0. The JSON says
# the same and matches docs/report.schema.json.
# Wine 8 stubs much of each endpoint's volume, meter and sessions: the levels and range are read
# (its scalar stub writes 1.0 whatever the level), the step, channel count and hardware support
# are E_NOTIMPL, the meter E_NOINTERFACE and the session enumerator E_NOTIMPL, each shown at its
# endpoint, so --endpoints exits 4 with both endpoints listed.
set -u
wine=$1
exe=$2
schema=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}
check() { # <what> <jq filter that must be true> <file>
  if jq -e "$2" "$3" >/dev/null 2>&1; then echo "ok:   $1"; else fail "$1: $(cat "$3")"; fi
}
holds() { # <what> <fixed text that must be in the file> <file>
  if grep -qF -- "$2" "$3"; then echo "ok:   $1"; else fail "$1: no \"$2\" in: $(cat "$3")"; fi
}

"$wine" "$exe" --endpoints >"$work/raw" 2>"$work/err"
status=$?
tr -d '\r' <"$work/raw" >"$work/all.txt"
[ $status -eq 4 ] || fail "--endpoints exited with $status, not 4: $(cat "$work/err")"
holds "two endpoints" ", 2 audio endpoints" "$work/all.txt"
holds "the render endpoint" ': "Out: default"' "$work/all.txt"
holds "the capture endpoint" '"In: default"' "$work/all.txt"
for flow in render capture; do
  holds "a $flow endpoint" "  flow: $flow" "$work/all.txt"
done
twice() { # <what> <whole line that both endpoints have>
  if [ "$(grep -cxF -- "$2" "$work/all.txt")" -eq 2 ]; then echo "ok:   $1"; else fail "$1"; fi
}
twice "both active" "  state: active"
twice "both the default for every role" "  default for: console, multimedia, communications"
holds "a format" "  format: format tag" "$work/all.txt"
twice "both volumes" "  volume: 0.0 dB, 100.0%, range -100.0 to 0.0 dB by 1.0 dB, not muted"
twice "no step info at either" \
  "  failed: IAudioEndpointVolume::GetVolumeStepInfo returned E_NOTIMPL (0x80004001)"
twice "no meter at either" \
  "  failed: IMMDevice::Activate(IAudioMeterInformation) returned E_NOINTERFACE (0x80004002)"
twice "no sessions at either" \
  "  failed: IAudioSessionManager2::GetSessionEnumerator returned E_NOTIMPL (0x80004001)"

"$wine" "$exe" --endpoint default-capture 2>/dev/null | tr -d '\r' >"$work/one.txt"
holds "--endpoint default-capture lists one endpoint" ", 1 audio endpoints" "$work/one.txt"
holds "--endpoint default-capture picks \"In: default\"" ': "In: default"' "$work/one.txt"

"$wine" "$exe" --endpoint nosuch >/dev/null 2>"$work/err"
status=$?
if [ $status -eq 3 ] && grep -q "Out: default" "$work/err"; then
  echo "ok:   --endpoint nosuch exits 3 and lists the endpoints"
else
  fail "--endpoint nosuch exited with $status: $(cat "$work/err")"
fi

WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};mmdevapi=d" "$wine" "$exe" --endpoints >"$work/raw" 2>/dev/null
status=$?
tr -d '\r' <"$work/raw" >"$work/none.txt"
if [ $status -eq 0 ] && [ "$(wc -l <"$work/none.txt")" -eq 1 ] \
  && grep -Eq '^Core Audio endpoints (need Windows Vista or later \(|cannot be read: )CoCreateInstance' \
    "$work/none.txt"; then
  echo "ok:   without mmdevapi one line says why, and the exit is 0"
else
  fail "without mmdevapi exited with $status: $(cat "$work/none.txt")"
fi
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};mmdevapi=d" "$wine" "$exe" --endpoints --json \
  >"$work/none.json" 2>/dev/null
status=$?
[ $status -eq 0 ] || fail "--endpoints --json without mmdevapi exited with $status"
check "without mmdevapi the JSON has no endpoints and says why" \
  '.endpoints == null and (.unavailable.reason | startswith("Core Audio endpoints"))' \
  "$work/none.json"

"$wine" "$exe" --endpoints --json >"$work/all.json" 2>/dev/null
status=$?
[ $status -eq 4 ] || fail "--endpoints --json exited with $status, not 4"
check "the JSON has each endpoint's volume, and Wine's stubs as errors at the endpoint" \
  'all(.endpoints[]; (.volume.decibels | type) == "number" and .sessions == null
     and .volume.step == null and .peakPercent == null
     and any(.errors[]; .name == "E_NOINTERFACE" and (.call | contains("IAudioMeterInformation"))))' \
  "$work/all.json"
check "each endpoint is the legacy mixer device of its flow: Out 0, In 1" \
  '[.endpoints[] | {name, mixerDevices}] | sort_by(.name) ==
     [{name: "In: default", mixerDevices: [1]}, {name: "Out: default", mixerDevices: [0]}]' \
  "$work/all.json"
check "the JSON lists both endpoints, each its flow's default for every role" \
  '[.endpoints[] | select(.state == "active" and (.id | startswith("{0.0."))
     and .defaultFor == ["console", "multimedia", "communications"])] | length == 2' \
  "$work/all.json"
# shellcheck disable=SC2016 # $ids and $d are jq's
check "the JSON's defaults are the listed endpoints' ids" \
  '[.endpoints[].id] as $ids | [.defaults[][]] | all(. as $d | $ids | index($d))' "$work/all.json"
/usr/bin/python3 "$(dirname "$0")/check-json-schema.py" "$schema" "$work/all.json" "$work/none.json" \
  || fail "the endpoints' JSON against $schema (above)"
exit $failed
