#!/usr/bin/env python3
# Makes the bitmaps the reader tests use: whole ones of every header size, depth and
# compression in ../bitmaps (each must open as the same 16 x 12 picture), and the same files
# cut short, or with run-length streams that stop early, run past a row or skip pixels, here
# (each must be refused). Run from this folder.
import struct

W, H = 16, 12
PALETTE = [((i * 53) % 256, (i * 101) % 256, (255 - i * 16) % 256) for i in range(16)]


def index(x, y):
    return (x * 3 + y * 5 + (x * y) // 7) % 16


def rows_bottom_up():
    return [[index(x, y) for x in range(W)] for y in reversed(range(H))]


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def pixel_rows(bits):
    out = b""
    for row in rows_bottom_up():
        if bits == 24:
            line = b"".join(bytes(PALETTE[i][::-1]) for i in row)
        elif bits == 32:
            line = b"".join(bytes(PALETTE[i][::-1]) + b"\0" for i in row)
        elif bits == 8:
            line = bytes(row)
        elif bits == 4:
            line = bytes((row[i] << 4) | row[i + 1] for i in range(0, W, 2))
        out += pad(line)
    return out


def rle8(rows):
    out = b""
    for row in rows:
        # The first half as runs of one index, the rest in absolute mode.
        x = 0
        while x < W // 2:
            n = 1
            while x + n < W // 2 and row[x + n] == row[x]:
                n += 1
            out += bytes([n, row[x]])
            x += n
        rest = row[W // 2:]
        out += bytes([0, len(rest)]) + bytes(rest) + b"\0" * (len(rest) % 2)
        out += b"\0\0"
    return out[:-2] + b"\0\1"


def rle4(rows):
    out = b""
    for row in rows:
        # Pairs of pixels as runs of two, the last six in absolute mode.
        for x in range(0, W - 6, 2):
            out += bytes([2, (row[x] << 4) | row[x + 1]])
        rest = row[W - 6:]
        data = bytes((rest[i] << 4) | rest[i + 1] for i in range(0, 6, 2))
        out += bytes([0, 6]) + data + b"\0" * (len(data) % 2)
        out += b"\0\0"
    return out[:-2] + b"\0\1"


def bitmap(header_size, bits, compression=0, data=None, colours=None):
    palette_entry = 3 if header_size == 12 else 4
    if colours is None:
        colours = 16 if bits <= 8 else 0
    palette = b"".join(bytes(c[::-1]) + (b"" if palette_entry == 3 else b"\0")
                       for c in PALETTE[:colours])
    if header_size == 12 and bits <= 8:
        # The old header has no count of colours: its palette always has one for every index.
        palette += b"\0" * palette_entry * ((1 << bits) - colours)
    if data is None:
        data = pixel_rows(bits)
    if header_size == 12:
        info = struct.pack("<IHHHH", 12, W, H, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header_size, W, H, 1, bits, compression, len(data),
                           2835, 2835, colours if bits <= 8 else 0, 0)
        if header_size > 40:
            masks = struct.pack("<IIII", 0xFF0000, 0xFF00, 0xFF, 0)
            info += (masks + b"\0" * 200)[:header_size - 40]
    offset = 14 + len(info) + len(palette)
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    return head + info + palette, data


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


whole = {}
for header_size in (12, 40, 108, 124):
    for bits in (4, 8, 24) + ((32,) if header_size != 12 else ()):
        whole[f"h{header_size}-{bits}bit"] = bitmap(header_size, bits)
for header_size in (40, 108):
    whole[f"h{header_size}-rle8"] = bitmap(header_size, 8, 1, rle8(rows_bottom_up()))
    whole[f"h{header_size}-rle4"] = bitmap(header_size, 4, 2, rle4(rows_bottom_up()))

for name, (head, data) in whole.items():
    write(f"../bitmaps/{name}.bmp", head + data)
    # Cut inside the header, inside the palette (where there is one) and at three places in
    # the pixels.
    cuts = {"header": 14 + 6}
    if len(head) > 14 + struct.unpack("<I", head[14:18])[0] + 4:
        cuts["palette"] = len(head) - 5
    for percent in (10, 50, 90):
        cuts[f"pixels{percent}"] = len(head) + len(data) * percent // 100
    for where, at in cuts.items():
        write(f"cut-{name}-{where}.bmp", (head + data)[:at])

# The truncated OS/2 bitmap that once opened with memory the file did not define.
os2 = b"BM" + struct.pack("<IHHI", 794, 0, 0, 26) + struct.pack("<IHHHH", 12, 16, 16, 1, 24)
write("os2-cut.bmp", (os2 + b"\x40" * 768)[:238])


def rle_variant(name, stream, bits=8):
    head, _ = bitmap(40, bits, 1 if bits == 8 else 2, stream)
    write(f"rle-{name}.bmp", head + stream)


rows = rows_bottom_up()
full8 = rle8(rows)
# The stream ends after half the rows, with and without an end-of-bitmap mark.
half = full8[: len(full8) // 2]
half = half[: half.rfind(b"\0\0") + 2]
rle_variant("ends-early", half + b"\0\1")
rle_variant("stops-without-end", half)
# A run longer than the row is wide.
rle_variant("run-past-row", bytes([W + 4, 3]) + full8[len(rle8(rows[:1])) - 2:])
# An absolute run past the row.
rle_variant("absolute-past-row", bytes([0, W + 2]) + bytes(W + 2) + full8)
# A delta skips pixels the stream never defines.
rle_variant("delta-skips", bytes([0, 2, 3, 1]) + full8)
# An end of line before the row is full.
rle_variant("short-line", bytes([4, 1, 0, 0]) + full8)
# A run-length stream declared for a depth it does not fit.
head, _ = bitmap(40, 24, 1, full8)
write("rle-wrong-depth.bmp", head + full8)
# An index past the palette's colours.
bad_index = bytes([W, 200]) + full8[len(rle8(rows[:1])) - 2:]
rle_variant("index-past-palette", bad_index)
