#!/usr/bin/env bash
# Regenerates tests/graphics/data/peer/: one picture of our own (a gradient with shapes) written
# as BMP in every format our reader supports, each beside ImageMagick's decoding of that same
# file as PPM. BmpPeerTests compares our pixels with those decodings, so the files are
# committed and the tests need no ImageMagick; run this again only to change the set.
#
# ImageMagick writes most formats; the ones it cannot write (top-down rows, RLE4, run-length
# data with delta escapes, short palettes, V2/V3/V4 headers, masks after a 40-byte header,
# 16/32-bit BI_RGB, 10-10-10 masks) are crafted below from its output, and ImageMagick still
# decodes each crafted file for the comparison.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$here/peer

if ! command -v convert >/dev/null; then
  if [ "$(id -u)" = 0 ]; then
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
  else
    echo "make_peer_images: ImageMagick's convert is missing (scripts/setup.sh installs it)" >&2
    exit 1
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
mkdir -p "$out"

# The source picture: 37x23 (odd width, so every row needs padding), a colour gradient, a
# yellow disc, a blue box and a white diagonal.
python3 - "$work/source.ppm" <<'EOF'
import sys
w, h = 37, 23
pixels = bytearray()
for y in range(h):
    for x in range(w):
        r, g, b = 255 * x // (w - 1), 255 * y // (h - 1), (x * 7 + y * 13) % 256
        if (x - 12) ** 2 + (y - 11) ** 2 < 36: r, g, b = 255, 255, 0
        if 22 <= x <= 30 and 4 <= y <= 10: r, g, b = 0, 0, 255
        if x == y: r, g, b = 255, 255, 255
        pixels += bytes((r, g, b))
open(sys.argv[1], 'wb').write(b'P6\n%d %d\n255\n' % (w, h) + pixels)
EOF

src=$work/source.ppm
# im NAME FORMAT OPTIONS...: the source picture through convert into FORMAT:peer/NAME.
im() { local name=$1 format=$2; shift 2; convert "$src" "$@" "$format:$out/$name"; }

im info-24.bmp      BMP3 -type truecolor
im info-8.bmp       BMP3 -type palette -compress None
im info-4.bmp       BMP3 -colors 16
im info-1.bmp       BMP3 -colors 2
im info-rle8.bmp    BMP3 -colors 100 -compress RLE
im core-24.bmp      BMP2 -type truecolor
im core-8.bmp       BMP2 -type palette
im core-4.bmp       BMP2 -colors 16
im core-1.bmp       BMP2 -colors 2
im v5-24.bmp        BMP  -type truecolor
im v5-rle8.bmp      BMP  -colors 50
im v5-565.bmp       BMP  -define bmp:subtype=RGB565
im v5-555.bmp       BMP  -define bmp:subtype=RGB555
im v5-1555.bmp      BMP  -alpha on -define bmp:subtype=ARGB1555
im v5-8888.bmp      BMP  -alpha on -define bmp:subtype=ARGB8888
# A 100-colour quantisation kept uncompressed, for the short-palette files below.
convert "$src" -colors 100 -compress None "BMP3:$work/q100.bmp"

python3 - "$out" "$work" <<'EOF'
import struct, sys, os
out, work = sys.argv[1], sys.argv[2]

def load(name):
    path = os.path.join(out, name)
    if not os.path.exists(path):
        path = os.path.join(work, name)
    return bytearray(open(path, 'rb').read())

def save(name, data):
    open(os.path.join(out, name), 'wb').write(bytes(data))

def info(d):
    hs = struct.unpack_from('<I', d, 14)[0]
    w, h, planes, bpp, comp = struct.unpack_from('<iiHHI', d, 18)
    off = struct.unpack_from('<I', d, 10)[0]
    used = struct.unpack_from('<I', d, 46)[0]
    return hs, w, h, bpp, comp, off, used

def file_header(total, offset):
    return b'BM' + struct.pack('<IHHI', total, 0, 0, offset)

def info_header(size, w, h, bpp, comp, image_size, used, masks=None):
    d = struct.pack('<IiiHHIIiiII', size, w, h, 1, bpp, comp, image_size, 2835, 2835, used, 0)
    if size >= 52:
        d += struct.pack('<III', *masks[:3])
    if size >= 56:
        d += struct.pack('<I', masks[3] if len(masks) > 3 else 0)
    return d + bytes(size - len(d))

def assemble(header, palette, pixels):
    offset = 14 + len(header) + len(palette)
    return file_header(offset + len(pixels), offset) + header + palette + pixels

def parts(d):
    hs, w, h, bpp, comp, off, used = info(d)
    return d[14 + hs:off], d[off:]

def stride(w, bpp):
    return (w * bpp + 31) // 32 * 4

def flip(d):
    hs, w, h, bpp, comp, off, used = info(d)
    s = stride(w, bpp)
    rows = [d[off + i * s:off + (i + 1) * s] for i in range(h)]
    d = d[:off] + b''.join(reversed(rows))
    struct.pack_into('<i', d, 22, -h)
    return d

# Top-down rows.
save('info-24-topdown.bmp', flip(load('info-24.bmp')))
save('info-8-topdown.bmp', flip(load('info-8.bmp')))

# Short palettes: cut ImageMagick's 256 (or 16) entries to the ones the pixels use, saying so
# through "colours used", or (second file) only through the pixel data offset.
def indices(d):
    hs, w, h, bpp, comp, off, used = info(d)
    s = stride(w, bpp)
    rows = []
    for y in range(h):
        row = d[off + y * s:off + (y + 1) * s]
        if bpp == 8:
            rows.append(list(row[:w]))
        else:
            rows.append([(row[x // 2] >> (0 if x & 1 else 4)) & 15 for x in range(w)])
    return rows

def pack(rows, bpp):
    data = bytearray()
    for row in rows:
        if bpp == 8:
            line = bytearray(row)
        else:
            line = bytearray((row[x] << 4 | (row[x + 1] if x + 1 < len(row) else 0)) for x in range(0, len(row), 2))
        data += line + bytes(-len(line) % 4)
    return data

for name, src, bpp, say_used in (('info-8-short.bmp', 'q100.bmp', 8, True),
                                 ('info-8-short-offset.bmp', 'q100.bmp', 8, False),
                                 ('info-4-short.bmp', 'info-4.bmp', 4, True)):
    d = load(src)
    hs, w, h, _, comp, off, used = info(d)
    palette, _ = parts(d)
    rows = indices(d)
    if bpp == 4:  # fold the 16 colours into 10
        rows = [[min(i, 9) for i in r] for r in rows]
    count = max(max(r) for r in rows) + 1
    save(name, assemble(info_header(40, w, h, bpp, 0, 0, count if say_used else 0), palette[:4 * count], pack(rows, bpp)))

# Run-length data with every escape: literal runs, encoded runs, delta moves (also up a row),
# end-of-line before the row is full and an early end-of-bitmap.
def rle(rows, four):
    w = len(rows[0])
    data = bytearray()
    y, x = 0, 0
    def zeros(row, start, end):
        return all(v == 0 for v in row[start:end])
    while y < len(rows):
        row = rows[y]
        if x == 0 and all(zeros(r, 0, w) for r in rows[y:]):
            break
        if zeros(row, x, w):
            if x > 0 and y + 1 < len(rows) and zeros(rows[y + 1], 0, x) and not zeros(rows[y + 1], x, w):
                data += bytes((0, 2, 0, 1))
                y += 1
                continue
            data += bytes((0, 0))
            y, x = y + 1, 0
            continue
        run = 0
        while x + run < w and row[x + run] == 0 and run < 255:
            run += 1
        if run >= 3 and not zeros(row, x, w):
            data += bytes((0, 2, run, 0))
            x += run
            continue
        # An encoded run: one index (RLE8) or a pair of alternating indices (RLE4).
        period = 2 if four else 1
        n = 1
        while x + n < w and n < 255 and row[x + n] == row[x + (n % period)]:
            n += 1
        if n >= 3 or x + n == w:
            a = row[x]
            b = row[x + 1] if four and n > 1 else a
            data += bytes((n, (a << 4 | b) if four else a))
            x += n
            continue
        # A literal run up to the next stretch of three equal pixels.
        n = 0
        while x + n < w and n < 255:
            if x + n + 2 < w and row[x + n] == row[x + n + 1] == row[x + n + 2]:
                break
            n += 1
        if n < 3:
            data += bytes((1, (row[x] << 4) if four else row[x]))
            x += 1
            continue
        chunk = row[x:x + n]
        if four:
            body = bytearray((chunk[i] << 4 | (chunk[i + 1] if i + 1 < n else 0)) for i in range(0, n, 2))
        else:
            body = bytearray(chunk)
        data += bytes((0, n)) + body + bytes(len(body) % 2)
        x += n
    return data + bytes((0, 1))

for name, src, four in (('info-rle4.bmp', 'info-4.bmp', True), ('info-rle8-delta.bmp', 'info-8.bmp', False)):
    d = load(src)
    hs, w, h, bpp, comp, off, used = info(d)
    palette, _ = parts(d)
    rows = indices(d)
    # Make the most common index 0 so that the moves skip real stretches of it.
    counts = {}
    for r in rows:
        for v in r:
            counts[v] = counts.get(v, 0) + 1
    common = max(counts, key=counts.get)
    swap = lambda v: 0 if v == common else (common if v == 0 else v)
    rows = [[swap(v) for v in r] for r in rows]
    # Blank a stretch that only the escapes can express: the end of one row with the start of
    # the next (a move up a row).
    rows[5][20:] = [0] * (w - 20)
    rows[6][:25] = [0] * 25
    entries = [palette[4 * i:4 * i + 4] for i in range(len(palette) // 4)]
    entries[0], entries[common] = entries[common], entries[0]
    data = rle(rows, four)
    save(name, assemble(info_header(40, w, h, 4 if four else 8, 2 if four else 1, len(data), len(entries)),
                        b''.join(entries), data))

# Headers ImageMagick does not write, from its V5 files.
def rewrap(src, name, size, comp=None, masks_after=False):
    d = load(src)
    hs, w, h, bpp, c, off, used = info(d)
    masks = struct.unpack_from('<4I', d, 54)
    palette, pixels = parts(d)
    c = c if comp is None else comp
    header = info_header(size, w, h, bpp, c, len(pixels), used, masks)
    extra = struct.pack('<III', *masks[:3]) if masks_after else b''
    save(name, assemble(header + extra, palette, pixels))

rewrap('v5-565.bmp', 'v4-565.bmp', 108)
rewrap('v5-565.bmp', 'v3-565.bmp', 56)
rewrap('v5-565.bmp', 'v2-565.bmp', 52)
rewrap('v5-565.bmp', 'info-565.bmp', 40, masks_after=True)
rewrap('v5-555.bmp', 'info-16.bmp', 40, comp=0)
rewrap('v5-8888.bmp', 'info-32.bmp', 40, comp=0)
rewrap('v5-24.bmp', 'v4-24.bmp', 108)

# 32 bits with 10 bits per channel (red highest), from the 24-bit pixels.
d = load('info-24.bmp')
hs, w, h, bpp, comp, off, used = info(d)
s = stride(w, 24)
pixels = bytearray()
for y in range(h):
    for x in range(w):
        b, g, r = d[off + y * s + 3 * x:off + y * s + 3 * x + 3]
        ten = lambda v: v << 2 | v >> 6
        pixels += struct.pack('<I', ten(r) << 20 | ten(g) << 10 | ten(b))
header = info_header(40, w, h, 32, 3, len(pixels), 0) + struct.pack('<III', 0x3FF00000, 0xFFC00, 0x3FF)
save('info-32-101010.bmp', assemble(header, b'', pixels))
EOF

# ImageMagick's decoding of every file, as the reference our reader must match. 16 bits per
# channel, because ImageMagick keeps channels wider than 8 bits (10-10-10) at full precision and
# its 8-bit writer truncates them; the test rounds.
for f in "$out"/*.bmp; do
  convert "$f" -alpha off -depth 16 "${f%.bmp}.ppm"
done
ls "$out" | wc -l
