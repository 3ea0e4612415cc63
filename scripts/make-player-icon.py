#!/usr/bin/env python3
"""Writes player/Velmora.ico from the program's icons in resources/hicolor.

The icon holds the PNG images as they are (Windows Vista and later read PNG
entries in an icon). Run it again when the icons change.
"""
import pathlib
import struct

root = pathlib.Path(__file__).resolve().parent.parent
sizes = [16, 32, 48, 256]
images = [(root / f"resources/hicolor/{s}x{s}/apps/brenwick.png").read_bytes() for s in sizes]
header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
entries = b""
for size, data in zip(sizes, images):
    entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
(root / "player/Velmora.ico").write_bytes(header + entries + b"".join(images))
