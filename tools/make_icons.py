#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files into res/icons.

The pictures are simple shapes drawn pixel by pixel so that the icons can be made
again on any machine with Python alone. Run: python3 tools/make_icons.py
"""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "icons")

# A small fixed palette; index 0 is the transparent background.
PALETTE = [
    (0, 0, 0),        # 0 transparent (masked)
    (0, 0, 0),        # 1 black
    (255, 255, 255),  # 2 white
    (40, 90, 200),    # 3 blue
    (250, 200, 40),   # 4 yellow
    (230, 80, 60),    # 5 red
    (60, 160, 80),    # 6 green
    (128, 128, 128),  # 7 grey
    (200, 200, 200),  # 8 light grey
    (255, 160, 200),  # 9 pink
    (120, 70, 170),   # 10 purple
    (250, 140, 40),   # 11 orange
    (20, 40, 110),    # 12 dark blue
    (190, 230, 250),  # 13 pale blue
    (110, 70, 30),    # 14 brown
    (255, 240, 180),  # 15 cream
]


def canvas(w, h):
    return [[0] * w for _ in range(h)]


def rect(px, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if 0 <= y < len(px) and 0 <= x < len(px[0]):
                px[y][x] = c


def frame(px, x0, y0, x1, y1, c):
    rect(px, x0, y0, x1, y0, c)
    rect(px, x0, y1, x1, y1, c)
    rect(px, x0, y0, x0, y1, c)
    rect(px, x1, y0, x1, y1, c)


def triangle_right(px, x0, y0, size, c):
    for i in range(size):
        half = min(i, size - 1 - i)
        rect(px, x0 + 0, y0 + i, x0 + half, y0 + i, c)


def disc(px, cx, cy, r, c):
    for y in range(len(px)):
        for x in range(len(px[0])):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                px[y][x] = c


def app_icon(size):
    px = canvas(size, size)
    s = size / 32.0
    rect(px, int(1 * s), int(1 * s), size - 1 - int(1 * s), size - 1 - int(1 * s), 3)
    frame(px, int(1 * s), int(1 * s), size - 1 - int(1 * s), size - 1 - int(1 * s), 12)
    # a brush stroke and a play mark
    rect(px, int(5 * s), int(22 * s), int(26 * s), int(25 * s), 4)
    triangle_right(px, int(11 * s), int(5 * s), int(15 * s), 2)
    return px


# The button icons are drawn on a 16 x 14 grid and scaled to each size they carry; at
# 16 x 14 every pixel lands where it always has.
def scaled(w, h):
    sx, sy = w / 16.0, h / 14.0

    def edge(v, s, last):  # a cell's first (or last) pixel on the scaled grid
        return int(round((v + (1 if last else 0)) * s)) - (1 if last else 0)

    def box(px, x0, y0, x1, y1, c, outline=False):
        a, b, cc, d = edge(x0, sx, False), edge(y0, sy, False), edge(x1, sx, True), edge(y1, sy, True)
        (frame if outline else rect)(px, a, b, cc, d, c)

    return sx, sy, box


def open_icon(w=16, h=14):
    px = canvas(w, h)
    _, _, box = scaled(w, h)
    box(px, 1, 3, 6, 4, 14)
    box(px, 1, 4, 13, 12, 4)
    box(px, 1, 4, 13, 12, 14, True)
    box(px, 3, 7, 15, 12, 11)
    box(px, 3, 7, 15, 12, 14, True)
    return px


def settings_icon(w=16, h=14):
    px = canvas(w, h)
    sx, sy, box = scaled(w, h)
    s = min(sx, sy)
    cx, cy = (7.5 + 0.5) * sx - 0.5, (6.5 + 0.5) * sy - 0.5
    disc(px, cx, cy, 6 * s, 7)
    for (x, y) in [(7, 0), (7, 12), (1, 6), (13, 6)]:
        box(px, x, y, x + 1, y + 1, 7)
    disc(px, cx, cy, 2 * s, 0)
    return px


def file_icon(accent, mark):
    px = canvas(32, 32)
    rect(px, 6, 2, 25, 29, 2)
    frame(px, 6, 2, 25, 29, 1)
    rect(px, 6, 20, 25, 27, accent)
    frame(px, 6, 2, 25, 29, 1)
    triangle_right(px, 11, 6, 11, mark)
    return px


def ico_image(px, bpp):
    h = len(px)
    w = len(px[0])
    colours = 16 if bpp == 4 else 256
    pal = PALETTE + [(0, 0, 0)] * (colours - len(PALETTE))
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bpp, 0, 0, 0, 0, colours, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    row_bytes = ((w * bpp + 31) // 32) * 4
    xor = b""
    for y in reversed(range(h)):
        row = bytearray(row_bytes)
        for x in range(w):
            v = px[y][x]
            if bpp == 8:
                row[x] = v
            else:
                row[x // 2] |= (v << 4) if x % 2 == 0 else v
        xor += bytes(row)
    mask_row = ((w + 31) // 32) * 4
    mask = b""
    for y in reversed(range(h)):
        row = bytearray(mask_row)
        for x in range(w):
            if px[y][x] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(row)
    return header + palette + xor + mask, w, h, colours


def write_ico(name, images):
    blobs = [ico_image(px, bpp) for (px, bpp) in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for data, w, h, colours in blobs:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, colours % 256, 0, 1,
                           4 if colours == 16 else 8, len(data), offset)
        offset += len(data)
    for data, *_ in blobs:
        out += data
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(out)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_ico("lumaplay.ico", [(app_icon(32), 8), (app_icon(16), 8)])
    # 96 DPI first, then the images for 120, 144 and 192 DPI buttons.
    sizes = [(16, 14), (20, 18), (24, 21), (32, 28)]
    write_ico("open.ico", [(open_icon(w, h), 4) for (w, h) in sizes])
    write_ico("settings.ico", [(settings_icon(w, h), 4) for (w, h) in sizes])
    accents = {135: 6, 136: 10, 137: 9, 138: 13, 139: 3, 140: 7, 141: 5}
    for ident, accent in accents.items():
        write_ico("filetype%d.ico" % ident, [(file_icon(accent, 4 if ident in (139, 141) else 8), 8)])


if __name__ == "__main__":
    main()
