#!/usr/bin/env python3
"""Draws the program's icon, a compact disc, and writes it as menu.ico: one 32 x 32 image with
16 colours (4 bits per pixel) and a transparency mask. Run it again after changing the drawing."""
import math
import struct
import sys

SIZE = 32
# The standard 16-colour palette (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # as (r, g, b)
BLACK, DARK_GREY, SILVER, WHITE, CYAN, BLUE, YELLOW = 0, 8, 7, 15, 14, 12, 11


def pixel(x, y):
    """Colour index of the pixel, or None where the icon is transparent."""
    cx = cy = (SIZE - 1) / 2
    d = math.hypot(x - cx, y - cy)
    if d > 15.5:
        return None
    if d > 14.5:
        return DARK_GREY  # outer rim
    if d < 2.5:
        return None  # the centre hole
    if d < 3.5:
        return DARK_GREY
    if d < 6.5:
        return WHITE  # clamping ring
    angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
    # Rainbow glints across the recorded surface.
    if 20 <= angle < 45 or 200 <= angle < 225:
        return CYAN
    if 45 <= angle < 60 or 225 <= angle < 240:
        return YELLOW
    if d > 12.5 and (60 <= angle < 80):
        return BLUE
    return SILVER


def build():
    colour_rows, mask_rows = [], []
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        nibbles, mask_bits = [], []
        for x in range(SIZE):
            c = pixel(x, y)
            nibbles.append(0 if c is None else c)
            mask_bits.append(1 if c is None else 0)
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        mask = bytearray(4)
        for i, bit in enumerate(mask_bits):
            if bit:
                mask[i // 8] |= 0x80 >> (i % 8)
        mask_rows.append(bytes(mask))
    colours = b"".join(colour_rows)
    masks = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(colours) + len(masks), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image = header + palette + colours + masks
    icon_header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return icon_header + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "menu.ico"
    with open(out, "wb") as f:
        f.write(build())
