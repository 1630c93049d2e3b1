#!/usr/bin/env python3
"""Draws the program icon and writes it as tornwick.ico.

Two images, 32 by 32 and 16 by 16 pixels, 16 colours each (the standard
Windows palette), with transparent corners: a blue globe with its equator and
one meridian in white, and a red-bordered yellow tick in the lower right, for
"credits compared".  Run it again after changing the drawing:

    python3 make-icon.py [output.ico]
"""
import math
import struct
import sys

# The 16-colour Windows palette, as (blue, green, red, 0) quads.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # (red, green, blue)
NAVY, BLUE, RED, YELLOW, WHITE = 4, 12, 9, 11, 15
TRANSPARENT = None


def draw(size):
    """Returns size rows of size colour indices (None: transparent)."""
    s = size / 32.0  # everything is laid out on a 32-pixel grid
    cx, cy, r = 14.5 * s, 14.5 * s, 13.0 * s
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    half = 0.55  # half the width of a grid line, in pixels
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            d = math.hypot(px - cx, py - cy)
            # Pixels exactly on the circle are left out: the four on the
            # axes would stick out of the rim as single-pixel spikes.
            if d >= r:
                continue
            colour = BLUE
            if d > r - max(1.0, 1.3 * s):
                colour = NAVY  # the rim
            else:
                dy = py - cy
                # the equator, two parallels (at 32 pixels only) and the
                # central meridian, an ellipse half as wide as the globe.
                # The parallels sit on whole pixel rows, as the equator
                # does; half-way between two rows they would be drawn
                # two pixels thick.
                p = math.floor(r / 2)
                parallels = [0.0] + ([-p, p] if size >= 32 else [])
                a = 0.45 * r
                ellipse = math.hypot((px - cx) / a, dy / r)
                if any(abs(dy - p) < half for p in parallels):
                    colour = WHITE
                elif abs(ellipse - 1.0) * a < half * 1.2 or (size < 32 and abs(px - cx) < half):
                    colour = WHITE
            pixels[y][x] = colour
    # The tick: two thick strokes ending at the lower right.
    strokes = [((17.0, 23.0), (21.5, 27.5)), ((21.5, 27.5), (30.0, 16.0))]
    for width, colour in ((4.2, RED), (2.0, YELLOW)):
        for (x0, y0), (x1, y1) in strokes:
            for y in range(size):
                for x in range(size):
                    px, py = (x + 0.5) / s, (y + 0.5) / s
                    t = max(0.0, min(1.0, ((px - x0) * (x1 - x0) + (py - y0) * (y1 - y0))
                                     / ((x1 - x0) ** 2 + (y1 - y0) ** 2)))
                    if math.hypot(px - (x0 + t * (x1 - x0)), py - (y0 + t * (y1 - y0))) <= width / 2:
                        pixels[y][x] = colour
    return pixels


def image_bytes(pixels):
    """One icon image: BITMAPINFOHEADER, palette, 4-bit colours, AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bottom-up
        nibbles = [0 if c is None else c for c in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data + b"\0" * (-len(data) % 4))
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c is None else 0)
        mask = bits.to_bytes(size // 8, "big")
        and_rows.append(mask + b"\0" * (-len(mask) % 4))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def icon_file(sizes):
    images = [image_bytes(draw(size)) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else "tornwick.ico"
    with open(target, "wb") as f:
        f.write(icon_file([32, 16]))
