#!/bin/sh
# KorvaleReport's tree under Wine, with ALSA's null device as the default (two mixer devices):
#   report-tree.sh <wine> <KorvaleReport.exe> <report.schema.json>
# --json is one JSON document (read back with jq, a real parser), all ASCII, with both devices;
# the speaker destination of "Out: default" has its volume and mute controls, each with a value
# for every channel it is read for, and its source lines; --tree shows the same controls with the
# same values; each device shows its wave device's Core Audio endpoint, the one --endpoints lists;
# --device selects by a part of a name, and a device that is not there exits 3.
# Every JSON document matches docs/report.schema.json, and the schema describes its every field
# (check-json-schema.py, with Debian's python3-jsonschema: its absence is a failure, not a skip).
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
  if jq -e "$2" "$3" >/dev/null 2>&1; then echo "ok:   $1"; else fail "$1"; fi
}

"$wine" "$exe" --json >"$work/tree.json" 2>"$work/err"
status=$?
[ $status -eq 0 ] || fail "--json exited with $status: $(cat "$work/err")"
jq . "$work/tree.json" >/dev/null 2>&1 || fail "--json is not JSON"
LC_ALL=C grep -q "$(printf '[\200-\377]')" "$work/tree.json" && fail "--json holds bytes outside ASCII"
check "schema 1, the program's version, two devices" \
  '.schema == 1 and (.program.version | length) > 0 and (.devices | length) == 2' "$work/tree.json"
speakers='.devices[] | select(.name == "Out: default") | .destinations[]
  | select(.componentTypeName == "DST_SPEAKERS")'
check "the speakers' volume and mute controls, with a value for each channel read" \
  "[$speakers | .controls[] | select(.typeName == \"VOLUME\" or .typeName == \"MUTE\")
    | (.values | length) == .channels and .channels >= 1] | length == 2 and all" "$work/tree.json"
check "the speakers' source lines" \
  "[$speakers | (.sources | length) == .connections and .connections > 0] | all" "$work/tree.json"

# The tree as text: the same controls, in the same order, with the same values.
"$wine" "$exe" --tree >"$work/tree.txt" 2>/dev/null || fail "--tree exited with $?"
jq -r '.devices[].destinations[] | (.controls[], .sources[].controls[])
  | .name + "=" + ([.values[] | tostring] | join(","))' "$work/tree.json" >"$work/from-json"
tr -d '\r' <"$work/tree.txt" | awk '
  /^ *Control [0-9]+: "/ { split($0, quoted, "\""); name = quoted[2] }
  /^ *values?: / {
    sub(/^ *values?: /, ""); count = split($0, parts, ", "); line = ""
    for (i = 1; i <= count; i++) {
      split(parts[i], word, " "); value = word[1] == "on" ? 1 : word[1] == "off" ? 0 : word[1]
      line = line (i > 1 ? "," : "") value
    }
    print name "=" line
  }' >"$work/from-text"
if [ -s "$work/from-json" ] && diff "$work/from-json" "$work/from-text" >/dev/null; then
  echo "ok:   --tree and --json agree on $(wc -l <"$work/from-json") controls"
else
  fail "--tree and --json differ:"
  diff "$work/from-json" "$work/from-text"
fi

# Each mixer device's wave device and its Core Audio endpoint: "Out: default" is wave out 0 and the
# render endpoint, "In: default" wave in 0 and the capture endpoint, with the ids and names that
# --endpoints lists.
"$wine" "$exe" --endpoints 2>/dev/null | tr -d '\r' | awk '
  /^Endpoint [0-9]+:/ { id = "" }
  /^  id: / { id = substr($0, 7) }
  /^  flow: / { print substr($0, 9) "=" id }' >"$work/endpoint-ids"
render=$(sed -n 's/^render=//p' "$work/endpoint-ids")
capture=$(sed -n 's/^capture=//p' "$work/endpoint-ids")
if [ -n "$render" ] && [ -n "$capture" ] && jq -e --arg render "$render" --arg capture "$capture" '
  [.devices[] | {name, waveDevices}] == [
    {name: "Out: default",
     waveDevices: [{wave: "out", waveIndex: 0, id: $render, name: "Out: default", errors: []}]},
    {name: "In: default",
     waveDevices: [{wave: "in", waveIndex: 0, id: $capture, name: "In: default", errors: []}]}]' \
  "$work/tree.json" >/dev/null; then
  echo "ok:   device 0 has the render endpoint, device 1 the capture one, as --endpoints lists them"
else
  fail "the devices' endpoints: $(jq -c '[.devices[].waveDevices]' "$work/tree.json"), --endpoints: $(cat "$work/endpoint-ids")"
fi
if tr -d '\r' <"$work/tree.txt" | grep -qxF "  endpoint (wave out 0): \"Out: default\" $render"; then
  echo "ok:   --tree shows device 0's endpoint by name and id"
else
  fail "--tree shows no line for device 0's endpoint $render"
fi

"$wine" "$exe" --json --device Out >"$work/one.json" 2>/dev/null || fail "--device Out exited with $?"
check "--device Out selects \"Out: default\" alone" \
  '(.devices | length) == 1 and .devices[0].name == "Out: default"' "$work/one.json"
# Debian's python3 and its python3-jsonschema, as tools/install-deps.sh installs them, not whatever
# python3 comes first on the PATH.
/usr/bin/python3 "$(dirname "$0")/check-json-schema.py" "$schema" "$work/tree.json" "$work/one.json" \
  || fail "the JSON documents against $schema (above)"
"$wine" "$exe" --json --device nosuch >/dev/null 2>"$work/err"
status=$?
if [ $status -eq 3 ] && grep -q "Out: default" "$work/err"; then
  echo "ok:   --device nosuch exits 3 and lists the devices"
else
  fail "--device nosuch exited with $status: $(cat "$work/err")"
fi
exit $failed
