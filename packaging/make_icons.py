#!/usr/bin/env python3
"""Draws the icons of the account generator (acctgen.ico) and the rights tool (grantor.ico).

Run by hand when the pictures change; the results are committed beside this script. The wizard
draws its own icon (wizard/resources/make_resources.py), whose icon writer this script uses.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "wizard", "resources"))
from make_resources import write_icon  # noqa: E402

CLEAR = (0, 0, 0, 0)


def bgra(r, g, b):
    return (b, g, r, 255)


def rows_of(size, colour_at):
    """BGRA rows bottom-up; colour_at(u, v) takes the pixel's centre, v counted from the top."""
    rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            row += bytes(colour_at((x + 0.5) / size, (y + 0.5) / size))
        rows.append(bytes(row))
    return b"".join(rows)


def generator_pixels(size):
    """A list of accounts: a white sheet with blue rows, and a green plus at its corner."""
    def colour_at(u, v):
        if 0.52 <= u <= 0.98 and 0.52 <= v <= 0.98:
            if abs(u - 0.75) < 0.07 or abs(v - 0.75) < 0.07:
                if 0.58 <= u <= 0.92 and 0.58 <= v <= 0.92:
                    return bgra(40, 160, 60)  # the plus
            if (u - 0.75) ** 2 + (v - 0.75) ** 2 <= 0.22 ** 2:
                return bgra(255, 255, 255)  # a white ring keeps the plus apart from the sheet
        if 0.10 <= u <= 0.78 and 0.04 <= v <= 0.90:
            if u < 0.14 or u > 0.74 or v < 0.08 or v > 0.86:
                return bgra(60, 80, 120)  # the sheet's edge
            for top in (0.18, 0.36, 0.54, 0.72):
                if top <= v <= top + 0.08:
                    if 0.22 <= u <= 0.32:
                        return bgra(30, 70, 160)  # a person's head
                    if 0.38 <= u <= 0.66:
                        return bgra(120, 150, 200)  # the account's line
            return bgra(250, 250, 250)
        return CLEAR

    return rows_of(size, colour_at)


def rights_pixels(size):
    """A yellow folder with a key in front of it: the rights on each student's folder."""
    def colour_at(u, v):
        # The key: a ring at the left and a shaft with two teeth to the right.
        d = ((u - 0.30) ** 2 + (v - 0.66) ** 2) ** 0.5
        if 0.07 <= d <= 0.17:
            return bgra(150, 110, 20)
        if 0.44 <= u <= 0.96 and 0.62 <= v <= 0.70:
            return bgra(150, 110, 20)
        if (0.78 <= u <= 0.84 or 0.88 <= u <= 0.94) and 0.70 <= v <= 0.82:
            return bgra(150, 110, 20)
        if 0.04 <= u <= 0.42 and 0.12 <= v <= 0.24:
            return bgra(220, 170, 40)  # the folder's tab
        if 0.04 <= u <= 0.96 and 0.20 <= v <= 0.88:
            if u < 0.07 or u > 0.93 or v < 0.23 or v > 0.85:
                return bgra(190, 140, 30)
            return bgra(250, 210, 90)  # the folder
        return CLEAR

    return rows_of(size, colour_at)


if __name__ == "__main__":
    write_icon(os.path.join(HERE, "acctgen.ico"), generator_pixels, (16, 32))
    write_icon(os.path.join(HERE, "grantor.ico"), rights_pixels, (16, 32))
