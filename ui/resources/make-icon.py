#!/usr/bin/env python3
"""Draws the program icon and writes it as tornwick.ico.

A blue globe with its equator, parallels and one meridian in white, and a
red-bordered yellow tick in the lower right, for "credits compared", with
transparent corners.  Four images:

- 32 by 32 and 16 by 16 pixels, 16 colours each (the standard Windows
  palette), drawn pixel by pixel for the caption, the task bar at 100 % and
  the About box;
- 48 by 48 pixels, and 256 by 256 pixels stored as PNG, in true colour with
  smooth (alpha-blended) edges, for Explorer's larger views and for screens
  above 96 DPI.

Run it again after changing the drawing:

    python3 make-icon.py [output.ico]
"""
import math
import struct
import sys
import zlib

# The 16-colour Windows palette, each colour as (red, green, blue).  The file
# stores a colour the other way round, as a (blue, green, red, 0) quad, and
# image_bytes turns them round when it writes them.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
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


# The large images: the same drawing on the 32-unit grid, its lines as thick
# as they are in the 32-pixel image, sampled several times per pixel.
CENTRE, RADIUS, RIM, LINE = 14.5, 13.0, 1.3, 0.55
TICK = [((17.0, 23.0), (21.5, 27.5)), ((21.5, 27.5), (30.0, 16.0))]


def distance_to_segment(px, py, start, end):
    (x0, y0), (x1, y1) = start, end
    t = max(0.0, min(1.0, ((px - x0) * (x1 - x0) + (py - y0) * (y1 - y0))
                     / ((x1 - x0) ** 2 + (y1 - y0) ** 2)))
    return math.hypot(px - (x0 + t * (x1 - x0)), py - (y0 + t * (y1 - y0)))


def colour_at(gx, gy):
    """The palette index at a point of the 32-unit grid (None: transparent)."""
    tick = min(distance_to_segment(gx, gy, a, b) for a, b in TICK)
    if tick <= 1.0:
        return YELLOW
    if tick <= 2.1:
        return RED
    d = math.hypot(gx - CENTRE, gy - CENTRE)
    if d >= RADIUS:
        return TRANSPARENT
    if d > RADIUS - RIM:
        return NAVY
    dy = gy - CENTRE
    parallel = math.floor(RADIUS / 2)
    if any(abs(dy - p) < LINE for p in (0.0, -parallel, parallel)):
        return WHITE
    a = 0.45 * RADIUS
    if abs(math.hypot((gx - CENTRE) / a, dy / RADIUS) - 1.0) * a < LINE * 1.2:
        return WHITE
    return BLUE


def draw_smooth(size, samples=4):
    """Returns size rows of size (red, green, blue, alpha) pixels."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((x + (sx + 0.5) / samples) * 32.0 / size,
                                  (y + (sy + 0.5) / samples) * 32.0 / size)
                    if c is not None:
                        cr, cg, cb = PALETTE[c]
                        r, g, b, a = r + cr, g + cg, b + cb, a + 1
            n = samples * samples
            row.append((r // a, g // a, b // a, 255 * a // n) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


def true_colour_bytes(pixels):
    """One 32-bit icon image: BITMAPINFOHEADER, BGRA colours, AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colours, masks = [], []
    for row in reversed(pixels):  # bottom-up
        colours.append(b"".join(struct.pack("<BBBB", b, g, r, a) for (r, g, b, a) in row))
        bits = 0
        for (_, _, _, a) in row:
            bits = (bits << 1) | (1 if a == 0 else 0)
        mask = bits.to_bytes(size // 8, "big")
        masks.append(mask + b"\0" * (-len(mask) % 4))
    return header + b"".join(colours) + b"".join(masks)


def png_bytes(pixels):
    """The image as a PNG file (8-bit RGBA), as icons of 256 pixels hold it."""
    size = len(pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


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


def icon_file():
    # (size, colours in the directory entry (0: more than 256), bits per
    # pixel, image)
    images = [
        (32, 16, 4, image_bytes(draw(32))),
        (16, 16, 4, image_bytes(draw(16))),
        (48, 0, 32, true_colour_bytes(draw_smooth(48))),
        (256, 0, 32, png_bytes(draw_smooth(256, samples=3))),
    ]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, bits, data in images:
        # A size of 256 is written as 0 in the directory's one byte.
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, _, data in images)


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else "tornwick.ico"
    with open(target, "wb") as f:
        f.write(icon_file())
