#!/usr/bin/env python3
"""Draws Korvale's icon at the sizes Windows asks for above 96 DPI, into res/Korvale.ico.

Run once by hand from anywhere, then commit res/Korvale.ico:
    python3 tools/make-icon.py
It keeps the file's 16x16 and 32x32 images byte for byte (at 96 DPI nothing may change) and adds
the same design drawn at 20, 24, 40, 48 and 64 pixels: with the 32x32 image, the small icon (20,
24, 32) and the large one (40, 48, 64) at 120, 144 and 192 DPI, which Windows would otherwise
stretch from the 32x32 image. Running it again redraws those five and writes the same file.
Standard library only.

Every image is a classic one (a 32-bit BGRA bitmap and its 1-bit AND mask, no PNG), so that
Windows XP reads them all.
"""
import math
import pathlib
import struct

ICON = pathlib.Path(__file__).resolve().parent.parent / "res" / "Korvale.ico"
KEPT_SIZES = (16, 32)
DRAWN_SIZES = (20, 24, 40, 48, 64)

# The design as the 32x32 image has it, in 32-pixel units: a rounded square, three slider tracks,
# one knob on each.
BLUE = (31, 78, 153)
TRACK = (223, 232, 245)
AMBER = (255, 176, 0)
SQUARE_MARGIN = 1
CORNER_RADIUS = 7
TRACK_WIDTH = 2
TRACK_SPACING = 7
TRACK_TOP = 7
KNOB_WIDTH = 6
KNOB_HEIGHT = 4
KNOB_CENTRES = (19, 12, 16)  # vertical, left to right
SUBSAMPLES = 16  # per pixel and axis, for the square's rounded corners


def nearest(value):
    """Rounds halves up, so that equal inputs snap alike at every size."""
    return math.floor(value + 0.5)


def nearest_of_parity(value, parity):
    """The whole number of the given parity nearest to value: a knob as wide as its track plus an
    even number of pixels sits centred on it."""
    below = math.floor(value)
    if below % 2 != parity:
        below -= 1
    return below if value - below <= below + 2 - value else below + 2


def track_width(scale, size):
    """Nearest to the design's width; on a tie the one that centres the middle track."""
    exact = TRACK_WIDTH * scale
    low, high = math.floor(exact), math.ceil(exact)
    if exact - low == high - exact and low != high:
        return low if (size - low) % 2 == 0 else high
    return max(1, nearest(exact))


def layout(size):
    """The rectangles (left, top, right, bottom, colour) of the tracks and knobs at size pixels,
    on whole pixels so that their edges stay crisp, and the rounded square's margin and radius.
    An odd track width in an even icon puts the sliders half a pixel right of centre, as in the
    16x16 image."""
    scale = size / 32
    width = track_width(scale, size)
    spacing = nearest(TRACK_SPACING * scale)
    knob_width = nearest_of_parity(KNOB_WIDTH * scale, width % 2)
    knob_height = nearest(KNOB_HEIGHT * scale)
    middle = nearest((size - width) / 2)
    top = nearest(TRACK_TOP * scale)
    tracks, knobs = [], []
    for index, centre in enumerate(KNOB_CENTRES):
        left = middle + (index - 1) * spacing
        tracks.append((left, top, left + width, size - top, TRACK))
        knob_left = left - (knob_width - width) // 2
        knob_top = nearest(centre * scale - knob_height / 2)
        knobs.append((knob_left, knob_top, knob_left + knob_width, knob_top + knob_height, AMBER))
    return nearest(SQUARE_MARGIN * scale), CORNER_RADIUS * scale, tracks + knobs


def square_coverage(x, y, size, margin, radius):
    """The share of pixel (x, y) the rounded square covers, by supersampling. A point is inside
    when it lies within radius of the nearest point of the square shrunk by radius."""
    low, high = margin, size - margin
    inside = 0
    for j in range(SUBSAMPLES):
        sy = y + (j + 0.5) / SUBSAMPLES
        cy = min(max(sy, low + radius), high - radius)
        for i in range(SUBSAMPLES):
            sx = x + (i + 0.5) / SUBSAMPLES
            cx = min(max(sx, low + radius), high - radius)
            if (sx - cx) ** 2 + (sy - cy) ** 2 <= radius**2:
                inside += 1
    return inside / SUBSAMPLES**2


def draw(size):
    """Rows of (red, green, blue, alpha), top row first."""
    margin, radius, shapes = layout(size)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            alpha = round(255 * square_coverage(x, y, size, margin, radius))
            row.append(BLUE + (alpha,) if alpha else (0, 0, 0, 0))
        pixels.append(row)
    for left, top, right, bottom, colour in shapes:
        for y in range(top, bottom):
            for x in range(left, right):
                if pixels[y][x][3] != 255:
                    raise SystemExit(f"{size}x{size}: a slider at ({x}, {y}) leaves the square")
                pixels[y][x] = colour + (255,)
    return pixels


def encode(pixels):
    """A classic icon image: BITMAPINFOHEADER (twice the height: colour and mask), the BGRA rows
    bottom-up, then the AND mask, 1 where the pixel is transparent, rows padded to 32 bits."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, size * size * 4, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    stride = (size + 31) // 32 * 4
    for row in reversed(pixels):
        for red, green, blue, alpha in row:
            colour += bytes((blue, green, red, alpha))
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + mask


def read_icon(data):
    """{size: (directory entry without its offset, image bytes)}."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise SystemExit(f"{ICON} is not an icon file")
    images = {}
    for index in range(count):
        entry = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
        width, height, length, offset = entry[0] or 256, entry[1] or 256, entry[6], entry[7]
        if width != height:
            raise SystemExit(f"{ICON}: image {index} is {width}x{height}, not square")
        images[width] = (entry[:6], data[offset : offset + length])
    return images


def write_icon(images):
    """images: {size: (directory entry without its offset, image bytes)}, in ascending size."""
    sizes = sorted(images)
    directory = struct.pack("<HHH", 0, 1, len(sizes))
    body = bytearray()
    offset = 6 + 16 * len(sizes)
    for size in sizes:
        fields, image = images[size]
        directory += struct.pack("<BBBBHHII", *fields, len(image), offset + len(body))
        body += image
    return directory + body


def main():
    images = read_icon(ICON.read_bytes())
    missing = [size for size in KEPT_SIZES if size not in images]
    if missing:
        raise SystemExit(f"{ICON} has no {missing} image to keep")
    kept = {size: images[size] for size in KEPT_SIZES}
    for size in DRAWN_SIZES:
        kept[size] = ((size % 256, size % 256, 0, 0, 1, 32), encode(draw(size)))
    ICON.write_bytes(write_icon(kept))
    for size in sorted(kept):
        print(f"{size}x{size}: {len(kept[size][1])} bytes")


if __name__ == "__main__":
    main()
