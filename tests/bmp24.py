"""Writes 24-bit bottom-up BMP files from a pixel function, for the test data generators."""
import os
import struct


def write_bmp(folder, name, width, height, pixel):
    """pixel(x, y) gives (r, g, b); row 0 is the top row."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(stride - width * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(header + info + data)
