#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the 7 x 90 placeholder tile of the picture strip (bitmap 141) as a 24-bit PNG.

The tile looks like a strip of ruled paper: white, a pale blue margin in its two leftmost columns, pale blue
rules, and a small grey pencil sketch at the top. Repeated every 7 pixels across the strip, the margin gives a
pale blue vertical line every 7 pixels. Run it once and commit picture-tile.png; the build only embeds the PNG.
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 7, 90
WHITE = (255, 255, 255)
MARGIN = [(225, 239, 251), (244, 251, 254)]
RULE = (206, 226, 246)
RULE_ROWS = [17, 23, 24, 30, 37, 43, 44, 50, 57, 63, 64, 70, 71, 77, 84]
PENCIL = {"#": (128, 128, 128), "+": (176, 176, 176)}
# Columns 2 to 6 of rows 0 to 13: a small leaf on a stalk, as if drawn in the margin.
SKETCH = [
    ".....",
    "..+..",
    ".+#+.",
    ".#.#.",
    "+#.#+",
    "#...#",
    "#.#.#",
    "+#.#+",
    ".#+#.",
    "..#..",
    "..#..",
    "..+..",
    ".+...",
    ".....",
]


def pixel(x, y):
    if x < 2:
        return MARGIN[x]
    if y < len(SKETCH) and SKETCH[y][x - 2] in PENCIL:
        return PENCIL[SKETCH[y][x - 2]]
    if y in RULE_ROWS:
        return RULE
    return WHITE


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main(path):
    rows = b"".join(b"\x00" + bytes(c for x in range(WIDTH) for c in pixel(x, y)) for y in range(HEIGHT))
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)  # 8 bits per channel, RGB
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "picture-tile.png")
