#!/usr/bin/env python3
"""Writes the XPM images of the KDE 1 layout test theme (kde1/*.xpm). The images use what real
KDE 1 themes contain: 12-digit colours, several colour contexts on one line (`s None c None`),
colour names, two characters per pixel, comments between the strings and a last row followed
by `};`. The files are committed so that tests need no Python."""
import os

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "kde1")


def write_xpm(name, width, height, colours, pixel, cpp=1, header_comment=True):
    """colours: list of (key, colour text); pixel(x, y) returns a key."""
    lines = ["/* XPM */", "static char *%s[] = {" % name.replace(".", "_")]
    if header_comment:
        lines.append("/* width height ncolors chars_per_pixel */")
    lines.append('"%d %d %d %d",' % (width, height, len(colours), cpp))
    if header_comment:
        lines.append("/* colors */")
    for key, colour in colours:
        lines.append('"%s\t%s",' % (key, colour))
    if header_comment:
        lines.append("/* pixels */")
    for y in range(height):
        row = "".join(pixel(x, y) for x in range(width))
        lines.append('"%s"%s' % (row, "};" if y == height - 1 else ","))
    with open(os.path.join(HERE, name), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def corner(name):
    # The outer pixel is see-through; the rest is the frame colour in two shades.
    colours = [(" ", "s None c None"), (".", "c #292935351e1e"), ("+", "m white c #4F5E3A s active_color_2")]
    write_xpm(name, 6, 6, colours, lambda x, y: " " if x == 0 and y == 0 else ("." if (x + y) % 3 else "+"))


def main():
    os.makedirs(HERE, exist_ok=True)
    for name in ("wm_topleft.xpm", "wm_topright.xpm", "wm_bottomleft.xpm", "wm_bottomright.xpm"):
        corner(name)
    frame = [(".", "c #293"), ("o", "c Gray31")]
    write_xpm("wm_top.xpm", 2, 4, frame, lambda x, y: "o" if y == 0 else ".")
    write_xpm("wm_bottom.xpm", 2, 4, frame, lambda x, y: "o" if y == 3 else ".")
    write_xpm("wm_left.xpm", 4, 2, frame, lambda x, y: "o" if x == 0 else ".")
    write_xpm("wm_right.xpm", 4, 2, frame, lambda x, y: "o" if x == 3 else ".")
    title = [("aa", "c #3C3C50506464"), ("bb", "c #46465A5A6E6E"), ("cc", "g4 black g gray50")]
    write_xpm("titlebar.xpm", 2, 20, title, lambda x, y: ("aa", "bb", "cc")[y % 3], cpp=2)
    write_xpm("titlebar_off.xpm", 2, 20, [("a", "c #808080"), ("b", "c #909090")], lambda x, y: "ab"[y % 2],
              header_comment=False)

    def button(glyph, face):
        colours = [(" ", "c None"), ("#", "c " + face), ("w", "c white")]
        def pixel(x, y):
            if (x in (0, 15)) and (y in (0, 15)):
                return " "
            return "w" if glyph(x, y) else "#"
        return colours, pixel

    cross = lambda x, y: 3 <= x <= 12 and (x == y or x == 15 - y)
    box = lambda x, y: 4 <= x <= 11 and 4 <= y <= 11 and (x in (4, 11) or y in (4, 5, 11))
    bar = lambda x, y: 4 <= x <= 11 and y == 11
    dash = lambda x, y: 4 <= x <= 11 and y in (7, 8)
    # Default names in the themerc are upper case (MENU.XPM); the files are not.
    for name, glyph, face in (("menu.xpm", dash, "#506070"), ("close.xpm", cross, "#A03030"),
                              ("maximize.xpm", box, "#506070"), ("iconify.xpm", bar, "#506070"),
                              ("close_down.xpm", cross, "#601818"), ("max_down.xpm", box, "#303840"),
                              ("min_down.xpm", bar, "#303840"), ("min_down_kde.xpm", bar, "red")):
        write_xpm(name, 16, 16, *button(glyph, face))


if __name__ == "__main__":
    main()
