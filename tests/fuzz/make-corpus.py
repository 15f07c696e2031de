#!/usr/bin/env python3
"""Writes the fuzz targets' starting inputs into tests/fuzz/corpus/<target>/start-*.

The fakes take their answers from the end of the input, call by call (FuzzedDataProvider's
integers, the first byte taken the most significant); KorvaleReport's arguments come from the
front. A starting input is written here as the answers in the order the program asks for them, as
tests/fuzz/FuzzedMixer.cpp, FuzzedEndpoints.cpp and the targets read them. Starting inputs of other kinds
(regression-*) are kept as they were found.
"""
import pathlib

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"

# Indexes into the fake mixer's table of control types.
MUTE, PEAKMETER, PAN, VOLUME, MUX = 7, 3, 18, 21, 26
UNIFORM, MULTIPLE = 1, 2
SPEAKERS, WAVEIN, SRC_WAVEOUT, SRC_MICROPHONE = 4, 7, 0x1008, 0x1003


class Answers:
    def __init__(self):
        self.back = bytearray()  # in the order they are taken
        self.front = bytearray()

    def byte(self, value):
        self.back.append(value & 0xFF)

    def word(self, value):
        self.byte(value >> 8)
        self.byte(value)

    def dword(self, value):
        for shift in (24, 16, 8, 0):
            self.byte(value >> shift)

    def count(self, value):
        assert value < 5
        self.byte(value)

    def argument(self, text):
        self.front += text.encode().replace(b"\\", b"\\\\") + b"\\;"

    def data(self):
        return bytes(self.front) + bytes(reversed(self.back))


class Mixer(Answers):
    """The fake mixer's answers: a reply byte first (0: success, written whole)."""

    def ok(self):
        self.byte(0)

    def failed(self, which=0):
        self.byte(0xE0 + which)

    def text(self, text, wide=True):
        self.byte(len(text))
        for character in text:
            code = ord(character)
            if wide and code >= 0xE0:
                self.byte(0xF0)
                self.word(code)
            else:
                self.byte(code)

    def caps(self, name, destinations, mid=1, pid=2, wide=True, failure=None):
        self.ok() if failure is None else self.failed(failure)
        self.word(mid)
        self.word(pid)
        self.dword(0x0501)
        self.text(name, wide)
        self.byte(0)
        self.count(destinations)
        if wide:
            self.byte(0)  # no name GUID

    def line(self, name, component, channels=2, connections=0, controls=0, line_id=0, wide=True,
             failure=None):
        self.ok() if failure is None else self.failed(failure)
        self.dword(line_id)
        self.byte(1)  # active
        self.byte(component if component < 9 else 0x80 + (component - 0x1000 - 0x80) % 11)
        self.count(channels)
        self.count(connections)
        self.count(controls)
        self.text(name[:8], wide)
        self.text(name, wide)
        self.byte(1)
        self.byte(0)
        self.word(1)
        self.word(2)
        self.dword(0x0501)
        self.text("Fake Audio", wide)

    def controls(self, *controls, wide=True):
        self.ok()
        for control_id, kind, flags, items, name in controls:
            self.byte(control_id)
            self.byte(kind)
            self.byte(flags)
            self.count(items)
            self.text(name[:8], wide)
            self.text(name, wide)
            self.byte(0)  # 0 to 65535
            self.count(4)
        self.byte(0)  # the count asked for, written back

    def values(self, *values):
        self.ok()
        for value in values:
            self.dword(value)

    def texts(self, *texts):
        self.ok()
        for text in texts:
            self.byte(0)
            self.byte(0)
            self.text(text)

    def close(self):
        self.byte(0)

    def wave_link(self, mixer, endpoint_id):
        self.ok()
        self.byte(mixer)
        if endpoint_id is not None:
            self.ok()
            self.byte(2 * (len(endpoint_id) + 1))
            self.ok()
            self.byte(len(endpoint_id))
            for character in endpoint_id:
                self.byte(ord(character))
            self.byte(1)  # terminated


def two_device_tree(mixer, with_ids):
    """A playback device (speakers: volume, mute, a wave source) and a recording device (wave in:
    a multiplexer of two sources), each with its wave device."""
    mixer.count(2)
    mixer.caps("Fake Audio Out", 1)
    mixer.caps("Fake Audio In \u00e9\u03a9", 1)
    mixer.count(1)
    mixer.wave_link(0, "{0.0.0.00000000}.{out}" if with_ids else None)
    mixer.count(1)
    mixer.wave_link(1, "{0.0.1.00000000}.{in}" if with_ids else None)
    # Device 0
    mixer.ok()
    mixer.line("Speakers", SPEAKERS, channels=2, connections=1, controls=2)
    mixer.controls((1, VOLUME, 0, 0, "Volume"), (2, MUTE, UNIFORM, 0, "Mute"))
    mixer.values(40000, 50000)
    mixer.values(0)
    mixer.line("Wave", SRC_WAVEOUT, channels=2, controls=1)
    mixer.controls((3, PAN, UNIFORM, 0, "Balance"))
    mixer.values(0x8000)
    mixer.close()
    # Device 1
    mixer.ok()
    mixer.line("Wave In", WAVEIN, channels=1, connections=2, controls=1)
    mixer.controls((4, MUX, UNIFORM | MULTIPLE, 2, "Recording source"))
    mixer.texts("Microphone", "Line In")
    mixer.values(1, 0)
    mixer.line("Microphone", SRC_MICROPHONE, channels=1, controls=1)
    mixer.controls((5, PEAKMETER, 0, 0, "Peak"))
    mixer.values(1234)
    mixer.line("Line In", 0x1002, channels=2)
    mixer.close()


def tree_inputs():
    inputs = {}
    for name, windows in (("two-devices-xp", 5), ("two-devices-vista", 6)):
        mixer = Mixer()
        mixer.byte(windows)
        two_device_tree(mixer, windows >= 6)
        inputs[name] = mixer.data()
    # A device that fails its capabilities, one that cannot be opened, one whose line fails.
    mixer = Mixer()
    mixer.byte(5)
    mixer.count(3)
    mixer.caps("Unplugged", 1, failure=1)
    mixer.caps("Closed", 1)
    mixer.caps("Broken line", 1)
    mixer.count(0)
    mixer.count(0)
    mixer.failed(3)
    mixer.ok()
    mixer.line("Speakers", SPEAKERS, failure=14)
    mixer.close()
    inputs["failures"] = mixer.data()
    return inputs


def caps_inputs():
    mixer = Mixer()
    mixer.count(2)
    mixer.caps("SB Live! Wave Device", 4, mid=2, pid=104, wide=False)
    mixer.caps("Unplugged", 1, wide=False, failure=1)
    return {"two-devices": mixer.data()}


def volume_inputs():
    mixer = Mixer()
    mixer.count(1)
    mixer.caps("SB Live! Wave Device", 2, wide=False)
    mixer.ok()
    mixer.line("Speakers", SPEAKERS, channels=2, controls=2, line_id=7, wide=False)
    mixer.line("Speakers", SPEAKERS, channels=2, controls=2, line_id=7, wide=False)
    mixer.controls((1, VOLUME, 0, 0, "Volume"), (2, MUTE, UNIFORM, 0, "Mute"), wide=False)
    mixer.values(40000, 50000)
    mixer.line("Wave In", WAVEIN, channels=1, controls=1, wide=False)
    mixer.close()
    return {"speakers": mixer.data()}


def args_inputs():
    inputs = {}
    for name, arguments, windows in (
        ("tree-json", ["--tree", "--json"], 6),
        ("device-by-name", ["--device", "in", "--tree"], 5),
    ):
        mixer = Mixer()
        mixer.byte(len(arguments))
        for argument in arguments:
            mixer.argument(argument)
        mixer.byte(windows)
        two_device_tree(mixer, False)
        inputs[name] = mixer.data()
    for name, arguments in (("usage", ["--tree", "--caps"]), ("help", ["--help"])):
        answers = Answers()
        answers.byte(len(arguments))
        for argument in arguments:
            answers.argument(argument)
        inputs[name] = answers.data()
    return inputs


class Endpoints(Answers):
    """The fake endpoints' answers: a code byte (0: S_OK) and the values, in the order taken."""

    def ok(self):
        self.byte(0)

    def number(self, value):  # a value below 16, then the code
        self.byte(0)
        self.byte(value)
        self.ok()

    def text(self, text):
        self.ok()
        data = text.encode()
        self.byte(len(data))
        for byte in data:
            self.byte(byte)

    def level(self, which):  # an entry of the fake's table of levels
        self.ok()
        self.byte(which)

    def endpoint(self, endpoint_id, name, state, flow, audio):
        self.ok()  # Item
        self.text(endpoint_id)
        self.byte(state)  # 0 active, 1 disabled, 2 not present, 3 unplugged
        self.ok()
        self.byte(flow)
        self.ok()
        self.ok()  # the property store
        for kind, value in ((2, name), (2, name.split(" (")[0]), (2, "Fake Audio"), (1, 1),
                            (3, bytes([1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0,
                                       16, 0, 0, 0]))):
            self.ok()
            self.byte(kind)
            if kind == 1:
                self.byte(0)
                self.byte(value)
            else:
                data = value if isinstance(value, bytes) else value.encode()
                self.byte(len(data))
                for byte in data:
                    self.byte(byte)
        if not audio or state != 0:
            return
        self.ok()  # the volume
        self.level(3)
        self.level(2)
        for which in (4, 0, 2):
            self.level(which)
        self.number(20)
        self.count(4)
        self.ok()
        self.ok()
        self.byte(0)  # not muted
        self.count(2)
        self.ok()
        for _ in range(2):
            self.level(3)
            self.level(2)
        self.number(7)
        self.ok()  # the meter
        self.level(7)
        self.ok()  # the sessions
        self.ok()
        self.count(1)
        self.ok()
        self.ok()  # the session
        self.number(1)
        self.text("Player")
        self.number(9)
        self.text("C:\\Player\\player.exe")
        self.byte(0xC0)  # S_FALSE: not the system sounds
        self.level(2)
        self.ok()
        self.byte(0)


def endpoint_list(answers, audio):
    answers.ok()  # the enumerator
    answers.ok()
    answers.count(2)
    answers.ok()
    answers.endpoint("{0.0.0.00000000}.{out}", "Speakers (Fake Audio)", 0, 0, audio)
    answers.endpoint("{0.0.1.00000000}.{in}", "Microphone (Fake Audio)", 1, 1, audio)
    for endpoint_id in ["{0.0.0.00000000}.{out}"] * 3 + ["{0.0.1.00000000}.{in}"] * 3:
        answers.ok()
        answers.text(endpoint_id)


def endpoints_inputs():
    answers = Endpoints()
    answers.byte(10)
    answers.byte(1)
    endpoint_list(answers, True)
    answers.byte(1)
    answers.count(0)
    answers.byte(0)
    answers.byte(1)
    unavailable = Endpoints()
    unavailable.byte(5)
    unavailable.byte(1)
    unavailable.byte(0xC0 + 13)  # a failure
    return {"two-endpoints": answers.data(), "unavailable": unavailable.data()}


def version_inputs():
    """A block with a translation (0409, 04E4) and a value of native wide characters."""
    answers = Answers()
    answers.byte(9)  # ProductName
    path = "C:\\Program Files\\Korvale\\KORVALE.EXE"
    answers.byte(len(path))
    for character in path:
        answers.byte(0)
        answers.byte(ord(character))
    value = "  Korvale  "
    block = bytearray(16) + bytes([0x09, 0x04, 0xE4, 0x04])
    text_at = len(block)
    for character in value:
        block += ord(character).to_bytes(4, "little")
    block += bytes(4)
    answers.byte(0x10)
    answers.word(len(block))
    answers.byte(0)
    for byte in block:
        answers.byte(byte)
    answers.byte(0)
    answers.word(16)
    answers.byte(4)
    answers.byte(0)
    answers.word(text_at)
    answers.byte(len(value) + 1)
    return {"product-name": answers.data()}


def main():
    for target, inputs in (("tree", tree_inputs()), ("caps", caps_inputs()),
                           ("volume", volume_inputs()), ("args", args_inputs()),
                           ("endpoints", endpoints_inputs()), ("version", version_inputs())):
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in inputs.items():
            (folder / ("start-" + name)).write_bytes(data)


if __name__ == "__main__":
    main()
