#!/usr/bin/env python3
"""Draws the two pictures of the preferences sheet: res/support.bmp (bitmap 108, the customer
service contacts) and res/about.bmp (bitmap 109, the product with its maker's logo).

    python3 scripts/make-prefs-pictures.py [--preview DIR]

Both are 358 x 210, 4 bits per pixel, uncompressed, with the standard 16-colour VGA palette, on
light grey. ImageMagick's `convert` draws them without antialiasing (so every pixel is one of the
sixteen colours) with the DejaVu fonts; this script maps the pixels to palette indexes and writes
the BMP files itself. Run it again after changing a picture; the outputs are committed.
"""
import os
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

RES = Path(__file__).resolve().parent.parent / "res"
W, H = 358, 210
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SERIF = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"

# The sixteen colours of a 4-bit Windows bitmap, in their usual order.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
NAMES = ["black", "maroon", "green", "olive", "navy", "purple", "teal", "silver", "gray", "red",
         "lime", "yellow", "blue", "fuchsia", "aqua", "white"]


def rgb(name):
    r, g, b = VGA[NAMES.index(name)]
    return f"rgb({r},{g},{b})"


def text(x, y, words, colour="black", font=FONT, size=11):
    # The text is quoted for -draw; none of it holds a quote.
    return ["-font", font, "-pointsize", str(size), "-fill", rgb(colour), "-stroke", "none",
            "-draw", f"text {x},{y} '{words}'"]


def shape(mvg, fill="none", stroke="none", width=1):
    return ["-fill", rgb(fill) if fill != "none" else "none",
            "-stroke", rgb(stroke) if stroke != "none" else "none", "-strokewidth", str(width),
            "-draw", mvg]


def bevel(x0, y0, x1, y1):
    """A sunken frame as the controls of the time have: dark top and left, white bottom and right."""
    return (shape(f"line {x0},{y0} {x1},{y0}", stroke="gray") +
            shape(f"line {x0},{y0} {x0},{y1}", stroke="gray") +
            shape(f"line {x0},{y1} {x1},{y1}", stroke="white") +
            shape(f"line {x1},{y0} {x1},{y1}", stroke="white"))


def support_picture():
    ops = text(14, 26, "Customer Service", "navy", BOLD, 15)
    ops += shape("line 14,34 344,34", stroke="navy")
    ops += bevel(14, 44, 344, 152)
    ops += shape("rectangle 15,45 343,151", fill="white")
    ops += shape("rectangle 15,45 110,151", fill="silver")
    rows = [("Product", "Lumora Disc Launcher 2.1"),
            ("Publisher", "Tavlen Softworks Ltd."),
            ("Telephone", "(555) 014-2287"),
            ("Web", "www.tavlen-softworks.example/help")]
    for i, (label, value) in enumerate(rows):
        top = 45 + i * 27
        if i:
            ops += shape(f"line 15,{top} 343,{top}", stroke="gray")
        ops += text(22, top + 18, label, "black", BOLD, 10)
        ops += text(120, top + 18, value, "black", FONT, 10)
    ops += shape("line 110,45 110,151", stroke="gray")
    ops += text(14, 176, "General support line: (555) 010-4400", "maroon", BOLD, 11)
    ops += text(14, 194, "Monday to Friday, 8 am to 6 pm. Please have your disc at hand.",
                "black", FONT, 9)
    return ops


def about_picture():
    # The product: a disc case with the disc half out of it.
    ops = shape("rectangle 22,34 132,170", fill="navy", stroke="black")
    ops += shape("rectangle 26,38 128,166", fill="blue")
    ops += shape("circle 132,102 132,52", fill="silver", stroke="black")
    ops += shape("circle 132,102 132,66", fill="white", stroke="gray")
    ops += shape("circle 132,102 132,90", fill="silver", stroke="gray")
    ops += shape("circle 132,102 132,96", fill="silver", stroke="black")
    ops += shape("rectangle 22,34 100,170", fill="navy", stroke="black")
    ops += shape("rectangle 26,38 96,166", fill="blue")
    ops += shape("polygon 61,58 79,92 61,126 43,92", fill="yellow", stroke="olive")
    ops += text(33, 150, "LUMORA", "white", BOLD, 11)
    # The name and the maker's logo: a teal square with a white wave.
    ops += text(196, 48, "Lumora", "navy", SERIF, 26)
    ops += text(198, 66, "Disc Launcher 2.1", "black", FONT, 11)
    ops += shape("rectangle 198,86 226,114", fill="teal", stroke="black")
    ops += shape("polyline 202,104 208,96 214,104 220,96 224,101", stroke="white", width=2)
    ops += text(234, 99, "Tavlen", "teal", BOLD, 12)
    ops += text(234, 113, "Softworks", "black", FONT, 10)
    ops += shape("line 198,126 344,126", stroke="gray")
    for i, line in enumerate(["12 Harbour Row, Port Ellis",
                              "Telephone (555) 014-2287",
                              "www.tavlen-softworks.example"]):
        ops += text(198, 144 + i * 15, line, "black", FONT, 9)
    ops += text(22, 196, "Copyright 2026 Tavlen Softworks Ltd. All rights reserved.", "gray", FONT,
                9)
    return ops


def draw(ops):
    """Runs ImageMagick and returns the picture's rows, top-down, as palette indexes."""
    with tempfile.TemporaryDirectory(prefix="lumora-prefs-") as scratch:
        out = os.path.join(scratch, "picture.rgb")
        subprocess.run(["convert", "-size", f"{W}x{H}", f"xc:{rgb('silver')}", "+antialias",
                        *ops, "-depth", "8", f"rgb:{out}"], check=True)
        data = Path(out).read_bytes()
    if len(data) != W * H * 3:
        sys.exit(f"convert gave {len(data)} bytes, not {W * H * 3}")
    index = {colour: i for i, colour in enumerate(VGA)}
    rows = []
    for y in range(H):
        row = []
        for x in range(W):
            at = (y * W + x) * 3
            colour = tuple(data[at:at + 3])
            if colour not in index:
                sys.exit(f"pixel {x},{y} is {colour}, not one of the sixteen colours")
            row.append(index[colour])
        rows.append(row)
    return rows


def write_bmp(path, rows):
    stride = ((W * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        packed = bytearray((row[x] << 4) | (row[x + 1] if x + 1 < W else 0)
                           for x in range(0, W, 2))
        pixels += packed + bytes(stride - len(packed))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, len(pixels), 2835, 2835, 16, 16)
    Path(path).write_bytes(header + info + palette + pixels)


def main():
    preview = sys.argv[2] if len(sys.argv) == 3 and sys.argv[1] == "--preview" else None
    for name, ops in (("support.bmp", support_picture()), ("about.bmp", about_picture())):
        path = RES / name
        write_bmp(path, draw(ops))
        print(f"wrote {path}")
        if preview:
            os.makedirs(preview, exist_ok=True)
            subprocess.run(["convert", str(path), os.path.join(preview, name[:-4] + ".png")],
                           check=True)


if __name__ == "__main__":
    main()
