#!/usr/bin/env python3
"""Draws Tarvola's own artwork as palette PNG files, reproducibly, with the standard library only.

Run from anywhere: python3 assets/draw_artwork.py. The images are committed; the build only
compiles them in.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write_png(name, pixels, palette_size=256):
    """Writes rows of RGB tuples as an 8-bit palette PNG with a palette of palette_size entries."""
    colours = []
    index = {}
    for row in pixels:
        for rgb in row:
            if rgb not in index:
                index[rgb] = len(colours)
                colours.append(rgb)
    assert len(colours) <= palette_size, (name, len(colours))
    colours += [(0, 0, 0)] * (palette_size - len(colours))
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(index[rgb] for rgb in row) for row in pixels)
    bit_depth = 8 if palette_size > 16 else 4
    if bit_depth == 4:
        raw = b""
        for row in pixels:
            packed = bytearray()
            for x in range(0, width, 2):
                high = index[row[x]]
                low = index[row[x + 1]] if x + 1 < width else 0
                packed.append(high << 4 | low)
            raw += b"\x00" + bytes(packed)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, bit_depth, 3, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    png += chunk(b"PLTE", b"".join(bytes(c) for c in colours))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


GREY = (160, 160, 164)
BLACK = (0, 0, 0)
OCEAN = (30, 90, 200)
OCEAN_DEEP = (20, 60, 150)
LAND = (40, 160, 60)
LAND_DARK = (25, 120, 45)


def in_land(u, v):
    """Land masses on the globe, in coordinates -1..1 across the disc: a few soft blobs."""
    blobs = [(-0.45, -0.35, 0.30, 0.22), (-0.30, 0.30, 0.22, 0.38), (0.35, -0.30, 0.35, 0.20),
             (0.45, 0.25, 0.20, 0.26), (0.05, 0.65, 0.25, 0.12)]
    return any(((u - cx) / rx) ** 2 + ((v - cy) / ry) ** 2 <= 1 for cx, cy, rx, ry in blobs)


def program_icon(size=48):
    centre = (size - 1) / 2
    radius = size * 0.42
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - centre, y - centre
            distance = math.hypot(dx, dy)
            if distance > radius:
                row.append(GREY)
                continue
            # Quartering lines, two pixels wide, through the centre of the globe.
            if abs(dx) < 1 or abs(dy) < 1:
                row.append(BLACK)
                continue
            u, v = dx / radius, dy / radius
            shade = distance > radius * 0.8
            if in_land(u, v):
                row.append(LAND_DARK if shade else LAND)
            else:
                row.append(OCEAN_DEEP if shade else OCEAN)
        rows.append(row)
    return rows


if __name__ == "__main__":
    write_png("tarvola.png", program_icon())
