#!/usr/bin/env python3
"""Writes the program icon: one .ico with five PNG images (16 to 128 pixels)
of a rounded orange square with a white downward arrow, drawn here so that
the build needs no image tools."""
import struct
import sys
import zlib

SIZES = (16, 32, 48, 64, 128)
ORANGE = (0xF2, 0x7A, 0x1A, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)


def pixel(x, y, n):
    r = n * 0.18
    cx = min(max(x + 0.5, r), n - r)
    cy = min(max(y + 0.5, r), n - r)
    if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 > r * r:
        return CLEAR
    u, v = (x + 0.5) / n, (y + 0.5) / n
    shaft = 0.42 <= u <= 0.58 and 0.2 <= v <= 0.55
    head = 0.55 <= v <= 0.8 and abs(u - 0.5) <= (0.8 - v) * 1.1
    return WHITE if shaft or head else ORANGE


def png(n):
    raw = b"".join(b"\x00" + b"".join(bytes(pixel(x, y, n)) for x in range(n)) for y in range(n))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main(out):
    images = [png(n) for n in SIZES]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for n, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
