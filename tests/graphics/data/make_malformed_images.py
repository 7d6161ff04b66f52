#!/usr/bin/env python3
"""Writes tests/graphics/data/malformed/: BMP files with broken or hostile headers and data.

Every file must be rejected with an ImageError naming it, or read safely; BmpReaderTests loads
them all and states what each must give. Add a file here for every crash or misread found.
"""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
out = os.path.join(here, 'malformed')


def file_header(offset, total=0):
    return b'BM' + struct.pack('<IHHI', total, 0, 0, offset)


def info(w, h, bpp, comp=0, used=0, size=40, image_size=0):
    return struct.pack('<IiiHHIIiiII', size, w, h, 1, bpp, comp, image_size, 0, 0, used, 0) + bytes(size - 40)


def bmp(w, h, bpp, pixels=b'', palette=b'', comp=0, used=0, masks=b'', offset=None, size=40):
    header = info(w, h, bpp, comp, used, size) + masks
    if offset is None:
        offset = 14 + len(header) + len(palette)
    return file_header(offset) + header + palette + pixels


GREY2 = bytes((0, 0, 0, 0, 255, 255, 255, 0))
ok24 = bmp(2, 2, 24, bytes(8) * 2)

files = {
    # Sizes no host process should allocate for.
    'huge-100000x100000.bmp': bmp(100000, 100000, 24, bytes(16)),
    'huge-side-20000x1.bmp': bmp(20000, 1, 24, bytes(16)),
    'too-many-pixels-16384x16384.bmp': bmp(16384, 16384, 1, bytes(16), GREY2),
    'height-int-min.bmp': bmp(4, -2**31, 24, bytes(16)),
    'zero-width.bmp': bmp(0, 4, 24, bytes(16)),
    'negative-width.bmp': bmp(-4, 4, 24, bytes(16)),
    # Files that end too soon.
    'empty.bmp': b'',
    'signature-only.bmp': b'BM',
    'truncated-header.bmp': ok24[:30],
    'truncated-palette.bmp': bmp(2, 2, 8, b'', bytes(12), used=16, offset=14 + 40 + 64),
    'truncated-pixels.bmp': ok24[:-9],
    'truncated-masks.bmp': (file_header(54) + info(2, 2, 16, comp=3))[:58],
    'rle8-no-end.bmp': bmp(4, 4, 8, bytes((4, 1, 0, 0, 4, 1)), GREY2, comp=1, used=2),
    'rle8-literal-past-end.bmp': bmp(4, 4, 8, bytes((0, 40, 1, 1)), GREY2, comp=1, used=2),
    # Literal runs one byte longer than the data left: a bounds check off by one reads past it.
    'rle8-literal-one-short.bmp': bmp(4, 1, 8, bytes((0, 3, 1, 1)), GREY2, comp=1, used=2),
    'rle4-literal-one-short.bmp': bmp(8, 1, 4, bytes((0, 5, 0x11, 0x11)), GREY2, comp=2, used=2),
    'rle4-delta-cut.bmp': bmp(4, 4, 4, bytes((0, 2, 1)), GREY2, comp=2, used=2),
    # Offsets that point nowhere sensible.
    'offset-past-end.bmp': bmp(2, 2, 24, bytes(16), offset=100000),
    'offset-inside-header.bmp': bmp(2, 2, 24, bytes(16), offset=20),
    # Values that index past what the file holds.
    'index-past-palette.bmp': bmp(4, 1, 8, bytes((0, 1, 5, 0)), GREY2, used=2),
    'rle8-index-past-palette.bmp': bmp(4, 1, 8, bytes((2, 0, 2, 9, 0, 1)), GREY2, comp=1, used=2),
    'core-index-past-short-palette.bmp':
        file_header(14 + 12 + 6) + struct.pack('<IHHHH', 12, 4, 1, 1, 8) + bytes(6) + bytes((0, 1, 2, 3)),
    # Formats we do not read, or that make no sense.
    'not-a-bmp.bmp': b'GIF89a' + bytes(40),
    'header-size-200.bmp': file_header(214) + struct.pack('<I', 200) + bytes(196) + bytes(16),
    'bpp-0.bmp': bmp(2, 2, 0, bytes(16)),
    'bpp-64.bmp': bmp(2, 2, 64, bytes(64)),
    'core-16bpp.bmp': file_header(26) + struct.pack('<IHHHH', 12, 2, 2, 1, 16) + bytes(8),
    'rle8-with-24bpp.bmp': bmp(2, 2, 24, bytes(16), comp=1),
    'bitfields-24bpp.bmp': bmp(2, 2, 24, bytes(16), comp=3, masks=struct.pack('<III', 0xFF0000, 0xFF00, 0xFF)),
    'bitfields-scattered-mask.bmp': bmp(2, 2, 16, bytes(8), comp=3, masks=struct.pack('<III', 0x5500, 0xF0, 0xF)),
    'bitfields-wide-16bit-mask.bmp': bmp(2, 2, 16, bytes(8), comp=3, masks=struct.pack('<III', 0xFF0000, 0xF0, 0xF)),
    'embedded-jpeg.bmp': bmp(2, 2, 0, b'\xff\xd8\xff\xe0', comp=4),
    'compression-99.bmp': bmp(2, 2, 8, bytes(8), GREY2, comp=99, used=2),
    'os2-huffman.bmp': bmp(8, 1, 1, bytes(4), GREY2, comp=3, size=64),
    # Odd but readable: these must load.
    'rle8-runs-past-row-and-top.bmp':
        bmp(4, 2, 8, bytes((200, 1, 0, 2, 255, 255, 0, 0, 0, 0, 0, 0, 3, 1, 0, 1)), GREY2, comp=1, used=2),
    'rle4-many-deltas.bmp': bmp(4, 4, 4, bytes((0, 2, 255, 0)) * 64 + bytes((0, 1)), GREY2, comp=2, used=2),
    'colours-used-huge.bmp': bmp(4, 1, 8, bytes((0, 1, 1, 0)), GREY2, used=0xFFFFFFFF),
    'last-row-unpadded.bmp': bmp(3, 2, 24, bytes(12) + bytes(9)),
    'no-pixel-offset.bmp': bmp(2, 1, 24, bytes(8), offset=0),
}

os.makedirs(out, exist_ok=True)
for name in os.listdir(out):
    if name.endswith('.bmp'):
        os.remove(os.path.join(out, name))
for name, data in sorted(files.items()):
    with open(os.path.join(out, name), 'wb') as f:
        f.write(data)
print(len(files), 'files in', out)
