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


def write_rgb_png(name, pixels):
    """Writes rows of RGB tuples as a 24-bit truecolour PNG."""
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + b"".join(bytes(rgb) for rgb in row) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
    png += _chunk(b"IDAT", zlib.compress(raw, 9)) + _chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_xbm(name, bits, hot=None):
    """Writes rows of 0/1 as an X bitmap, the monochrome format cursors are made of."""
    height, width = len(bits), len(bits[0])
    stem = os.path.splitext(name)[0]
    lines = [f"#define {stem}_width {width}", f"#define {stem}_height {height}"]
    if hot:
        lines += [f"#define {stem}_x_hot {hot[0]}", f"#define {stem}_y_hot {hot[1]}"]
    data = []
    for row in bits:
        for x in range(0, width, 8):
            byte = 0
            for bit in range(8):
                if x + bit < width and row[x + bit]:
                    byte |= 1 << bit
            data.append(f"0x{byte:02x}")
    lines.append(f"static unsigned char {stem}_bits[] = {{")
    lines += ["   " + ", ".join(data[i:i + 12]) + ("," if i + 12 < len(data) else "") for i in range(0, len(data), 12)]
    lines.append("};")
    with open(os.path.join(HERE, name), "w") as out:
        out.write("\n".join(lines) + "\n")


def write_bmp(name, pixels):
    """Writes rows of RGB tuples as a 24-bit Windows bitmap, for the Windows resources."""
    height, width = len(pixels), len(pixels[0])
    rows = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) + b"\x00" * (-3 * width % 4)
                    for row in reversed(pixels))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(header + info + rows)


def _icon_image(pixels, transparent=None, palette_size=256):
    """One palette image of an icon file: header, palette, pixels, mask. Pixels of the colour
    `transparent` are left out by the mask (and black in the colour image, as icons keep them);
    the others are opaque. A palette of 16 colours or fewer makes a 4-bit image."""
    height, width = len(pixels), len(pixels[0])
    clear = [[rgb == transparent for rgb in row] for row in pixels]
    colours, index = [], {}
    for row, row_clear in zip(pixels, clear):
        for rgb, is_clear in zip(row, row_clear):
            rgb = BLACK if is_clear else rgb
            if rgb not in index:
                index[rgb] = len(colours)
                colours.append(rgb)
    assert len(colours) <= palette_size, len(colours)
    colours += [(0, 0, 0)] * (palette_size - len(colours))
    bits = 4 if palette_size <= 16 else 8
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)

    def packed(values, depth):
        data, per_byte = bytearray(), 8 // depth
        for x in range(0, len(values), per_byte):
            byte = 0
            for i, value in enumerate(values[x:x + per_byte]):
                byte |= value << (8 - depth * (i + 1))
            data.append(byte)
        return bytes(data) + b"\x00" * (-len(data) % 4)

    xor = b"".join(packed([index[BLACK if c else rgb] for rgb, c in zip(row, row_clear)], bits)
                   for row, row_clear in zip(reversed(pixels), reversed(clear)))
    mask = b"".join(packed([1 if c else 0 for c in row_clear], 1) for row_clear in reversed(clear))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, len(xor) + len(mask), 0, 0,
                         palette_size, 0)
    return header + palette + xor + mask


def write_multi_ico(name, images, transparent=None, palette_size=256):
    """Writes several images (rows of RGB tuples) into one Windows icon file."""
    blobs = [_icon_image(pixels, transparent, palette_size) for pixels in images]
    bits = 4 if palette_size <= 16 else 8
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for pixels, blob in zip(images, blobs):
        height, width = len(pixels), len(pixels[0])
        colours = palette_size if palette_size < 256 else 0
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(directory + b"".join(blobs))


def write_cur(name, outline, mask, hot):
    """Writes a monochrome Windows cursor: outline black, the rest of the mask white, else clear."""
    height, width = len(outline), len(outline[0])
    stride = (width + 31) // 32 * 4

    def rows(bit):
        data = b""
        for y in reversed(range(height)):
            row = bytearray(stride)
            for x in range(width):
                if bit(x, y):
                    row[x // 8] |= 0x80 >> (x % 8)
            data += bytes(row)
        return data

    # XOR bit 1 picks palette entry 1 (white); AND bit 1 leaves the screen as it is.
    xor = rows(lambda x, y: mask[y][x] and not outline[y][x])
    and_mask = rows(lambda x, y: not mask[y][x])
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 1, 0, len(xor) + len(and_mask), 0, 0, 2, 0)
    image = header + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + xor + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 2, 0, hot[0], hot[1], len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(directory + entry + image)


def write_png(name, pixels, palette_size=256, transparent=None):
    """Writes rows of RGB tuples as an 8-bit palette PNG with a palette of palette_size entries;
    the colour `transparent`, when given, is left transparent (a tRNS entry)."""
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

    chunk = _chunk
    header = struct.pack(">IIBBBBB", width, height, bit_depth, 3, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    png += chunk(b"PLTE", b"".join(bytes(c) for c in colours))
    if transparent is not None:
        # One alpha per palette entry up to the transparent one; the entries after it stay opaque.
        png += chunk(b"tRNS", bytes(255 for _ in range(index[transparent])) + b"\x00")
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


GREY = (160, 160, 164)
BLACK = (0, 0, 0)
OCEAN = (30, 90, 200)
OCEAN_DEEP = (20, 60, 150)
LAND = (40, 160, 60)
LAND_DARK = (25, 120, 45)


# Centre and radii of each land mass, in coordinates -1..1 across the disc.
LAND_BLOBS = [(-0.45, -0.35, 0.30, 0.22), (-0.30, 0.30, 0.22, 0.38), (0.35, -0.30, 0.35, 0.20),
              (0.45, 0.25, 0.20, 0.26), (0.05, 0.65, 0.25, 0.12)]


def in_land(u, v):
    """Land masses on the globe, in coordinates -1..1 across the disc: a few soft blobs."""
    return any(((u - cx) / rx) ** 2 + ((v - cy) / ry) ** 2 <= 1 for cx, cy, rx, ry in LAND_BLOBS)


def program_icon(size=48):
    centre = (size - 1) / 2
    radius = size * 0.42
    half_line = max(1, size // 64)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - centre, y - centre
            distance = math.hypot(dx, dy)
            if distance > radius:
                row.append(GREY)
                continue
            # Quartering lines through the centre of the globe: two pixels wide up to 127 pixels,
            # wider in the larger sizes so that they keep their weight.
            if abs(dx) < half_line or abs(dy) < half_line:
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


def _hex(rgb):
    return "#%02x%02x%02x" % rgb


def program_icon_svg():
    """The program icon as a scalable drawing on a 48-unit square: the same grey square, globe,
    shaded rim, land masses and quartering lines as program_icon, each pixel there a unit here."""
    radius = 48 * 0.42
    land = "".join(f'<ellipse cx="{24 + cx * radius:.3f}" cy="{24 + cy * radius:.3f}" '
                   f'rx="{rx * radius:.3f}" ry="{ry * radius:.3f}"/>'
                   for cx, cy, rx, ry in LAND_BLOBS)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
  <title>Tarvola</title>
  <defs>
    <clipPath id="globe"><circle cx="24" cy="24" r="{radius:.3f}"/></clipPath>
    <clipPath id="inner"><circle cx="24" cy="24" r="{radius * 0.8:.3f}"/></clipPath>
  </defs>
  <rect width="48" height="48" fill="{_hex(GREY)}"/>
  <circle cx="24" cy="24" r="{radius:.3f}" fill="{_hex(OCEAN_DEEP)}"/>
  <circle cx="24" cy="24" r="{radius * 0.8:.3f}" fill="{_hex(OCEAN)}"/>
  <g clip-path="url(#globe)" fill="{_hex(LAND_DARK)}">{land}</g>
  <g clip-path="url(#inner)" fill="{_hex(LAND)}">{land}</g>
  <g clip-path="url(#globe)" fill="{_hex(BLACK)}">
    <rect x="23" y="0" width="2" height="48"/>
    <rect x="0" y="23" width="48" height="2"/>
  </g>
</svg>
"""


# The sizes of the program icon a desktop's icon theme gets, besides the scalable drawing.
# The page: the About picture at twice the size, and the installed app's icons.
WEB_ICON_SIZES = (96, 192, 512)
THEME_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


# A 3 x 5 pixel font for the few capitals the artwork writes.
GLYPHS = {
    "A": ["010", "101", "111", "101", "101"], "D": ["110", "101", "101", "101", "110"],
    "E": ["111", "100", "110", "100", "111"], "L": ["100", "100", "100", "100", "111"],
    "N": ["101", "111", "111", "101", "101"], "O": ["010", "101", "101", "101", "010"],
    "P": ["110", "101", "110", "100", "100"], "S": ["011", "100", "010", "001", "110"],
    "T": ["111", "010", "010", "010", "010"], "U": ["101", "101", "101", "101", "111"],
    "V": ["101", "101", "101", "101", "010"], " ": ["000", "000", "000", "000", "000"],
}


def draw_text(pixels, text, left, top, colour, scale=1):
    for i, letter in enumerate(text):
        for row, line in enumerate(GLYPHS[letter]):
            for column, bit in enumerate(line):
                if bit == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[top + row * scale + dy][left + (i * 4 + column) * scale + dx] = colour


def text_width(text, scale=1):
    return (len(text) * 4 - 1) * scale


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def fill(pixels, left, top, width, height, colour):
    for y in range(top, top + height):
        for x in range(left, left + width):
            pixels[y][x] = colour


def donation_picture(scale=1):
    """57 x 25 times scale: two payment cards above a one-line invitation to donate."""
    white, ink = (255, 255, 255), (20, 40, 120)
    pixels = canvas(57 * scale, 25 * scale, white)

    def box(left, top, width, height, colour):
        fill(pixels, left * scale, top * scale, width * scale, height * scale, colour)

    for left, body, stripe in ((9, (30, 80, 190), (250, 200, 40)), (31, (200, 40, 40), (250, 150, 30))):
        box(left, 2, 17, 11, body)
        box(left, 5, 17, 2, (30, 30, 30))        # magnetic stripe
        box(left + 2, 9, 4, 2, stripe)           # chip
        box(left + 8, 10, 7, 1, (235, 235, 235)) # number
    text = "PLEASE DONATE"
    draw_text(pixels, text, (57 - text_width(text)) // 2 * scale, 17 * scale, ink, scale)
    return pixels


def shield(pixels, left, top, field, charge, scale=1):
    """A 20 x 27 heater shield (times scale): straight top, curved sides meeting in a point, with a cross."""
    width, height = 20 * scale, 27 * scale
    for y in range(height):
        # Full width for the upper half, then narrowing along a curve to the point.
        if y < height // 2:
            half = width / 2
        else:
            t = (y - height // 2) / (height - height // 2)
            half = width / 2 * math.sqrt(max(0.0, 1 - t * t))
        for x in range(width):
            distance = abs(x + 0.5 - width / 2)
            if distance <= half:
                edge = distance > half - 1.5 * scale or y < scale
                pixels[top + y][left + x] = (230, 200, 60) if edge else field
    fill(pixels, left + 8 * scale, top + 4 * scale, 4 * scale, 17 * scale, charge)
    fill(pixels, left + 3 * scale, top + 9 * scale, 14 * scale, 4 * scale, charge)


def site_banner(scale=1):
    """150 x 35 times scale: the site's title in green on a dark ground between two heraldic shields."""
    pixels = canvas(150 * scale, 35 * scale, (24, 28, 36))
    shield(pixels, 6 * scale, 4 * scale, (170, 30, 40), (245, 245, 245), scale)
    shield(pixels, 124 * scale, 4 * scale, (30, 60, 160), (245, 245, 245), scale)
    title = "ULVO"
    letters = 4 * scale
    draw_text(pixels, title, (150 * scale - text_width(title, letters)) // 2, (35 * scale - 5 * letters) // 2,
              (40, 200, 70), letters)
    return pixels


MAIL_BACKGROUND = (240, 240, 240)


def mail_icon(size):
    """A yellow envelope with a stamp and address lines, in at most 16 colours; MAIL_BACKGROUND
    around it is left transparent in every file, so that no grey box shows on a darker window."""
    background, yellow, shade = MAIL_BACKGROUND, (255, 220, 50), (200, 160, 20)
    ink, stamp, stamp_edge = (40, 40, 40), (220, 40, 40), (255, 255, 255)
    pixels = canvas(size, size, background)
    unit = size / 32
    top, bottom = round(7 * unit), round(25 * unit)
    left, right = round(1 * unit), round(31 * unit)
    fill(pixels, left, top, right - left, bottom - top, yellow)
    for x in range(left, right):
        pixels[top][x] = pixels[bottom - 1][x] = shade
    for y in range(top, bottom):
        pixels[y][left] = pixels[y][right - 1] = shade
    # The stamp, top right, with a white perforated edge.
    stamp_size = max(3, round(7 * unit))
    sx, sy = right - stamp_size - round(2 * unit), top + round(2 * unit)
    fill(pixels, sx, sy, stamp_size, stamp_size, stamp_edge)
    fill(pixels, sx + 1, sy + 1, stamp_size - 2, stamp_size - 2, stamp)
    # Three address lines, lower middle.
    for line in range(3):
        y = top + round((9 + 4 * line) * unit)
        if y < bottom - 1:
            fill(pixels, left + round(8 * unit), y, max(2, round((14 - 3 * line) * unit)), 1, ink)
    return pixels


def hand_cursor():
    """A 32 x 32 pointing hand, tip of the index finger at (5, 0): the outline and the fill."""
    shape = [
        "....XX..........",
        "...X..X.........",
        "...X..X.........",
        "...X..X.........",
        "...X..X.........",
        "...X..XXX.......",
        "...X..X..XXX....",
        "...X..X..X..XX..",
        "XX.X..X..X..X.X.",
        "X.XX........X..X",
        "X..X...........X",
        ".X.............X",
        ".X.............X",
        "..X............X",
        "..X...........X.",
        "...X..........X.",
        "...X.........X..",
        "....X........X..",
        "....XXXXXXXXXX..",
    ]
    outline = [[0] * 32 for _ in range(32)]
    mask = [[0] * 32 for _ in range(32)]
    for y, line in enumerate(shape):
        inside = False
        cells = [c == "X" for c in line]
        first, last = (cells.index(True), len(cells) - 1 - cells[::-1].index(True)) if any(cells) else (0, -1)
        for x, is_edge in enumerate(cells):
            # Shift right by 2 so the finger tip sits at x = 5.
            if is_edge:
                outline[y][x + 1] = 1
            if first <= x <= last:
                mask[y][x + 1] = 1
    return outline, mask


if __name__ == "__main__":
    write_png("tarvola.png", program_icon())
    # The icon theme's sizes (48 is tarvola.png itself) and the scalable drawing.
    for icon_size in THEME_ICON_SIZES:
        if icon_size != 48:
            write_png(f"tarvola_{icon_size}.png", program_icon(icon_size))
    with open(os.path.join(HERE, "tarvola.svg"), "w") as svg:
        svg.write(program_icon_svg())
    # The 48 x 48 image first, then the sizes Windows picks from for small icons, the taskbar and
    # Explorer at each resolution (96 for the About window at 192 DPI).
    write_multi_ico("tarvola.ico", [program_icon(size) for size in (48, 16, 24, 32, 96, 256)])
    write_rgb_png("donation.png", donation_picture())
    write_rgb_png("site_banner.png", site_banner())
    write_png("mail_32.png", mail_icon(32), palette_size=16, transparent=MAIL_BACKGROUND)
    write_png("mail_16.png", mail_icon(16), palette_size=16, transparent=MAIL_BACKGROUND)
    outline, mask = hand_cursor()
    write_xbm("hand_cursor.xbm", outline, hot=(5, 0))
    write_xbm("hand_cursor_mask.xbm", mask, hot=(5, 0))
    # The same pictures for the Windows front end's resources, also drawn at twice the size for
    # high resolutions; the mail icon in 16 colours with its background left transparent.
    write_bmp("donation.bmp", donation_picture())
    write_bmp("donation_2x.bmp", donation_picture(2))
    write_bmp("site_banner.bmp", site_banner())
    write_bmp("site_banner_2x.bmp", site_banner(2))
    write_multi_ico("mail.ico", [mail_icon(32), mail_icon(16), mail_icon(64)], transparent=MAIL_BACKGROUND,
                    palette_size=16)
    write_cur("hand.cur", outline, mask, hot=(5, 0))
    # The page's pictures at twice the size, for screens of twice the density, and the icon at
    # the sizes browsers install a web app with.
    write_rgb_png("donation_2x.png", donation_picture(2))
    write_rgb_png("site_banner_2x.png", site_banner(2))
    write_png("mail_64.png", mail_icon(64), palette_size=16, transparent=MAIL_BACKGROUND)
    for icon_size in WEB_ICON_SIZES:
        write_png(f"tarvola_{icon_size}.png", program_icon(icon_size))
