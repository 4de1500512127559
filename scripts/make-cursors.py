#!/usr/bin/env python3
"""Draws Lumora's icon (res/lumora.ico) and its two cursors (res/hand.cur, res/arrow.cur).

The pictures are pixel art kept here as text: 'X' black, '.' white, ' ' transparent (cursors);
the icon is drawn from circles. Run it again after changing a picture; the outputs are committed.
"""
import struct
import sys
from pathlib import Path

HAND_32 = """
    XX
   X..X
   X..X
   X..X
   X..X
   X..XXX
   X..X..XXX
   X..X..X..XX
XX X..X..X..X.X
X.XX........X.X
X..X..........X
 X.X..........X
 X............X
  X...........X
  X...........X
   X.........X
   X.........X
    X.......X
    X.......X
    XXXXXXXXX
"""

HAND_16 = """
   XX
  X..X
  X..X
  X..XXX
  X..X..XX
XXX.......X
X.X.......X
 X........X
  X......X
  X......X
   XXXXXX
"""

ARROW_32 = """

 X
 XX
 X.X
 X..X
 X...X
 X....X
 X.....X
 X......X
 X.......X
 X........X
 X.....XXXXX
 X..X..X
 X.X X..X
 XX  X..X
 X    X..X
      X..X
       XX
"""


def rows_of(art, size):
    lines = art.strip("\n").split("\n")
    lines += [""] * (size - len(lines))
    return [line.ljust(size)[:size] for line in lines[:size]]


def mono_image(art, size):
    """A 1-bit cursor image: BITMAPINFOHEADER, two colours, XOR mask, AND mask (bottom-up)."""
    rows = rows_of(art, size)
    stride = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for line in reversed(rows):
        xor_bits = bytearray(stride)
        and_bits = bytearray(stride)
        for x, ch in enumerate(line):
            if ch == ".":
                xor_bits[x // 8] |= 0x80 >> (x % 8)
            if ch == " ":
                and_bits[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(xor_bits))
        and_rows.append(bytes(and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    colours = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return header + colours + b"".join(xor_rows) + b"".join(and_rows)


def icon_file(kind, images):
    """An .ico (kind 1) or .cur (kind 2) file. images: (size, colours, x, y, data); for cursors
    x and y are the hot spot, for icons the planes and bit count."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, x, y, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, x, y, len(data), offset)
        offset += len(data)
    return out + b"".join(image[4] for image in images)


VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def lens_icon(size=32):
    """A 4-bit icon: a blue lens with a yellow spark of light, on a transparent ground."""
    c = (size - 1) / 2
    pixels, mask = [], []
    for y in range(size):
        row, mrow = [], []
        for x in range(size):
            d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            spark = abs(x - 11) + abs(y - 10) <= 5 and (x == 11 or y == 10 or
                                                       abs(x - 11) + abs(y - 10) <= 2)
            if d > 15.5:
                row.append(0)
                mrow.append(1)
            elif d > 14.2:
                row.append(0)
                mrow.append(0)
            elif spark:
                row.append(15 if abs(x - 11) + abs(y - 10) <= 1 else 11)
                mrow.append(0)
            else:
                row.append(12 if d < 9 else (4 if d < 12.5 else 6))
                mrow.append(0)
        pixels.append(row)
        mask.append(mrow)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    colours = b"".join(bytes([b, g, r, 0]) for r, g, b in VGA)
    xor = b""
    for row in reversed(pixels):
        xor += bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2))
    and_bits = b""
    stride = ((size + 31) // 32) * 4
    for mrow in reversed(mask):
        bits = bytearray(stride)
        for x, m in enumerate(mrow):
            if m:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_bits += bytes(bits)
    return header + colours + xor + and_bits


def main():
    res = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "res")
    (res / "hand.cur").write_bytes(icon_file(2, [(32, 2, 5, 0, mono_image(HAND_32, 32)),
                                                 (16, 2, 4, 0, mono_image(HAND_16, 16))]))
    (res / "arrow.cur").write_bytes(icon_file(2, [(32, 2, 1, 1, mono_image(ARROW_32, 32))]))
    (res / "lumora.ico").write_bytes(icon_file(1, [(32, 16, 1, 4, lens_icon())]))


if __name__ == "__main__":
    main()
