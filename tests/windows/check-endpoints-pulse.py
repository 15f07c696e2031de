#!/usr/bin/python3
"""Checks the JSON documents report-endpoints-pulse.sh gathered in one folder:
  check-endpoints-pulse.py <folder>
<folder>/devices lists the server's devices as they were made, one a line, tab-separated: kind
(sink or source), description, the roles it was made its flow's default for (words, or -),
module index. The module named in <folder>/unloaded was unloaded before unloaded.json and
tree-unloaded.json were written. Prints "ok:" or "FAIL:" lines; exits 1 when a check fails."""

import json
import sys

E_NOTIMPL = 0x80004001
E_NOINTERFACE = 0x80004002
DOCUMENTS = ("guard", "listed", "defaults", "tree", "unloaded", "tree-unloaded", "none")

failed = False


def check(what, holds, detail=None):
    global failed
    if holds:
        print("ok:   " + what)
    else:
        failed = True
        print("FAIL: " + what + ("" if detail is None else ": " + shown(detail)))


def shown(value):
    return value if isinstance(value, str) else json.dumps(value, ensure_ascii=False)


def document(folder, name):
    """The document, or None (a failure) when it is not ASCII-only JSON."""
    with open("%s/%s.json" % (folder, name), "rb") as file:
        raw = file.read()
    try:
        return json.loads(raw.decode("ascii"))
    except ValueError as problem:  # UnicodeDecodeError is one too
        check(name + ".json is ASCII-only JSON", False, "%s: %r" % (problem, raw[:300]))
        return None


class Device:
    """A sink or source of the server."""

    def __init__(self, line):
        self.kind, self.description, roles, self.module = line.rstrip("\n").split("\t")
        self.roles = [] if roles == "-" else roles.split()
        self.flow = "render" if self.kind == "sink" else "capture"

    def endpoints(self):
        """(flow, name) of the endpoints Wine makes of it: a sink's monitor records."""
        if self.kind == "source":
            return [("capture", self.description)]
        return [("render", self.description), ("capture", "Monitor of " + self.description)]


def named(doc, flow, name):
    return [e for e in doc.get("endpoints") or []
            if e.get("flow") == flow and e.get("name") == name]


def mixer_ids(tree):
    return [endpoint.get("id") for device in tree.get("devices", [])
            for endpoint in device.get("waveDevices", [])]


def listed(devices, doc):
    """Every device's endpoints, each once, with an id, its flow and the state active."""
    for device in devices:
        for flow, name in device.endpoints():
            found = named(doc, flow, name)
            check("listed.json: the %s endpoint %s, once, with an id, active"
                  % (flow, shown(name)),
                  len(found) == 1 and isinstance(found[0].get("id"), str) and found[0]["id"]
                  and found[0].get("state") == "active", found)


def has_error(errors, call_part, code, code_name):
    return any(call_part in (error.get("call") or "") and
               (error.get("code") == code or code_name in (error.get("name") or ""))
               for error in errors)


def stubs_failed(doc):
    """Wine's stubbed peak meter and session enumeration, as errors at each active endpoint."""
    for endpoint in doc.get("endpoints") or []:
        if endpoint.get("state") != "active":
            continue
        errors = endpoint.get("errors") or []
        check("listed.json: %s's errors hold IAudioMeterInformation with E_NOINTERFACE and "
              "GetSessionEnumerator with E_NOTIMPL" % shown(endpoint.get("name")),
              has_error(errors, "IAudioMeterInformation", E_NOINTERFACE, "E_NOINTERFACE")
              and has_error(errors, "GetSessionEnumerator", E_NOTIMPL, "E_NOTIMPL"), errors)


def defaults_set(devices, doc):
    """The defaults set in Wine's registry, per flow and role, and on the endpoints themselves."""
    defaults = doc.get("defaults") or {}
    for device in devices:
        found = named(doc, device.flow, device.description)
        for role in device.roles:
            check("defaults.json: %s is the %s default for %s"
                  % (shown(device.description), device.flow, role),
                  len(found) == 1 and defaults.get(device.flow, {}).get(role) == found[0]["id"]
                  and role in found[0].get("defaultFor", []),
                  [defaults, [e.get("defaultFor") for e in found]])
    render = defaults.get("render", {})
    check("defaults.json: another render endpoint for communications than for the console",
          render.get("communications") not in (None, render.get("console")), render)


def mixer_devices_named(tree, endpoints, sinks):
    """Every id a mixer device names is listed, and each sink's device names its endpoint."""
    ids = [e.get("id") for e in endpoints.get("endpoints") or []]
    check("tree.json: every mixer device names endpoints, each listed",
          all(device.get("waveDevices") for device in tree.get("devices", []))
          and all(i is not None and i in ids for i in mixer_ids(tree)), mixer_ids(tree))
    for sink in sinks:
        render = named(endpoints, "render", sink.description)
        devices = [d for d in tree.get("devices", []) if d.get("name") == sink.description]
        check("tree.json: the sink %s is a mixer device that names its endpoint"
              % shown(sink.description),
              len(devices) == 1 and len(render) == 1 and
              render[0]["id"] in [e.get("id") for e in devices[0].get("waveDevices", [])],
              [d.get("waveDevices") for d in devices])


def unloaded_gone(gone, before, after, tree):
    """The unloaded sink's endpoints are there but not present; no mixer device is it."""
    old = [e["id"] for flow, name in gone.endpoints() for e in named(before, flow, name)]
    now = {e.get("id"): e for e in after.get("endpoints") or []}
    check("unloaded.json: %s and its monitor, same ids, not present" % shown(gone.description),
          len(old) == 2 and all(now.get(i, {}).get("state") == "notPresent" for i in old),
          [now.get(i) for i in old])
    active = [e["id"] for e in before.get("endpoints") or [] if e.get("state") == "active"]
    check("unloaded.json: the other endpoints still active",
          all(now.get(i, {}).get("state") == "active" for i in active if i not in old),
          [[e.get("name"), e.get("state")] for e in now.values()])
    check("tree-unloaded.json: no mixer device is %s or names it" % shown(gone.description),
          not [d for d in tree.get("devices", []) if d.get("name") == gone.description]
          and not set(mixer_ids(tree)) & set(old), mixer_ids(tree))


def main(folder):
    with open(folder + "/devices", encoding="utf-8") as file:
        devices = [Device(line) for line in file]
    with open(folder + "/unloaded", encoding="utf-8") as file:
        module = file.read().strip()
    docs = {name: document(folder, name) for name in DOCUMENTS}
    if None in docs.values():
        return 1
    # A machine's own sound card may still show through ALSA: only the server's devices tell.
    served = ["PulseAudio"] + [d.description for d in devices]
    guard = docs["guard"].get("endpoints") or []
    check("guard.json: in tools/with-wine.sh's environment Wine finds no server",
          not [e for e in guard if any(name in (e.get("name") or "") for name in served)],
          [e.get("name") for e in guard])
    listed(devices, docs["listed"])
    stubs_failed(docs["listed"])
    defaults_set(devices, docs["defaults"])
    mixer_devices_named(docs["tree"], docs["defaults"], [d for d in devices if d.kind == "sink"])
    unloaded_gone(next(d for d in devices if d.module == module), docs["defaults"],
                  docs["unloaded"], docs["tree-unloaded"])
    check("none.json: without mmdevapi no endpoints, and why",
          docs["none"].get("endpoints", []) is None and "unavailable" in docs["none"],
          docs["none"])
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
