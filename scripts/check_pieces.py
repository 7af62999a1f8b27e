"""Checks the artwork folder: run as `python3 scripts/make_pieces.py --check`.

A board draws these files with Qt's SVG Tiny renderer at whatever pixel size
the square has, and places each piece by its box alone, so the things that
silently go wrong are: a file edited by hand or not regenerated, a piece that
pokes out of its box (clipped on the board), markup the renderer ignores, a
size that does not match the board's placement, a set whose king is not its
tallest piece, and a side that does not stand out from both square colours.
"""

import os
import re
import xml.etree.ElementTree as ET

SVG_NS = "{http://www.w3.org/2000/svg}"
ALLOWED = {"svg", "defs", "g", "path", "rect", "linearGradient", "stop"}
SET_SIZES = {"modern": 37, "classic": 49, "alpha": 49, "castles": 49, "preview": 13}
SQUARE_SETS = ("modern", "classic")
PIECE_NAMES = [side + kind for side in "wb" for kind in "prnbqk"]
NUMBER = re.compile(r"[MLQCAZ]|-?\d+(?:\.\d+)?")


def expected_names():
    names = [folder + "/" + name + ".svg" for folder in SET_SIZES for name in PIECE_NAMES]
    return names + [folder + "/" + sq + ".svg" for folder in SQUARE_SETS for sq in ("light", "dark")]


def path_points(d):
    """Points bounding a path: ends, control points and arc extremes."""
    tokens, points, i = NUMBER.findall(d), [], 0
    command = None
    while i < len(tokens):
        if tokens[i].isalpha():
            command = tokens[i]
            i += 1
            continue
        if command == "A":
            # Our arcs are half ellipses between two points level with the
            # centre, so the far points lie straight above and below the ends.
            ry = float(tokens[i + 1])
            x, y = float(tokens[i + 5]), float(tokens[i + 6])
            points += [(x, y), (x, y - ry), (x, y + ry)]
            i += 7
        else:
            points.append((float(tokens[i]), float(tokens[i + 1])))
            i += 2
    return points


def luminance(colour):
    red, green, blue = (int(colour[i:i + 2], 16) / 255.0 for i in (1, 3, 5))
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def fill_luminance(text):
    """Mean lightness of the first filled shape: the square, or a piece's lowest part."""
    root = ET.fromstring(text)
    shape = next(e for e in root.iter() if e.tag in (SVG_NS + "path", SVG_NS + "rect") and e.get("fill") != "none")
    fill = shape.get("fill")
    if fill.startswith("url(#"):
        gradient = next(e for e in root.iter() if e.get("id") == fill[5:-1])
        colours = [stop.get("stop-color") for stop in gradient.iter(SVG_NS + "stop")]
    else:
        colours = [fill]
    return sum(luminance(c) for c in colours) / len(colours)


def transform_of(element):
    match = re.fullmatch(r"translate\(([-\d.]+),([-\d.]+)\) scale\(([-\d.]+)\)", element.get("transform", ""))
    if not match:
        return None
    return tuple(float(v) for v in match.groups())


def check_svg(text, size):
    """Problems with one file, and the drawing's extent (x0, y0, x1, y1) if any."""
    problems, extent = [], None
    try:
        root = ET.fromstring(text)
    except ET.ParseError as error:
        return ["not well-formed XML: %s" % error], None
    if root.tag != SVG_NS + "svg":
        problems.append("root element is %s, not an SVG root" % root.tag)
    want = str(size)
    if (root.get("width"), root.get("height"), root.get("viewBox")) != (want, want, "0 0 %s %s" % (want, want)):
        problems.append("size is %s x %s, viewBox %s; wanted %s" % (root.get("width"), root.get("height"),
                                                                      root.get("viewBox"), want))
    ids = {e.get("id") for e in root.iter() if e.get("id")}
    for element in root.iter():
        name = element.tag.replace(SVG_NS, "")
        if name not in ALLOWED:
            problems.append("element <%s> is not drawn by the renderer" % name)
        for attr, value in element.attrib.items():
            if attr in ("style", "class") or "href" in attr:
                problems.append("attribute %s on <%s>" % (attr, name))
            for ref in re.findall(r"url\(#([^)]*)\)", value):
                if ref not in ids:
                    problems.append("reference to missing #%s" % ref)
    for group in root.iter(SVG_NS + "g"):
        placement = transform_of(group)
        if placement is None:
            problems.append("group transform %r not understood" % group.get("transform"))
            continue
        tx, ty, scale = placement
        for path in group.iter(SVG_NS + "path"):
            half = float(path.get("stroke-width", "0")) / 2 if path.get("stroke", "none") != "none" else 0
            for x, y in path_points(path.get("d", "")):
                box = (tx + (x - half) * scale, ty + (y - half) * scale, tx + (x + half) * scale,
                       ty + (y + half) * scale)
                extent = box if extent is None else (min(extent[0], box[0]), min(extent[1], box[1]),
                                                     max(extent[2], box[2]), max(extent[3], box[3]))
    if extent and (extent[0] < 0 or extent[1] < 0 or extent[2] > size or extent[3] > size):
        problems.append("drawing reaches (%.2f, %.2f)-(%.2f, %.2f), outside its %s box" % (extent + (size,)))
    return problems, extent


def check_artwork(root, expected):
    """All problems found under root, given the files the script would write."""
    problems = []
    missing_designs = sorted(set(expected_names()) - set(expected))
    problems += ["%s: the script draws no such file" % name for name in missing_designs]
    tops, lights = {}, {}
    for rel in sorted(expected):
        try:
            with open(os.path.join(root, rel), encoding="utf-8") as f:
                actual = f.read()
        except OSError:
            problems.append("%s: missing" % rel)
            continue
        if actual != expected[rel]:
            problems.append("%s: differs from what make_pieces.py draws; run it again" % rel)
        folder, name = rel.split("/")
        found, extent = check_svg(actual, 49 if name in ("light.svg", "dark.svg") else SET_SIZES[folder])
        problems += ["%s: %s" % (rel, p) for p in found]
        if extent and name[:-4] in PIECE_NAMES:
            tops[(folder, name[0], name[1])] = extent[1]
        if not found:
            lights[rel] = fill_luminance(actual)
    for folder in SET_SIZES:
        for side in "wb":
            heights = {kind: tops.get((folder, side, kind)) for kind in "prnbqk"}
            if None in heights.values():
                continue
            if min(heights, key=heights.get) != "k" or max(heights, key=heights.get) != "p":
                problems.append("%s/%s: the king must be the tallest piece and the pawn the shortest (tops %s)"
                                % (folder, side, ", ".join("%s %.1f" % kv for kv in sorted(heights.items()))))
    # A White piece must be lighter than the light square and a Black piece
    # darker than the dark square, so each reads the same way on either square.
    for folder in SET_SIZES:
        squares = "modern" if folder == "modern" else "classic"
        light, dark = lights.get(squares + "/light.svg"), lights.get(squares + "/dark.svg")
        for name in PIECE_NAMES:
            own = lights.get("%s/%s.svg" % (folder, name))
            if None in (light, dark, own):
                continue
            if name[0] == "w" and own <= light:
                problems.append("%s/%s: White fill (%.2f) not lighter than the light square (%.2f)"
                                % (folder, name, own, light))
            if name[0] == "b" and own >= dark:
                problems.append("%s/%s: Black fill (%.2f) not darker than the dark square (%.2f)"
                                % (folder, name, own, dark))
    return problems
