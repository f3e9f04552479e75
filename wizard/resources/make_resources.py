#!/usr/bin/env python3
"""Draws the wizard's icon (wizard.ico) and its background picture (background.bmp).

Run by hand when the pictures change; the results are committed beside this script. The
background's letters are drawn by ImageMagick's convert in the DejaVu fonts.
"""
import os
import struct
import subprocess

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


def write_icon(path, pixels_of=icon_pixels, sizes=(32,)):
    """Writes one 32-bit image per size; pixels_of(size) gives its BGRA rows bottom-up."""
    images = []
    for size in sizes:
        pixels = pixels_of(size)
        mask_row = ((size + 31) // 32) * 4
        mask = bytes(mask_row * size)  # the alpha channel decides; the AND mask lets all through
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                             len(pixels) + len(mask), 0, 0, 0, 0)
        images.append(header + pixels + mask)
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(directory + b"".join(images))


# The window's client area at 96 dots per inch (5985 by 4065 twips); the window stretches the
# picture at other resolutions, and the buttons' twips positions scale with it.
WIDTH, HEIGHT = 399, 271
FONTS = "/usr/share/fonts/truetype/dejavu/"
PALE, BAND, ACCENT = (236, 242, 250), (28, 64, 128), (120, 160, 215)
WHITE, INK = (255, 255, 255), (30, 40, 60)
LEVELS = 4  # blends between a text colour and its ground, for smooth letters in 16 colours

# One short line under each step button, saying what the step does: (left, top) in pixels of
# the button's bottom-left corner, from its twips (15 twips to a pixel), and the room to its right.
STEP_LINES = [
    ((48, 73), 184, "Export accounts; KORU notes"),
    ((48, 121), 184, "Start the account generator"),
    ((48, 169), 184, "Save the rows in Excel as .xls"),
    ((240, 73), 156, "Create the OUs and users"),
    ((240, 121), 156, "Make the home folders"),
    ((240, 169), 156, "Set the home-folder rights"),
]


def text_coverage(text, font, points, left, baseline, room):
    """How much of each pixel the text covers (0 to 255), drawn by ImageMagick."""
    command = ["convert", "-size", f"{WIDTH}x{HEIGHT}", "xc:black", "-font", FONTS + font,
               "-pointsize", str(points), "-fill", "white", "-annotate",
               f"+{left}+{baseline}", text]
    width = int(subprocess.run(command + ["-trim", "-format", "%w", "info:"], check=True,
                               capture_output=True, text=True).stdout)
    if width > room:
        raise SystemExit(f"'{text}' is {width} pixels wide; it has room for {room}")
    return subprocess.run(command + ["-depth", "8", "gray:-"], check=True,
                          capture_output=True).stdout


def write_background(path):
    """The title on a blue band, and under each step button a line saying what it does.

    Written as a 16-colour picture: flat grounds and blended letters keep the program small.
    """
    palette = [PALE, BAND, ACCENT]
    blends = {}
    for ground, ink in ((BAND, WHITE), (PALE, INK)):
        for level in range(1, LEVELS + 1):
            t = level / LEVELS
            blends[(ground, level)] = len(palette)
            palette.append(tuple(round(g + (i - g) * t) for g, i in zip(ground, ink)))
    pixels = bytearray(WIDTH * HEIGHT)  # palette indices, top row first
    for y in range(HEIGHT):
        ground = 1 if y < 40 else (2 if y < 42 else 0)
        pixels[y * WIDTH:(y + 1) * WIDTH] = bytes([ground]) * WIDTH
    texts = [("Trellis Student Accounts Setup Wizard", "DejaVuSans-Bold.ttf", 15, 12, 19, 375),
             ("Six steps, in order, from the disk in drive A:", "DejaVuSans.ttf", 11, 12, 34, 375)]
    texts += [(text, "DejaVuSans.ttf", 11, x, y + 13, room) for (x, y), room, text in STEP_LINES]
    for text, font, points, left, baseline, room in texts:
        coverage = text_coverage(text, font, points, left, baseline, room)
        for i, c in enumerate(coverage):
            level = (c * LEVELS + 127) // 255
            if level > 0:
                ground = palette[pixels[i]] if pixels[i] < 3 else None
                if ground is not None:
                    pixels[i] = blends[(ground if ground != ACCENT else BAND, level)]
    palette += [(0, 0, 0)] * (16 - len(palette))
    stride = ((WIDTH * 4 + 31) // 32) * 4
    data = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up
        row = pixels[y * WIDTH:(y + 1) * WIDTH] + b"\0"
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, WIDTH, 2))
        data += packed + bytes(stride - len(packed))
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(data), 3780, 3780, 16, 16)
    offset = 14 + len(info) + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(file_header + info + colours + data)


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "wizard.ico"))
    write_background(os.path.join(HERE, "background.bmp"))
