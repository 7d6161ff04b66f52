#!/usr/bin/env python3
"""Writes tests/graphics/data/png/: one picture of our own encoded as PNG in every colour type and
bit depth, interlaced and not, with every row filter, beside ImageMagick's decoding of each file
as 16-bit big-endian RGBA (NAME.rgba16; at 16 bits, so that no rounding of ImageMagick's stands
between its samples and ours). PngReaderTests compares our pixels with those decodings, so the
files are committed and the tests need no ImageMagick; run this again only to change the set.

Also writes tests/graphics/data/png/malformed/: damaged files, each of which must be refused with
a clear error naming it.

The encoder is our own (standard library only), so that it can write what image programs do not:
a chosen filter on each row, every depth of every colour type, broken chunks.
"""
import os
import shutil
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "png")
MALFORMED = os.path.join(OUT, "malformed")

W, H = 13, 11  # odd sizes: partial bytes at low depths, short passes when interlaced
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def picture(x, y):
    """The source picture as 16-bit (r, g, b, a): gradients, a disc and a see-through band."""
    r = 65535 * x // (W - 1)
    g = 65535 * y // (H - 1)
    b = (x * 7919 + y * 104729) % 65536
    if (x - 6) ** 2 + (y - 5) ** 2 < 9:
        r, g, b = 65535, 65535, 0
    a = 65535 if y < 4 else (0 if y < 6 else 65535 * x // (W - 1))
    return r, g, b, a


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def samples(colour_type, depth, x, y, palette):
    """The samples of pixel (x, y) at the depth (integers), and the palette built on the way."""
    r, g, b, a = picture(x, y)
    top = (1 << depth) - 1
    scale = lambda v: (v * top + 32767) // 65535
    grey = (r * 30 + g * 59 + b * 11) // 100
    if colour_type == 0:
        return [scale(grey)]
    if colour_type == 4:
        return [scale(grey), scale(a)]
    if colour_type == 2:
        return [scale(r), scale(g), scale(b)]
    if colour_type == 6:
        return [scale(r), scale(g), scale(b), scale(a)]
    # palette: a few levels of each channel, as many entries as the depth allows
    levels = {1: 2, 2: 2, 4: 2, 8: 6}[depth]
    q = lambda v: v * (levels - 1) // 65535
    key = (q(r), q(g), q(b), a > 32767) if depth == 8 else (x * 3 + y) % (1 << depth)
    if key not in palette:
        palette[key] = len(palette)
    return [palette[key]]


def pack_row(values, depth):
    if depth == 16:
        return b"".join(struct.pack(">H", v) for v in values)
    if depth == 8:
        return bytes(values)
    out, acc, bits = bytearray(), 0, 0
    for v in values:
        acc, bits = (acc << depth) | v, bits + depth
        if bits == 8:
            out.append(acc)
            acc, bits = 0, 0
    if bits:
        out.append(acc << (8 - bits))
    return bytes(out)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def filter_row(kind, row, prior, bpp):
    out = bytearray([kind])
    for i, v in enumerate(row):
        a = row[i - bpp] if i >= bpp else 0
        b = prior[i] if prior else 0
        c = prior[i - bpp] if prior and i >= bpp else 0
        pred = [0, a, b, (a + b) // 2, paeth(a, b, c)][kind]
        out.append((v - pred) & 0xFF)
    return bytes(out)


def encode(colour_type, depth, interlaced=False, filters=None, trns=False):
    """The PNG bytes; filters(y) gives the filter of row y of each pass (default: y % 5)."""
    filters = filters or (lambda y: y % 5)
    palette = {}
    passes = ADAM7 if interlaced else [(0, 0, 1, 1)]
    bpp = max(1, CHANNELS[colour_type] * depth // 8)
    raw = bytearray()
    for x0, y0, dx, dy in passes:
        xs, ys = range(x0, W, dx), range(y0, H, dy)
        if not xs or not ys:
            continue
        prior = None
        for n, y in enumerate(ys):
            row = pack_row([s for x in xs for s in samples(colour_type, depth, x, y, palette)], depth)
            raw += filter_row(filters(n), row, prior, bpp)
            prior = row
    ihdr = struct.pack(">IIBBBBB", W, H, depth, colour_type, 0, 0, 1 if interlaced else 0)
    body = chunk(b"IHDR", ihdr)
    if colour_type == 3:
        entries = sorted(palette.items(), key=lambda kv: kv[1])
        plte, alphas = bytearray(), bytearray()
        for key, _ in entries:
            if depth == 8:
                rq, gq, bq, opaque = key
                plte += bytes((rq * 51, gq * 51, bq * 51))
                alphas.append(255 if opaque else 0)
            else:
                plte += bytes((key * 60 % 256, 255 - key * 40 % 256, key * 90 % 256))
                alphas.append(255 - key * 30 % 256)
        body += chunk(b"PLTE", bytes(plte))
        if trns:
            body += chunk(b"tRNS", bytes(alphas))
    elif trns:
        key = samples(colour_type, depth, 0, 0, palette)
        body += chunk(b"tRNS", b"".join(struct.pack(">H", v) for v in key))
    body += chunk(b"tEXt", b"Comment\0an ancillary chunk, skipped")
    data = zlib.compress(bytes(raw), 9)
    half = len(data) // 2  # two IDAT chunks: their data is one stream
    body += chunk(b"IDAT", data[:half]) + chunk(b"IDAT", data[half:]) + chunk(b"IEND", b"")
    return b"\x89PNG\r\n\x1a\n" + body


def cases():
    depths = {0: (1, 2, 4, 8, 16), 2: (8, 16), 3: (1, 2, 4, 8), 4: (8, 16), 6: (8, 16)}
    names = {0: "grey", 2: "rgb", 3: "palette", 4: "greyalpha", 6: "rgba"}
    for colour_type, ds in depths.items():
        for depth in ds:
            for interlaced in (False, True):
                name = "%s-%d%s" % (names[colour_type], depth, "-interlaced" if interlaced else "")
                yield name, encode(colour_type, depth, interlaced)
    for kind in range(5):
        yield "rgba-8-filter%d" % kind, encode(6, 8, filters=lambda y, k=kind: k)
    yield "grey-8-trns", encode(0, 8, trns=True)
    yield "grey-16-trns", encode(0, 16, trns=True)
    yield "rgb-8-trns", encode(2, 8, trns=True)
    yield "palette-8-trns", encode(3, 8, trns=True)
    yield "palette-2-trns-interlaced", encode(3, 2, interlaced=True, trns=True)


def malformed():
    good = encode(2, 8)
    ihdr_at = 8
    first_idat = good.index(b"IDAT") - 4

    def with_chunk_crc_broken(data, at):
        length = struct.unpack(">I", data[at:at + 4])[0]
        end = at + 8 + length
        return data[:end] + bytes(b ^ 0xFF for b in data[end:end + 4]) + data[end + 4:]

    def rebuilt(ihdr_fields=None, idat=None, extra=b""):
        fields = ihdr_fields or (W, H, 8, 2, 0, 0, 0)
        body = chunk(b"IHDR", struct.pack(">IIBBBBB", *fields)) + extra
        if idat is not None:
            body += chunk(b"IDAT", idat)
        return b"\x89PNG\r\n\x1a\n" + body + chunk(b"IEND", b"")

    rows = bytes((0,) + (0,) * (W * 3)) * H
    yield "bad-crc", with_chunk_crc_broken(good, first_idat)
    yield "bad-crc-ihdr", with_chunk_crc_broken(good, ihdr_at)
    yield "truncated-idat", good[:first_idat + 30]
    yield "no-iend", good[:good.index(b"IEND") - 4]
    yield "huge-dimensions", rebuilt((100000, 100000, 8, 6, 0, 0, 0), zlib.compress(b"\0" * 64))
    yield "huge-but-allowed-size-tiny-data", rebuilt((4096, 4096, 8, 6, 0, 0, 0), zlib.compress(b"\0" * 64))
    yield "zero-width", rebuilt((0, 5, 8, 2, 0, 0, 0), zlib.compress(rows))
    yield "bad-zlib-stream", rebuilt(idat=b"\x78\x9c" + bytes(range(200, 255)) * 3)
    yield "short-zlib-stream", rebuilt(idat=zlib.compress(rows[: len(rows) // 2]))
    yield "bad-filter-type", rebuilt(idat=zlib.compress(bytes((7,) + (0,) * (W * 3)) * H))
    yield "bad-bit-depth", rebuilt((W, H, 3, 2, 0, 0, 0), zlib.compress(rows))
    yield "bad-colour-type", rebuilt((W, H, 8, 5, 0, 0, 0), zlib.compress(rows))
    yield "interlace-method-2", rebuilt((W, H, 8, 2, 0, 0, 2), zlib.compress(rows))
    yield "palette-without-plte", rebuilt((W, H, 8, 3, 0, 0, 0), zlib.compress(bytes(W + 1) * H))
    yield "palette-index-past-plte", rebuilt((W, H, 8, 3, 0, 0, 0), zlib.compress(bytes([0] + [9] * W) * H),
                                             extra=chunk(b"PLTE", bytes(6)))
    yield "no-idat", rebuilt()
    yield "ihdr-not-first", b"\x89PNG\r\n\x1a\n" + chunk(b"tEXt", b"a\0b") + good[8:]
    yield "unknown-critical-chunk", rebuilt(idat=zlib.compress(rows), extra=chunk(b"ABCD", b"x"))
    yield "chunk-length-huge", good[:first_idat] + b"\x7f\xff\xff\xf0" + good[first_idat + 4:]
    yield "not-a-png", b"GIF89a" + bytes(40)
    yield "empty", b""


def main():
    if not shutil.which("convert"):
        sys.exit("make_png_images: ImageMagick's convert is missing (scripts/setup.sh installs it)")
    shutil.rmtree(OUT, ignore_errors=True)
    os.makedirs(MALFORMED)
    for name, data in cases():
        path = os.path.join(OUT, name + ".png")
        with open(path, "wb") as f:
            f.write(data)
        subprocess.run(["convert", path, "-depth", "16", "-endian", "MSB", "RGBA:" + os.path.join(OUT, name + ".rgba16")],
                       check=True)
    for name, data in malformed():
        with open(os.path.join(MALFORMED, name + ".png"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
