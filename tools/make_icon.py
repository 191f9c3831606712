#!/usr/bin/env python3
"""Draws the program's icon (a printer with a status light) as a 32x32, 8 bits per pixel .ico.

Run once and commit the result: python3 tools/make_icon.py res/settingtool.ico
"""
import struct
import sys

SIZE = 32
PALETTE = [
    (0, 0, 0),        # 0 outline
    (255, 255, 255),  # 1 paper
    (160, 160, 168),  # 2 body
    (96, 96, 104),    # 3 body shadow
    (0, 176, 64),     # 4 status light
    (40, 80, 200),    # 5 printed lines
    (208, 208, 216),  # 6 body highlight
]
TRANSPARENT = None


def picture():
    px = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def box(x0, y0, x1, y1, fill, outline=0):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                px[y][x] = outline if edge and outline is not None else fill

    box(9, 2, 22, 12, 1)                 # sheet waiting at the top
    box(3, 11, 28, 23, 2)                # body
    for x in range(4, 28):
        px[12][x] = 6                    # highlight along the top
    for y in range(19, 23):
        for x in range(4, 28):
            px[y][x] = 3                 # shadowed lower part
    box(23, 14, 25, 16, 4)               # status light
    box(8, 20, 23, 30, 1)                # printed sheet coming out
    for y in (23, 25, 27):
        for x in range(10, 22 - (y == 27) * 5):
            px[y][x] = 5
    return px


def ico(px):
    colours = [0] * 256 * 4
    for i, (r, g, b) in enumerate(PALETTE):
        colours[i * 4:i * 4 + 4] = [b, g, r, 0]
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):      # bitmaps are stored bottom-up
        row_mask = 0
        for x in range(SIZE):
            value = px[y][x]
            xor.append(0 if value is None else value)
            row_mask = row_mask << 1 | (1 if value is None else 0)
        mask += struct.pack(">I", row_mask)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    image = header + bytes(colours) + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(ico(picture()))
