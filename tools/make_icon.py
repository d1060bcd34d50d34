#!/usr/bin/env python3
"""Writes Sorvane.ico: the panel in small, a green strip of three buttons with
the first one highlighted in yellow, at 16, 24, 32, 48 and 256 pixels
(32-bit images with alpha). Usage: make_icon.py OUTPUT_ICO"""
import struct
import sys

SIZES = (16, 24, 32, 48, 256)
GREEN = (0x00, 0x80, 0x00)
YELLOW = (0xFF, 0xFF, 0x00)
FACE = (0xF0, 0xF0, 0xF0)
EDGE = (0x00, 0x40, 0x00)


def rounded(x, y, box, radius):
    """True when the point lies inside the rectangle box with rounded corners."""
    left, top, right, bottom = box
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def shapes():
    """The drawing on a 1 x 1 square, topmost last: (box, radius, colour)."""
    strip = (0.0, 0.22, 1.0, 0.78)
    yield (strip, 0.12, EDGE)
    yield ((0.03, 0.25, 0.97, 0.75), 0.10, GREEN)
    for i, colour in enumerate((YELLOW, FACE, FACE)):
        left = 0.09 + i * 0.30
        yield ((left, 0.33, left + 0.24, 0.67), 0.04, colour)


def image(size):
    """Rows of (b, g, r, a), top row first, with 4 x 4 samples a pixel."""
    drawing = list(shapes())
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(4):
                for sx in range(4):
                    x = (px + (sx + 0.5) / 4) / size
                    y = (py + (sy + 0.5) / 4) / size
                    colour = None
                    for box, radius, fill in drawing:
                        if rounded(x, y, box, radius):
                            colour = fill
                    if colour is not None:
                        covered += 1
                        for c in range(3):
                            total[c] += colour[c]
            if covered:
                r, g, b = (int(t / covered + 0.5) for t in total)
                row.append((b, g, r, covered * 255 // 16))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(size):
    """A BITMAPINFOHEADER, the colour rows bottom up and an empty AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(c for p in row for c in p) for row in reversed(image(size)))
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_row * size)


def main():
    images = [dib(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        side = 0 if size == 256 else size
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(out + b"".join(images))


main()
