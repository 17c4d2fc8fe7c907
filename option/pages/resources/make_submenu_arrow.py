#!/usr/bin/env python3
# Writes submenu_arrow.ico: a 32 x 32 icon with a small right-pointing arrow.
# Menu items draw it at (right - 19, top - 9), so the arrow sits at rows
# 14..24 and columns 7..11, in the middle of a 21-pixel item near its right edge.
import struct

SIZE = 32
ARROW = (240, 240, 240)


def opaque(x, y):
    # Triangle with its tip at (11, 19) and its base from (7, 14) to (7, 24).
    if not 14 <= y <= 24 or x < 7:
        return False
    return x - 7 <= 5 - abs(y - 19)


pixels = bytearray()
mask = bytearray()
for row in range(SIZE - 1, -1, -1):  # bottom-up
    bits = 0
    for x in range(SIZE):
        if opaque(x, row):
            pixels += bytes((ARROW[2], ARROW[1], ARROW[0], 255))
        else:
            pixels += bytes(4)
            bits |= 1 << (31 - x)
    mask += struct.pack(">I", bits)
header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
image = header + pixels + mask
directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
with open(__file__.replace("make_submenu_arrow.py", "submenu_arrow.ico"), "wb") as icon:
    icon.write(directory + image)
