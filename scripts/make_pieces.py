#!/usr/bin/env python3
"""Draws the board's square and piece artwork under data/pieces/ as plain SVG.

    python3 scripts/make_pieces.py [output-folder]

Every piece is designed on a 100 x 100 grid (x = 50 is the piece's axis, the
base rests near y = 95) and placed into its file's own size by one group
transform, so one drawing serves every set size. Output is deterministic:
re-running on an unchanged script leaves the files byte for byte the same.
Only the Python standard library is used, and only what Qt's SVG Tiny
renderer draws (paths, solid fills, gradients, strokes).
"""

import os
import random
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from piece_designs import ALPHA, CASTLES, CLASSIC, MODERN, PREVIEW  # noqa: E402
from piece_geometry import AXIS, num, pt  # noqa: E402
from check_pieces import check_artwork  # noqa: E402


class Side:
    """The colours of one side in one set. fill is a colour or gradient stops."""

    def __init__(self, fill, outline, line, accent=None):
        self.fill, self.outline, self.line = fill, outline, line
        self.accent = accent or outline


class Look:
    """How one set turns designs into files: size, placement, line weights."""

    def __init__(self, size, height, ground, outline, line, white, black, seam=None):
        self.size = size
        self.scale = height / 93.0  # the king spans y = 2..95 of the design grid
        self.ground = ground
        self.outline, self.linew = outline, line
        self.seamw = seam if seam is not None else line
        self.white, self.black = white, black


def svg_head(size):
    return ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="%s" height="%s" viewBox="0 0 %s %s">\n' % ((num(size),) * 4))


def gradient(gid, stops, vertical=False):
    x2, y2 = ("0", "1") if vertical else ("1", "0")
    out = '<linearGradient id="%s" x1="0" y1="0" x2="%s" y2="%s">' % (gid, x2, y2)
    for offset, colour in stops:
        out += '<stop offset="%s" stop-color="%s"/>' % (num(offset), colour)
    return out + "</linearGradient>"


def piece_svg(look, piece, side):
    s = look.scale
    tx, ty = look.size / 2.0 - AXIS * s, look.ground - 95 * s
    ow, lw, sw = look.outline / s, look.linew / s, look.seamw / s
    out = [svg_head(look.size)]
    fill = side.fill
    if isinstance(fill, list):
        out.append("<defs>" + gradient("fill", fill) + "</defs>\n")
        fill = "url(#fill)"
    out.append('<g transform="translate(%s,%s) scale(%s)" stroke-linejoin="round" stroke-linecap="round">\n'
               % (num(tx), num(ty), ("%.5f" % s).rstrip("0")))
    for kind, d in piece.layers:
        if kind == "body":
            attrs = 'fill="%s" stroke="%s" stroke-width="%s"' % (fill, side.outline, num(ow))
        elif kind == "accent":
            attrs = 'fill="%s" stroke="%s" stroke-width="%s"' % (side.accent, side.outline, num(ow))
        elif kind == "line":
            attrs = 'fill="none" stroke="%s" stroke-width="%s"' % (side.line, num(lw))
        elif kind == "seam":
            if side.line == side.outline:
                continue
            attrs = 'fill="none" stroke="%s" stroke-width="%s"' % (side.line, num(sw))
        elif kind == "dot":
            attrs = 'fill="%s" stroke="none"' % side.line
        else:
            raise ValueError(kind)
        out.append('<path d="%s" %s/>\n' % (d, attrs))
    out.append("</g>\n</svg>\n")
    return "".join(out)


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)



CLASSIC_LOOK = Look(49, 43.5, 46, 1.0, 0.8,
                    Side([(0, "#f1e8d6"), (0.35, "#fffdf6"), (1, "#d8c8a8")], "#2b2016", "#2b2016"),
                    Side([(0, "#3b332d"), (0.35, "#5b5048"), (1, "#1e1915")], "#0f0b08", "#eadcc2"))



MODERN_LOOK = Look(37, 34.5, 36, 0.9, 0.8,
                   Side([(0, "#f4f3ef"), (0.4, "#ffffff"), (1, "#e2dfd6")], "#2f353c", "#2f353c"),
                   Side([(0, "#3d444d"), (0.4, "#4d5560"), (1, "#2a2f35")], "#16191d", "#e4e8ed"))



ALPHA_LOOK = Look(49, 45, 47, 0.75, 0.75, Side("#ffffff", "#000000", "#000000"),
                  Side("#000000", "#000000", "#ffffff"))


CASTLES_LOOK = Look(49, 43, 46.5, 1.7, 1.1,
                    Side([(0, "#f6ead2"), (0.3, "#fffbf2"), (1, "#e6d2ac")], "#3a2414", "#3a2414",
                         accent="#dcb057"),
                    Side([(0, "#3d291f"), (0.3, "#573b2e"), (1, "#241710")], "#120a06", "#f0d79c",
                         accent="#b8862f"))


PREVIEW_LOOK = Look(13, 12, 12.6, 0.55, 0.6, Side("#ffffff", "#111111", "#111111"),
                    Side("#111111", "#111111", "#ffffff"))


def square_svg(size, colours, grain=None, vertical=False):
    """One board square, flat or with a soft wood grain along (or across) it."""
    out = [svg_head(size)]
    if len(colours) == 1:
        out.append('<rect x="0" y="0" width="%s" height="%s" fill="%s"/>\n' % (size, size, colours[0]))
    else:
        stops = [(i / float(len(colours) - 1), c) for i, c in enumerate(colours)]
        out.append("<defs>" + gradient("wood", stops, not vertical) + "</defs>\n")
        out.append('<rect x="0" y="0" width="%s" height="%s" fill="url(#wood)"/>\n' % (size, size))
    if grain:
        colour, opacity, seed = grain
        rnd = random.Random(seed)  # fixed seed: the same grain on every run
        pos = rnd.uniform(0.5, 2.5)
        while pos < size - 0.5:
            nodes = [(k * size / 6.0, pos + rnd.uniform(-0.7, 0.7)) for k in range(7)]
            if vertical:
                nodes = [(b, a) for a, b in nodes]
            d = "M " + pt(*nodes[0])
            for k in range(1, 6):
                mid = ((nodes[k][0] + nodes[k + 1][0]) / 2.0, (nodes[k][1] + nodes[k + 1][1]) / 2.0)
                d += " Q " + pt(*nodes[k]) + " " + pt(*mid)
            d += " L " + pt(*nodes[6])
            out.append('<path d="%s" fill="none" stroke="%s" stroke-opacity="%s" stroke-width="%s"/>\n'
                       % (d, colour, num(opacity * rnd.uniform(0.5, 1.0)), num(rnd.uniform(0.35, 1.0))))
            pos += rnd.uniform(2.0, 5.5)
    out.append("</svg>\n")
    return "".join(out)


def artwork():
    """Every file of the artwork folder: relative path -> SVG text."""
    files = {}
    for folder, look, designs in (("modern", MODERN_LOOK, MODERN), ("classic", CLASSIC_LOOK, CLASSIC),
                                  ("alpha", ALPHA_LOOK, ALPHA), ("castles", CASTLES_LOOK, CASTLES),
                                  ("preview", PREVIEW_LOOK, PREVIEW)):
        for code, make in designs.items():
            piece = make()
            files[folder + "/w" + code + ".svg"] = piece_svg(look, piece, look.white)
            files[folder + "/b" + code + ".svg"] = piece_svg(look, piece, look.black)
    files["modern/light.svg"] = square_svg(49, ["#eee7d5"])
    files["modern/dark.svg"] = square_svg(49, ["#7f93a6"])
    files["classic/light.svg"] = square_svg(49, ["#ecd2a4", "#e5c592", "#eacd9d"], ("#b08350", 0.45, 7))
    files["classic/dark.svg"] = square_svg(49, ["#a9743f", "#9a6737", "#a56f3c"], ("#5e3a1c", 0.45, 11),
                                           vertical=True)
    return files


def main(argv):
    args = [a for a in argv[1:] if a != "--check"]
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "pieces")
    files = artwork()
    if "--check" in argv:
        problems = check_artwork(root, files)
        for problem in problems:
            print(problem)
        print("%d files checked, %d problems" % (len(files), len(problems)))
        return 1 if problems else 0
    for rel, text in files.items():
        write(os.path.join(root, rel), text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
