#!/usr/bin/env python3
"""Draws the program icon: writes data/icons/cantrel.svg and the 48 and 256 pixel PNGs from one
list of shapes (a 256 x 256 canvas), so the three always show the same picture."""
import math
import os
import struct
import zlib

BLUE, GOLD = (0x1F, 0x4E, 0x79), (0xF2, 0xC1, 0x4E)
# (kind, colour, geometry), painted in order
SHAPES = [
    ("rrect", BLUE, (16, 16, 240, 240, 40)),
    ("poly", GOLD, [(44, 72), (164, 72), (216, 128), (164, 184), (44, 184)]),
    ("circle", BLUE, (180, 128, 12)),
    ("circle", BLUE, (98, 156, 18)),
    ("poly", BLUE, [(106, 88), (116, 88), (116, 156), (106, 156)]),
    ("poly", BLUE, [(116, 88), (146, 102), (146, 120), (116, 106)]),
]


def inside(kind, geo, x, y):
    if kind == "circle":
        cx, cy, r = geo
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    if kind == "rrect":
        x0, y0, x1, y1, r = geo
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = max(x0 + r - x, 0, x - (x1 - r))
        dy = max(y0 + r - y, 0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r
    result = False  # even-odd polygon test
    for (ax, ay), (bx, by) in zip(geo, geo[1:] + geo[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            result = not result
    return result


def render(size, samples=4):
    rows = []
    scale = 256 / size
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for kind, fill, geo in SHAPES:
                        if inside(kind, geo, x, y):
                            colour = fill
                    if colour:
                        acc = [acc[0] + colour[0], acc[1] + colour[1], acc[2] + colour[2], acc[3] + 1]
            n = acc[3]
            row += bytes([acc[0] // n, acc[1] // n, acc[2] // n] if n else [0, 0, 0])
            row.append(round(255 * n / samples ** 2))
        rows.append(bytes(row))
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def svg():
    hexc = lambda c: "#%02x%02x%02x" % c
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">']
    for kind, fill, geo in SHAPES:
        if kind == "rrect":
            x0, y0, x1, y1, r = geo
            out.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{r}" fill="{hexc(fill)}"/>')
        elif kind == "circle":
            out.append(f'  <circle cx="{geo[0]}" cy="{geo[1]}" r="{geo[2]}" fill="{hexc(fill)}"/>')
        else:
            points = " ".join(f"{x},{y}" for x, y in geo)
            out.append(f'  <polygon points="{points}" fill="{hexc(fill)}"/>')
    out.append("</svg>\n")
    return "\n".join(out)


folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "icons")
with open(os.path.join(folder, "cantrel.svg"), "w") as f:
    f.write(svg())
for size in (48, 256):
    with open(os.path.join(folder, f"cantrel-{size}.png"), "wb") as f:
        f.write(render(size))
