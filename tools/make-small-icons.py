#!/usr/bin/env python3
"""Draws the 16 and 24 pixel application icons (src/gui/art/quillmark-16.png, -24.png).

At these sizes the scalable icon, scaled down, blurs its card and quill into a smear. These
are drawn for the pixel grid instead: the tile and the photo card have edges on whole
pixels, the picture is reduced to a sun and a hill, and only the quill's diagonal and the
rounded corners are smoothed. Standard library only; run it after changing the drawing.
Usage: tools/make-small-icons.py [OUTDIR]   (default src/gui/art)
"""
import os, struct, sys, zlib

TILE_TOP, TILE_BOTTOM = (0x2B, 0x62, 0xAB), (0x1F, 0x4E, 0x8C)
WHITE, PICTURE, SUN, HILL = (0xFF,) * 3, (0xD9, 0xE7, 0xF7), (0x22, 0xB3, 0xA6), (0x3A, 0x78, 0xC2)
FEATHER, FEATHER_SHADE = (0x2E, 0xC4, 0xB6), (0x1A, 0x9E, 0x92)
SS = 8  # samples per pixel side, for coverage


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def capsule(ax, ay, bx, by, w):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= (w / 2) ** 2
    return inside


def half(inside, ax, ay, bx, by, right):
    """The part of a shape on one side of the line a-b."""
    def f(x, y):
        side = (bx - ax) * (y - ay) - (by - ay) * (x - ax)
        return inside(x, y) and ((side > 0) == right)
    return f


def polygon(points):
    def inside(x, y):
        hit = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def layers(n):
    """The drawing for an n-pixel icon, back to front, in pixel coordinates."""
    if n == 16:
        return [
            (rounded_rect(1, 1, 15, 15, 3), None),
            (rounded_rect(3, 3, 12, 11, 1), WHITE),
            ((lambda x, y: 4 <= x < 11 and 4 <= y < 10), PICTURE),
            (circle(6, 6, 1.1), SUN),
            (polygon([(4, 10), (4, 9), (6.5, 7), (8, 8.5), (9, 8), (11, 9.5), (11, 10)]), HILL),
            (capsule(2.5, 13, 6.5, 12.5, 1.4), FEATHER),
            (half(capsule(8.5, 10, 12.5, 3.5, 2.6), 8.5, 10, 12.5, 3.5, False), FEATHER),
            (half(capsule(8.5, 10, 12.5, 3.5, 2.6), 8.5, 10, 12.5, 3.5, True), FEATHER_SHADE),
            (polygon([(7, 13), (7.6, 10.2), (9.6, 11.4)]), WHITE),
        ]
    return [
        (rounded_rect(2, 2, 22, 22, 4), None),
        (rounded_rect(4, 5, 17, 16, 1.5), WHITE),
        ((lambda x, y: 5 <= x < 16 and 6 <= y < 15), PICTURE),
        (circle(8.5, 8.5, 1.6), SUN),
        (polygon([(5, 15), (5, 13), (8.5, 10), (11, 12.5), (12.5, 11), (16, 14), (16, 15)]), HILL),
        (capsule(3.5, 19.5, 9.5, 19, 1.8), FEATHER),
        (half(capsule(12.5, 15, 18.5, 5, 3.6), 12.5, 15, 18.5, 5, False), FEATHER),
        (half(capsule(12.5, 15, 18.5, 5, 3.6), 12.5, 15, 18.5, 5, True), FEATHER_SHADE),
        (polygon([(10, 19.5), (11, 15.5), (13.8, 17.2)]), WHITE),
    ]


def render(n):
    rows = []
    drawing = layers(n)
    for py in range(n):
        row = bytearray()
        for px in range(n):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied r, g, b and alpha
            for sy in range(SS):
                for sx in range(SS):
                    x, y = px + (sx + 0.5) / SS, py + (sy + 0.5) / SS
                    colour, alpha = (0, 0, 0), 0.0
                    for inside, c in drawing:
                        if inside(x, y):
                            if c is None:  # the tile's vertical gradient
                                t = y / n
                                c = tuple(round(a + (b - a) * t) for a, b in zip(TILE_TOP, TILE_BOTTOM))
                            colour, alpha = c, 1.0
                    for i in range(3):
                        acc[i] += colour[i] * alpha
                    acc[3] += alpha
            a = acc[3] / (SS * SS)
            rgb = [round(acc[i] / acc[3]) if acc[3] else 0 for i in range(3)]
            row += bytes(rgb + [round(a * 255)])
        rows.append(bytes(row))
    return rows


def png(rows, n):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src", "gui", "art")
os.makedirs(out, exist_ok=True)
for n in (16, 24):
    with open(os.path.join(out, f"quillmark-{n}.png"), "wb") as f:
        f.write(png(render(n), n))
