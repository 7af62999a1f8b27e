"""Drawing helpers for the piece designs: a 100 x 100 grid, x = 50 the axis.

Paths come back as SVG path data strings, so a design is plain data that the
writer in make_pieces.py can colour per side and place per set.
"""

AXIS = 50.0


def num(v):
    text = "%.2f" % v
    return text.rstrip("0").rstrip(".") if "." in text else text


def pt(x, y):
    return num(x) + "," + num(y)


def sym(top, segs):
    """Closed outline mirrored about the axis.

    segs trace the right half from (axis, top) downwards as ("L", p), ("Q", c, p)
    or ("C", c1, c2, p) with points given as (offset from axis, y); the last
    point should lie on the axis. Drawing only the right half keeps every
    turned piece exactly symmetric.
    """
    recs, cur = [], (0.0, top)
    for seg in segs:
        recs.append((seg[0], cur, seg[1:]))
        cur = seg[-1]
    out = ["M " + pt(AXIS, top)]
    for kind, _, coords in recs:
        out.append(kind + " " + " ".join(pt(AXIS + dx, y) for dx, y in coords))
    for kind, start, coords in reversed(recs):
        back = list(reversed(coords[:-1])) + [start]
        out.append(kind + " " + " ".join(pt(AXIS - dx, y) for dx, y in back))
    return " ".join(out) + " Z"


def ellipse(cx, cy, rx, ry):
    return "M %s A %s %s 0 1 0 %s A %s %s 0 1 0 %s Z" % (
        pt(cx - rx, cy), num(rx), num(ry), pt(cx + rx, cy), num(rx), num(ry), pt(cx - rx, cy))


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def rrect(y0, y1, hw, r):
    """A turned ring seen from the side: a rectangle with rounded corners."""
    r = min(r, (y1 - y0) / 2.0, hw)
    return sym(y0, [("L", (hw - r, y0)), ("Q", (hw, y0), (hw, y0 + r)), ("L", (hw, y1 - r)),
                    ("Q", (hw, y1), (hw - r, y1)), ("L", (0, y1))])


def pill(y0, y1, hw):
    return rrect(y0, y1, hw, (y1 - y0) / 2.0)


def seam(y, hw, sag=0.0):
    """An inner line across the piece, bowed like the front edge of a ring."""
    if sag == 0:
        return "M %s L %s" % (pt(AXIS - hw, y), pt(AXIS + hw, y))
    return "M %s Q %s %s" % (pt(AXIS - hw, y), pt(AXIS, y + 2 * sag), pt(AXIS + hw, y))


def line(*points):
    return "M " + " L ".join(pt(x, y) for x, y in points)


# Layer kinds: "body" is filled and outlined; "line" is an inner line on both
# colours; "seam" is an inner line only Black needs, because on a White piece
# the outline of the part above already draws it; "dot" is a small solid mark
# (eye, nostril) in the line colour; "accent" is a body in the set's accent
# fill.


class Piece:
    def __init__(self):
        self.layers = []

    def add(self, kind, d):
        self.layers.append((kind, d))
        return self

    def body(self, d):
        return self.add("body", d)

    def line(self, d):
        return self.add("line", d)

    def seam(self, d):
        return self.add("seam", d)

    def dot(self, d):
        return self.add("dot", d)


def coronet(top, valley, bottom, hw, points, lift=0.0):
    """A crown of 2 * points + 1 spikes, the outer ones a little lower."""
    segs, step = [], hw / float(points)
    for i in range(points):
        segs.append(("L", (step * (i + 0.5), valley)))
        segs.append(("L", (step * (i + 1), top + lift * (i + 1))))
    segs += [("L", (hw, bottom)), ("L", (0, bottom))]
    return sym(top, segs), [(step * i, top + lift * i) for i in range(points + 1)]
