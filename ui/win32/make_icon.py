#!/usr/bin/env python3
"""Writes the application's icon (resource 128) as a Windows .ico file at 16, 32 and 48 pixels.

The same drawing as the Qt build's icon (ui/qt/app_icon.cpp), in its 32 x 32 grid: a rounded
square of the unit's blue with a dark edge and a white A-frame radio mast sending two arcs.
Each pixel is sampled 4 x 4 times for smooth edges. Usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys

BLUE = (0x1F, 0x5F, 0xB4)
EDGE = (0x10, 0x2A, 0x5C)
WHITE = (0xFF, 0xFF, 0xFF)
PEN = 1.1  # half the white pen's width


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def rounded_square_distance(px, py):
    # Signed distance to the rounded square (1, 1, 30, 30) with corner radius 5.
    qx = abs(px - 16.0) - 10.0
    qy = abs(py - 16.0) - 10.0
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - 5.0


def colour_at(x, y):
    """Colour and coverage of one sample point of the 32 x 32 grid."""
    square = rounded_square_distance(x, y)
    if square > 0.5:
        return None
    lines = [(10, 28, 16, 12), (16, 12, 22, 28), (12.5, 21.5, 19.5, 21.5)]
    if any(segment_distance(x, y, *line) <= PEN for line in lines):
        return WHITE
    if math.hypot(x - 16.0, y - 10.5) <= 1.6:
        return WHITE
    for ring in (1, 2):
        r = 3.5 * ring + 1.0
        angle = math.degrees(math.atan2(10.5 - y, x - 16.0))
        if 30.0 <= angle <= 150.0 and abs(math.hypot(x - 16.0, y - 10.5) - r) <= PEN:
            return WHITE
    return EDGE if square > -0.5 else BLUE


def render(size):
    """BGRA rows, bottom row first, as an icon's bitmap holds them."""
    rows = []
    n = 4
    for row in range(size - 1, -1, -1):
        line = bytearray()
        for column in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    x = (column + (sx + 0.5) / n) * 32.0 / size
                    y = (row + (sy + 0.5) / n) * 32.0 / size
                    colour = colour_at(x, y)
                    if colour is not None:
                        covered += 1
                        for k in range(3):
                            total[k] += colour[k]
            if covered == 0:
                line += bytes(4)
            else:
                r, g, b = (round(total[k] / covered) for k in range(3))
                line += bytes((b, g, r, round(255 * covered / (n * n))))
        rows.append(bytes(line))
    return b"".join(rows)


def icon_image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_row = ((size + 31) // 32) * 4
    return header + render(size) + bytes(mask_row * size)


def main():
    sizes = (16, 32, 48)
    images = [icon_image(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as file:
        file.write(out + b"".join(images))


if __name__ == "__main__":
    main()
