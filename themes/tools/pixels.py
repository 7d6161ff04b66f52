"""Shared helpers for the sample themes' image scripts: 24-bit BMP, XPM and 8-bit RGBA PNG writers and
a few colour functions. Standard library only; each theme's make_*.py imports this file."""
import os
import struct
import zlib

MAGENTA = (255, 0, 255)


def write_bmp(folder, name, width, height, pixel):
    """pixel(x, y) gives (r, g, b); row 0 is the top row. Written bottom-up, 24 bits."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
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


def write_xpm(folder, name, width, height, pixel):
    """pixel(x, y) gives (r, g, b) or None (see-through). Colours get keys of two characters."""
    grid = [[pixel(x, y) for x in range(width)] for y in range(height)]
    colours = sorted({c for row in grid for c in row if c is not None})
    letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    keys = {c: letters[i // len(letters)] + letters[i % len(letters)] for i, c in enumerate(colours)}
    keys[None] = "  "
    lines = ["/* XPM */", "static char *%s[] = {" % os.path.splitext(name)[0].replace("-", "_"),
             '"%d %d %d 2",' % (width, height, len(keys))]
    lines.append('"  \tc None",')
    for c in colours:
        lines.append('"%s\tc #%02X%02X%02X",' % ((keys[c],) + c))
    for y, row in enumerate(grid):
        lines.append('"%s"%s' % ("".join(keys[c] for c in row), "};" if y == height - 1 else ","))
    with open(os.path.join(folder, name), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")



def write_png(folder, name, width, height, pixel):
    """pixel(x, y) gives (r, g, b, a); 8-bit RGBA, not interlaced, every row unfiltered."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)

def hexrgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    """a at t=0, b at t=1."""
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def grey(c, amount=1.0, lift=0):
    """c turned towards its own grey by amount, then lightened by lift (0..255)."""
    lum = int(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2])
    g = mix(c, (lum, lum, lum), amount)
    return tuple(min(255, v + lift) for v in g)


def coverage(px, py, inside, samples=4):
    """Share of the pixel (px, py) for which inside(x, y) holds, sampled on a grid."""
    hits = 0
    for i in range(samples):
        for j in range(samples):
            if inside(px + (i + 0.5) / samples, py + (j + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def rounded_box(x0, y0, x1, y1, r):
    """inside(x, y) for the box [x0, x1) x [y0, y1) with corners rounded by radius r."""
    def inside(x, y):
        if x < x0 or x >= x1 or y < y0 or y >= y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def segment(ax, ay, bx, by, width):
    """inside(x, y) for a stroke of the given width from (ax, ay) to (bx, by)."""
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / float(dx * dx + dy * dy)))
        qx, qy = ax + t * dx, ay + t * dy
        return (x - qx) ** 2 + (y - qy) ** 2 <= (width / 2.0) ** 2
    return inside


def any_of(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)
