#!/usr/bin/env python3
"""Draws the design window's built-in theme picture: a 200 x 200, 24-bit BMP of
a shining disc over a deep blue field. The picture is this project's own
artwork; run this script to make resources/pictures/theme.bmp again."""
import math
import struct
import sys

SIZE = 200


def clamp(v):
    return max(0, min(255, int(round(v))))


def pixel(x, y):
    cx = cy = (SIZE - 1) / 2.0
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    angle = math.atan2(dy, dx)
    # Background: deep blue, lighter toward the upper left, with soft rays.
    shade = 1.0 - (x + y) / (4.0 * SIZE)
    rays = 0.5 + 0.5 * math.cos(angle * 12)
    bg = (20 * shade + 10 * rays, 40 * shade + 20 * rays, 120 * shade + 50 * rays)
    outer, label, hole = 92.0, 34.0, 9.0
    if r > outer + 1 or r < hole - 1:
        return bg
    # Disc: silver with a rainbow sheen that turns with the angle.
    hue = (angle / (2 * math.pi) + 0.5 + r / 300.0) % 1.0
    rr = 0.5 + 0.5 * math.cos(2 * math.pi * (hue + 0.0))
    gg = 0.5 + 0.5 * math.cos(2 * math.pi * (hue + 1 / 3.0))
    bb = 0.5 + 0.5 * math.cos(2 * math.pi * (hue + 2 / 3.0))
    sheen = 0.35 + 0.65 * abs(math.sin(angle * 2 + 0.6))
    base = 150 + 70 * sheen
    disc = (base * (0.75 + 0.25 * rr), base * (0.75 + 0.25 * gg), base * (0.75 + 0.25 * bb))
    if r < label:
        # Label ring: warm yellow with a thin darker edge.
        edge = 1.0 if r > label - 2 or r < hole + 3 else 0.0
        disc = (230 - 90 * edge, 190 - 90 * edge, 60 - 40 * edge)
    # Thin dark rim and edge smoothing against the background.
    if outer - 1.5 < r <= outer:
        disc = tuple(c * 0.6 for c in disc)
    a = 1.0
    if r > outer:
        a = max(0.0, outer + 1 - r)
    elif r < hole:
        a = max(0.0, r - (hole - 1))
    return tuple(bg[i] * (1 - a) + disc[i] * a for i in range(3))


def main(out):
    row_bytes = SIZE * 3
    pad = (4 - row_bytes % 4) % 4
    image = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            image += bytes((clamp(b), clamp(g), clamp(r)))
        image += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(out, "wb") as f:
        f.write(header + info + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/pictures/theme.bmp")
