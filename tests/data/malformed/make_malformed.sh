#!/usr/bin/env bash
# Makes the small damaged picture files the reader tests and the fuzz seeds use. Each file must
# be refused with a message. Needs ImageMagick's convert and python3; run from this folder.
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 16x12 gradient:red-blue "$tmp/base.png"
convert "$tmp/base.png" -type TrueColor BMP3:"$tmp/base.bmp"
convert "$tmp/base.png" -quality 90 "$tmp/base.jpg"
convert "$tmp/base.png" -interlace Plane -quality 90 "$tmp/progressive.jpg"
convert "$tmp/base.png" -colors 16 "$tmp/base.gif"
python3 - "$tmp" <<'PY'
import struct, sys
tmp = sys.argv[1]
def read(name): return open(f"{tmp}/{name}", "rb").read()
def write(name, data): open(name, "wb").write(data)

bmp, jpg, prog, gif = read("base.bmp"), read("base.jpg"), read("progressive.jpg"), read("base.gif")

# Bitmaps: a 70-byte file declaring 60000 x 60000, rows missing, no pixels, a GIF renamed.
header = b"BM" + struct.pack("<IHHI", 70, 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, 60000, 60000, 1, 24, 0, 0, 2835, 2835, 0, 0)
write("huge.bmp", (header + info).ljust(70, b"\0"))
write("truncated.bmp", bmp[:len(bmp) // 2])
write("zero-width.bmp", bmp[:18] + struct.pack("<i", 0) + bmp[22:])
write("gif-named.bmp", gif)
write("header-only.bmp", bmp[:20])

# JPEGs: cut short, a frame declaring 60000 x 60000, text, and thousands of scans.
write("truncated.jpg", jpg[:len(jpg) // 2])
sof = jpg.find(b"\xff\xc0")
write("huge.jpg", jpg[:sof + 5] + struct.pack(">HH", 60000, 60000) + jpg[sof + 9:])
write("text.jpg", b"this is not a picture\n")
# The last scan of a progressive file, repeated: each copy is one more pass over the picture.
last = prog.rfind(b"\xff\xda")
scan = prog[last:-2]
write("many-scans.jpg", prog[:-2] + scan * 3000 + b"\xff\xd9")

# GIFs: cut short, a screen of 60000 x 60000, no colour table at all, no picture.
write("truncated.gif", gif[:len(gif) // 2])
write("huge.gif", gif[:6] + struct.pack("<HH", 60000, 60000) + gif[10:])
flags = gif[10]
table = 3 * (2 << (flags & 7)) if flags & 0x80 else 0
write("no-colour-table.gif", gif[:10] + bytes([flags & 0x7F]) + gif[11:13] + gif[13 + table:])
write("no-picture.gif", gif[:13 + table] + b";")
write("empty.gif", b"")
PY
