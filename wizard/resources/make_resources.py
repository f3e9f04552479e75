#!/usr/bin/env python3
"""Draws the wizard's icon (wizard.ico) and its background picture (background.bmp).

Run by hand when the pictures change; the results are committed beside this script.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def icon_pixels(size):
    """A blue disk floppy with a white label and a green tick, as BGRA rows bottom-up."""
    rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            u, v = x / size, y / size
            if 0.06 <= u <= 0.94 and 0.06 <= v <= 0.94:
                b, g, r = 160, 70, 30  # the disk's body
                if 0.22 <= u <= 0.78 and 0.06 <= v <= 0.36:
                    b, g, r = 200, 200, 200  # the shutter
                    if 0.56 <= u <= 0.68 and 0.12 <= v <= 0.30:
                        b, g, r = 160, 70, 30
                if 0.16 <= u <= 0.84 and 0.50 <= v <= 0.90:
                    b, g, r = 250, 250, 250  # the label
                    # A tick across the label.
                    d1 = abs((v - 0.78) - (u - 0.38) * -0.9)
                    d2 = abs((v - 0.80) - (u - 0.42) * 1.3)
                    if (0.28 <= u <= 0.44 and d1 < 0.05) or (0.40 <= u <= 0.72 and d2 < 0.05):
                        b, g, r = 40, 170, 40
                row += bytes((b, g, r, 255))
            else:
                row += bytes((0, 0, 0, 0))
        rows.append(bytes(row))
    return b"".join(rows)


def write_icon(path, size=32):
    pixels = icon_pixels(size)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # the alpha channel decides; the AND mask lets all through
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def write_background(path, width=80, height=54):
    """A soft blue to white wash with faint diagonal bands; the window stretches it."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            t = y / (height - 1)
            band = 10 if ((x + y) // 6) % 2 == 0 else 0
            r = int(205 + 45 * t) - band
            g = int(220 + 32 * t) - band
            b = 250 - band // 2
            row += bytes((min(b, 255), min(g, 255), min(r, 255)))
        row += bytes(stride - len(row))
        data += row
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(file_header + info + data)


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "wizard.ico"))
    write_background(os.path.join(HERE, "background.bmp"))
