#!/usr/bin/env python3
"""Writes the pictures, sounds and programs of the kit's test discs: the planted-mistakes disc
(planted/) and the misspelled-keys disc (misspelled/). Their Lumora.ini files are written by hand;
run this only to remake the other files."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
PALETTE_A = [(i * 16, 255 - i * 16, (i * 40) % 256) for i in range(16)]
PALETTE_B = list(PALETTE_A)
PALETTE_B[3] = (1, 2, 3)


def bmp(path, width, height, bits, palette=(), compression=0, pixel=lambda x, y: 1):
    stride = (bits * width + 31) // 32 * 4
    rows = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            value = pixel(x, y)
            row += bytes([value]) if bits == 8 else bytes([value, value, value])
        rows += row + bytes(stride - len(row))
    table = b"".join(bytes([b, g, r, 0]) for r, g, b in palette)
    off = 14 + 40 + len(table)
    header = b"BM" + struct.pack("<IHHI", off + len(rows), 0, 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(rows),
                       2835, 2835, len(palette), 0)
    write(path, header + info + table + rows)


def wav(path, tag):
    samples = bytes(800)
    fmt = struct.pack("<HHIIHH", tag, 1, 8000, 8000, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(samples)) + samples
    write(path, b"RIFF" + struct.pack("<I", len(body)) + body)


def write(path, data):
    full = os.path.join(HERE, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as f:
        f.write(data)


def screen(path):
    bmp(path, 64, 48, 8, PALETTE_A, pixel=lambda x, y: (x // 8 + y // 8) % 16)


screen("planted/art/screen.bmp")
bmp("planted/art/hl.bmp", 16, 8, 8, PALETTE_A, pixel=lambda x, y: 5)
bmp("planted/art/hl_other.bmp", 16, 8, 8, PALETTE_B)
bmp("planted/art/true.bmp", 16, 8, 24)
bmp("planted/art/rle.bmp", 16, 8, 8, PALETTE_A, compression=1)
bmp("planted/art/splash_other.bmp", 16, 8, 8, PALETTE_B)
wav("planted/sounds/ok.wav", 1)
wav("planted/sounds/adpcm.wav", 2)
write("planted/bin/app.exe", b"MZ")

screen("misspelled/art/home.bmp")
bmp("misspelled/art/start_h.bmp", 16, 8, 8, PALETTE_A, pixel=lambda x, y: 5)
bmp("misspelled/art/tools_h.bmp", 16, 8, 8, PALETTE_B)
wav("misspelled/sounds/click.wav", 1)
wav("misspelled/sounds/start.wav", 1)
write("misspelled/bin/welcome.exe", b"MZ")
write("misspelled/bin/site.exe", b"MZ")
