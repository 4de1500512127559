#!/usr/bin/env python3
"""Writes the seed corpus of BMP files: "ok-*" files load, "bad-*" files are refused.

Run from this folder; the files are committed, so this only needs to run again after a change.
"""
import struct


def bmp(bits=8, width=4, height=3, clr_used=0, table=None, gap=0, size_image=0, planes=1,
        compression=0, info_size=40, pixel_seed=1):
    if table is None:
        table = 256 if bits == 8 and clr_used == 0 else clr_used
    stride = (bits * abs(width) + 31) // 32 * 4
    rows = bytes((i * 7 + pixel_seed) & 0xFF for i in range(stride * abs(height)))
    colours = b"".join(struct.pack("<BBBB", i, 255 - i, (i * 5) & 0xFF, 0) for i in range(table))
    off_bits = 14 + 40 + len(colours) + gap
    info = struct.pack("<IiiHHIIiiII", info_size, width, height, planes, bits, compression,
                       size_image, 2835, 2835, clr_used, 0)
    data = info + colours + bytes(gap) + rows
    return struct.pack("<2sIHHI", b"BM", 14 + len(data), 0, 0, off_bits) + data


def patch(data, offset, fmt, value):
    return data[:offset] + struct.pack(fmt, value) + data[offset + struct.calcsize(fmt):]


files = {
    "ok-8bit-4x3.bmp": bmp(),
    "ok-8bit-1x1.bmp": bmp(width=1, height=1),
    "ok-8bit-13x7-16-colours.bmp": bmp(width=13, height=7, clr_used=16),
    "ok-8bit-gap-before-pixels.bmp": bmp(width=5, height=2, gap=22),
    "ok-8bit-huge-size-image.bmp": bmp(width=6, height=2, size_image=0x7FFFFFF0),
    "ok-24bit-5x3.bmp": bmp(bits=24, width=5, height=3),
    "ok-24bit-with-colour-table.bmp": bmp(bits=24, width=3, height=3, clr_used=4),
    "ok-24bit-33x9.bmp": bmp(bits=24, width=33, height=9),
    "bad-not-bm.bmp": b"BA" + bmp()[2:],
    "bad-short-header.bmp": bmp()[:40],
    "bad-core-header.bmp": bmp(info_size=12),
    "bad-rle8.bmp": bmp(compression=1),
    "bad-32bit.bmp": bmp(bits=32, width=2, height=2),
    "bad-two-planes.bmp": bmp(planes=2),
    "bad-zero-width.bmp": bmp(width=0),
    "bad-top-down.bmp": bmp(height=-3),
    "bad-too-wide.bmp": patch(bmp(), 18, "<i", 16385),
    "bad-257-colours.bmp": patch(bmp(clr_used=256), 46, "<I", 257),
    "bad-colour-table-past-end.bmp": patch(bmp(bits=24), 46, "<I", 0x10000000),
    "bad-offbits-past-end.bmp": patch(bmp(), 10, "<I", 0x7FFFFFFF),
    "bad-offbits-negative.bmp": patch(bmp(), 10, "<I", 0xFFFFFF00),
    "bad-truncated-pixels.bmp": bmp(width=8, height=8)[:-5],
    "bad-huge-dimensions.bmp": patch(patch(bmp(bits=24), 18, "<i", 16384), 22, "<i", 16384),
}

for name, data in files.items():
    with open(name, "wb") as f:
        f.write(data)
