#!/usr/bin/env python3
"""The application's icon (resource 128): its one drawing and every file made from it.

The icon is a rounded square of the unit's blue with a dark edge, and on it a white A-frame
radio mast with a dot at its top sending two arcs upwards, laid out in a 32 x 32 grid
(SHAPES). Pixel images sample each pixel several times for smooth edges.

Usage:
  make_app_icon.py ico OUTPUT.ico           the Windows icon at 16, 32 and 48 pixels
  make_app_icon.py theme OUTDIR NAME        OUTDIR/hicolor/NxN/apps/NAME.png and
                                            OUTDIR/hicolor/scalable/apps/NAME.svg
  make_app_icon.py cpp OUTPUT.inc           the PNG images the Qt program shows, as C++ data
"""
import math
import os
import struct
import sys
import zlib

BLUE = (0x1F, 0x5F, 0xB4)
EDGE = (0x10, 0x2A, 0x5C)
WHITE = (0xFF, 0xFF, 0xFF)
GRID = 32.0
MAST_PEN = 2.2
MAST_TOP = (16.0, 10.5)

# Painted in order, each over the ones before it. Strokes have round caps and joins.
SHAPES = [
    {"kind": "rounded_square", "box": (1.0, 1.0, 30.0, 30.0), "radius": 5.0,
     "fill": BLUE, "stroke": EDGE, "pen": 1.0},
    {"kind": "lines", "points": [(10.0, 28.0), (16.0, 12.0), (22.0, 28.0)],
     "stroke": WHITE, "pen": MAST_PEN},
    {"kind": "lines", "points": [(12.5, 21.5), (19.5, 21.5)], "stroke": WHITE, "pen": MAST_PEN},
    {"kind": "circle", "centre": MAST_TOP, "radius": 1.6, "fill": WHITE, "stroke": WHITE,
     "pen": MAST_PEN},
] + [
    {"kind": "arc", "centre": MAST_TOP, "radius": radius, "from": 30.0, "to": 150.0,
     "stroke": WHITE, "pen": MAST_PEN}
    for radius in (4.5, 8.0)
]

THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
PROGRAM_SIZES = (16, 24, 32, 48, 64)
WINDOWS_SIZES = (16, 32, 48)


def segment_distance(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def arc_point(shape, degrees):
    cx, cy = shape["centre"]
    angle = math.radians(degrees)
    return (cx + shape["radius"] * math.cos(angle), cy - shape["radius"] * math.sin(angle))


def signed_distance(shape, x, y):
    """Distance from (x, y) to the shape's outline, negative inside a filled shape."""
    kind = shape["kind"]
    if kind == "rounded_square":
        left, top, width, height = shape["box"]
        r = shape["radius"]
        qx = abs(x - left - width / 2) - (width / 2 - r)
        qy = abs(y - top - height / 2) - (height / 2 - r)
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    if kind == "circle":
        return math.hypot(x - shape["centre"][0], y - shape["centre"][1]) - shape["radius"]
    if kind == "lines":
        points = shape["points"]
        return min(segment_distance(x, y, a, b) for a, b in zip(points, points[1:]))
    cx, cy = shape["centre"]  # an arc
    angle = math.degrees(math.atan2(cy - y, x - cx))
    if shape["from"] <= angle <= shape["to"]:
        return abs(math.hypot(x - cx, y - cy) - shape["radius"])
    return min(math.dist((x, y), arc_point(shape, a)) for a in (shape["from"], shape["to"]))


def colour_at(x, y):
    """Colour of one sample point of the grid; None where nothing is drawn."""
    colour = None
    for shape in SHAPES:
        d = signed_distance(shape, x, y)
        if "stroke" in shape and abs(d) <= shape["pen"] / 2:
            colour = shape["stroke"]
        elif "fill" in shape and d <= 0.0:
            colour = shape["fill"]
    return colour


def render(size):
    """Rows of RGBA pixels, top row first, colours not premultiplied."""
    rows = []
    n = 4 if size <= 64 else 2  # large images have enough pixels for their edges
    for row in range(size):
        line = bytearray()
        for column in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    colour = colour_at((column + (sx + 0.5) / n) * GRID / size,
                                       (row + (sy + 0.5) / n) * GRID / size)
                    if colour is not None:
                        covered += 1
                        for k in range(3):
                            total[k] += colour[k]
            if covered == 0:
                line += bytes(4)
            else:
                line += bytes([round(total[k] / covered) for k in range(3)])
                line.append(round(255 * covered / (n * n)))
        rows.append(bytes(line))
    return rows


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(rows)
    raw = b"".join(b"\0" + row for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images_by_size):
    images = []
    for size, rows in images_by_size.items():
        # A bitmap icon holds BGRA rows bottom row first, then an AND mask that alpha overrides.
        pixels = b"".join(bytes(row[i + k] for i in range(0, len(row), 4) for k in (2, 1, 0, 3))
                          for row in reversed(rows))
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        images.append((size, header + pixels + bytes(((size + 31) // 32) * 4 * size)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(image for _, image in images)


def svg_element(shape):
    def colour(rgb):
        return "#%02x%02x%02x" % rgb

    paint = 'fill="%s"' % colour(shape["fill"]) if "fill" in shape else 'fill="none"'
    paint += (' stroke="%s" stroke-width="%g" stroke-linecap="round" stroke-linejoin="round"'
              % (colour(shape["stroke"]), shape["pen"]))
    kind = shape["kind"]
    if kind == "rounded_square":
        left, top, width, height = shape["box"]
        return ('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" %s/>'
                % (left, top, width, height, shape["radius"], paint))
    if kind == "circle":
        return '<circle cx="%g" cy="%g" r="%g" %s/>' % (*shape["centre"], shape["radius"], paint)
    if kind == "lines":
        path = "M" + " L".join("%g %g" % point for point in shape["points"])
    else:  # an arc, counter-clockwise on the screen: over the top
        path = "M%.3f %.3f A%g %g 0 0 0 %.3f %.3f" % (
            *arc_point(shape, shape["from"]), shape["radius"], shape["radius"],
            *arc_point(shape, shape["to"]))
    return '<path d="%s" %s/>' % (path, paint)


def svg():
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
             "<title>TQR-417 Setup</title>"]
    lines += [svg_element(shape) for shape in SHAPES]
    return "\n".join(lines + ["</svg>", ""])


def cpp():
    out = ["// Made at build time by tools/icon/make_app_icon.py: the icon's PNG images."]
    for size in PROGRAM_SIZES:
        body = ",".join(str(b) for b in png(render(size)))
        out.append("constexpr unsigned char kAppIconPng%d[] = {%s};" % (size, body))
    entries = ", ".join("{kAppIconPng%d, sizeof kAppIconPng%d}" % (s, s) for s in PROGRAM_SIZES)
    out.append("constexpr AppIconImage kAppIconImages[] = {%s};" % entries)
    return ("\n".join(out) + "\n").encode()


def write(path, data):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "wb") as file:
        file.write(data)


def main(argv):
    if len(argv) == 3 and argv[1] == "ico":
        write(argv[2], ico({size: render(size) for size in WINDOWS_SIZES}))
    elif len(argv) == 4 and argv[1] == "theme":
        root = os.path.join(argv[2], "hicolor")
        for size in THEME_SIZES:
            name = os.path.join(root, "%dx%d" % (size, size), "apps", argv[3] + ".png")
            write(name, png(render(size)))
        write(os.path.join(root, "scalable", "apps", argv[3] + ".svg"), svg().encode())
    elif len(argv) == 3 and argv[1] == "cpp":
        write(argv[2], cpp())
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
