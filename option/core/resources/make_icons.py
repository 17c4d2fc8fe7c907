#!/usr/bin/env python3
"""Draws the program icon (Option.ico, resource 128) in the skins' colours: a
mouse seen from above. Run once after changing; the .ico file is committed."""
import math
import struct

BACKGROUND = (30, 30, 30)
BODY = (64, 64, 64)
RIM = (110, 110, 110)
ACCENT = (230, 30, 30)


def mouse_pixel(x, y, size):
    u = (x + 0.5) / size * 2 - 1
    v = (y + 0.5) / size * 2 - 1
    # An egg: narrower at the top, the buttons' seam and the wheel in red.
    rx = 0.62 - 0.10 * v
    inside = (u / rx) ** 2 + (v / 0.92) ** 2
    if inside > 1.0:
        return None
    if inside > 0.80:
        return RIM
    if abs(u) < 0.07 and -0.62 < v < -0.18:
        return ACCENT
    if abs(u) < 0.03 and v < -0.05:
        return BACKGROUND
    if v > -0.05 and v < 0.0:
        return BACKGROUND
    return BODY


def icon_image(size, painter, background):
    rows = []
    mask_rows = []
    for y in reversed(range(size)):
        row = b""
        mask_bits = []
        for x in range(size):
            colour = painter(x, y, size)
            if colour is None and background:
                colour = BACKGROUND
            if colour is None:
                row += b"\x00\x00\x00\x00"
                mask_bits.append(1)
            else:
                row += bytes((colour[2], colour[1], colour[0], 255))
                mask_bits.append(0)
        rows.append(row)
        mask = b""
        for start in range(0, size, 8):
            byte = 0
            for bit in mask_bits[start:start + 8]:
                byte = (byte << 1) | bit
            mask += bytes((byte,))
        mask += b"\x00" * ((4 - len(mask) % 4) % 4)
        mask_rows.append(mask)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def write_icon(path, painter, background):
    sizes = [32, 16]
    images = [icon_image(s, painter, background) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as file:
        file.write(data + b"".join(images))


write_icon("Option.ico", mouse_pixel, False)
