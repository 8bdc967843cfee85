#!/usr/bin/env python3
# Makes the damaged JPEGs the reader tests use from one whole baseline JPEG (the first
# argument; the tests' copy was written by `kelvo render --window 96x64 --out base.jpg`):
# the scan cut at 10, 50 and 90% with an end marker after it, a frame that declares
# 8192 x 8192 over the small picture's data, the frame relabelled as arithmetic-coded, and the
# Huffman tables left out. Each must be refused. Run from this folder.
import struct
import sys

data = open(sys.argv[1], "rb").read()


def segments(jpeg):
    """(marker, start, end) of every segment before the scan data, and where the data start."""
    at, found = 2, []
    while True:
        marker = jpeg[at + 1]
        length = struct.unpack(">H", jpeg[at + 2:at + 4])[0]
        found.append((marker, at, at + 2 + length))
        at += 2 + length
        if marker == 0xDA:
            return found, at


def write(name, jpeg):
    with open(name, "wb") as f:
        f.write(jpeg)


parts, scan = segments(data)
end = data.rfind(b"\xff\xd9")
for percent in (10, 50, 90):
    write(f"scan-cut-{percent}.jpg", data[:scan + (end - scan) * percent // 100] + b"\xff\xd9")

sof = next(start for marker, start, _ in parts if marker == 0xC0)
write("frame-larger-than-data.jpg",
      data[:sof + 5] + struct.pack(">HH", 8192, 8192) + data[sof + 9:])
write("relabelled-arithmetic.jpg", data[:sof + 1] + b"\xc9" + data[sof + 2:])
without = data
for marker, start, stop in reversed(parts):
    if marker == 0xC4:
        without = without[:start] + without[stop:]
write("no-huffman-tables.jpg", without)
