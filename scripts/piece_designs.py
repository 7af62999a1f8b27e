"""The piece designs of every set, on the grid of piece_geometry.

Each design function returns a Piece whose layers are drawn in order; the
sets differ in shape, not only in colour, so each has its own functions.
"""

from piece_geometry import Piece, circle, coronet, ellipse, line, pill, rrect, seam, sym

# ---------------------------------------------------------------- Classic ----
# Turned wooden Staunton pieces: two-ring foot, flared stems, collars.


def classic_base(p):
    p.body(rrect(88, 95, 28, 3.5)).body(rrect(82, 88.5, 23, 3))
    p.seam(seam(88.5, 21)).seam(seam(82, 18))


def classic_pawn():
    p = Piece()
    p.body(rrect(88, 95, 28, 3.5))
    p.body(sym(57, [("L", (9, 57)), ("C", (10, 68), (15, 77), (20, 83)), ("L", (0, 83))]))
    p.body(rrect(82, 88.5, 23, 3))
    p.body(circle(50, 43, 12.5))
    p.body(pill(54, 60, 15.5))
    p.seam(seam(88.5, 21)).seam(seam(82, 18)).seam(seam(54, 11)).seam(seam(60, 11))
    return p


def classic_rook():
    p = Piece()
    p.body(rrect(88, 95, 28, 3.5))
    p.body(sym(36, [("L", (15.5, 36)), ("C", (16, 55), (17.5, 70), (20, 83)), ("L", (0, 83))]))
    p.body(rrect(82, 88.5, 23, 3))
    p.body(rrect(33, 38.5, 18.5, 2))
    p.body(sym(14, [("L", (4, 14)), ("L", (4, 20)), ("L", (9.5, 20)), ("L", (9.5, 14)), ("L", (20, 14)),
                    ("Q", (21, 14), (21, 15)), ("L", (21, 33)), ("L", (0, 33))]))
    p.seam(seam(88.5, 21)).seam(seam(82, 18)).seam(seam(33, 17)).seam(seam(38.5, 14))
    p.line(seam(20, 0))
    return p


def classic_knight():
    p = Piece()
    p.body(rrect(88, 95, 28, 3.5))
    head = ("M 71,83 C 77,70 81,56 79,42 C 77,31 71,24 63,21 L 57,9 L 51,18 "
            "C 41,20 29,29 21,40 C 16,46 14,52 18,56 L 24,57.5 C 27,61 33,60 37,57 "
            "C 42,53.5 46,52.5 49,51 C 44,59 31,66 30,83 Z")
    p.body(head)
    p.body(rrect(82, 88.5, 23, 3))
    p.dot(ellipse(41, 31, 2.6, 1.8)).dot(circle(21.5, 47, 1.4))
    p.line("M 49,51 C 47,45 45,41 41,38.5")
    p.line("M 63,24 C 69,28 73,35 73.5,44 C 74,57 71,70 67,81")
    # Carved locks of the mane, from the mane's edge part-way to the back.
    for inner, outer, y in ((71.5, 77.5, 32), (73.5, 79, 42), (73.6, 80.3, 52), (72.7, 79.2, 62),
                            (70.3, 75.8, 72)):
        p.line(line((inner, y), (inner + 0.65 * (outer - inner), y - 3)))
    p.seam(seam(88.5, 21)).seam(seam(82, 18))
    return p


def classic_bishop():
    p = Piece()
    p.body(rrect(88, 95, 28, 3.5))
    p.body(sym(59, [("L", (8, 59)), ("C", (9, 69), (15, 78), (20, 83)), ("L", (0, 83))]))
    p.body(rrect(82, 88.5, 23, 3))
    p.body(sym(17, [("C", (7, 19), (16, 29), (16, 40)), ("C", (16, 48), (11, 53), (6, 55)), ("L", (0, 55))]))
    p.body(circle(50, 12.5, 4.2))
    p.body(pill(57, 61.5, 11))
    p.body(pill(51.5, 57.5, 14.5))
    p.line(line((60.5, 25), (51.5, 37)))
    p.seam(seam(88.5, 21)).seam(seam(82, 18)).seam(seam(51.5, 10)).seam(seam(57.5, 10)).seam(seam(61.5, 7))
    return p


def classic_queen():
    p = Piece()
    p.body(rrect(88, 95, 28, 3.5))
    p.body(sym(61, [("L", (8.5, 61)), ("C", (9.5, 70), (15, 78), (20, 83)), ("L", (0, 83))]))
    p.body(rrect(82, 88.5, 23, 3))
    p.body(sym(27, [("L", (17, 27)), ("C", (15, 37), (10, 47), (8.5, 57)), ("L", (0, 57))]))
    crown, tips = coronet(12, 21, 29, 18, 2, 1.5)
    p.body(crown)
    for dx, y in tips:
        p.body(circle(50 + dx, y, 3.2 if dx == 0 else 2.8))
        if dx:
            p.body(circle(50 - dx, y, 2.8))
    p.body(pill(24.5, 30, 19))
    p.body(pill(55, 61, 15))
    p.seam(seam(88.5, 21)).seam(seam(82, 18)).seam(seam(55, 11)).seam(seam(61, 11))
    p.seam(seam(24.5, 14)).seam(seam(30, 14))
    return p


def classic_king():
    p = Piece()
    p.body(rrect(88, 95, 28, 3.5))
    p.body(sym(62, [("L", (9, 62)), ("C", (10, 71), (15, 78), (20, 83)), ("L", (0, 83))]))
    p.body(rrect(82, 88.5, 23, 3))
    p.body(sym(28, [("L", (16, 28)), ("C", (14, 38), (10, 48), (9, 58)), ("L", (0, 58))]))
    p.body(sym(2, [("L", (2.8, 2)), ("L", (2.8, 5.5)), ("L", (8, 5.5)), ("L", (8, 10.5)), ("L", (2.8, 10.5)),
                   ("L", (2.8, 16)), ("L", (0, 16))]))
    p.body(sym(14, [("C", (8, 14), (13.5, 18), (13.5, 26)), ("L", (0, 26))]))
    p.body(pill(24, 29.5, 17.5))
    p.body(pill(56, 62, 15.5))
    p.seam(seam(88.5, 21)).seam(seam(82, 18)).seam(seam(56, 11)).seam(seam(62, 11))
    p.seam(seam(24, 12)).seam(seam(29.5, 12))
    return p


# ----------------------------------------------------------------- Modern ----
# Plain geometric shapes: straight cones on a single slab, square battlements,
# a notch cut into the mitre. Few lines, so they stay clear at 37 units.


def modern_stand(p, neck):
    """The cone and slab that pawn, bishop, queen and king share."""
    p.body(sym(neck, [("L", (8.5, neck)), ("L", (18, 86)), ("L", (0, 86))]))
    p.body(rrect(85, 95, 26, 5))
    p.seam(seam(85, 15))


def modern_collar(p, y):
    p.body(rrect(y, y + 6, 14.5, 3))
    p.seam(seam(y, 10)).seam(seam(y + 6, 10))


def modern_pawn():
    p = Piece()
    modern_stand(p, 58)
    p.body(circle(50, 42, 13))
    modern_collar(p, 53.5)
    return p


def modern_rook():
    p = Piece()
    p.body(sym(38, [("L", (15, 38)), ("L", (18, 86)), ("L", (0, 86))]))
    p.body(rrect(85, 95, 26, 5))
    p.body(sym(15, [("L", (4, 15)), ("L", (4, 22)), ("L", (10.5, 22)), ("L", (10.5, 15)), ("L", (21, 15)),
                    ("L", (21, 32)), ("L", (15.5, 39)), ("L", (0, 39))]))
    p.seam(seam(85, 15)).seam(seam(39, 13))
    p.line(seam(32, 19))
    return p


def modern_knight():
    p = Piece()
    p.body("M 71,86 L 77,58 C 79,42 74,29 62,22 L 59,9 L 51,18 L 24,37 C 18,41 16,47 18,53 L 22,57 "
           "L 36,55 L 47,50.5 C 41,60 31,69 30,86 Z")
    p.body(rrect(85, 95, 26, 5))
    p.dot(circle(42, 32, 2.4))
    p.line(line((63, 26), (70, 40), (71.5, 58), (67, 83)))
    p.seam(seam(85, 18))
    return p


def modern_bishop():
    p = Piece()
    modern_stand(p, 58)
    p.body("M 50,16 C 56,18.5 61,23 63.5,28 L 52,35.5 L 65.4,32.5 C 66,35 66,37.5 66,40 "
           "C 66,48 60,54 50,55 C 40,54 34,48 34,40 C 34,30 41,20 50,16 Z")
    p.body(circle(50, 11.5, 4.5))
    modern_collar(p, 53)
    return p


def modern_queen():
    p = Piece()
    modern_stand(p, 58)
    p.body(sym(28, [("L", (17.5, 28)), ("L", (8.5, 56)), ("L", (0, 56))]))
    crown, tips = coronet(12, 24, 29, 19.5, 2, 1.5)
    p.body(crown)
    for dx, y in tips:
        p.body(circle(50 + dx, y - 0.5, 2.8))
        p.body(circle(50 - dx, y - 0.5, 2.8))
    p.body(rrect(25, 31, 19.5, 2))
    p.seam(seam(25, 15)).seam(seam(31, 15))
    modern_collar(p, 53)
    return p


def modern_king():
    p = Piece()
    modern_stand(p, 58)
    p.body(sym(29, [("L", (16, 29)), ("L", (8.5, 56)), ("L", (0, 56))]))
    p.body(sym(2, [("L", (3.2, 2)), ("L", (3.2, 6)), ("L", (9, 6)), ("L", (9, 11.5)), ("L", (3.2, 11.5)),
                   ("L", (3.2, 17)), ("L", (0, 17))]))
    p.body(sym(15, [("C", (8.5, 15), (15, 19), (15, 27)), ("L", (0, 27))]))
    p.body(rrect(25, 31, 18, 2))
    p.seam(seam(25, 13)).seam(seam(31, 13))
    modern_collar(p, 53)
    return p


# ------------------------------------------------------------------ Alpha ----
# Crisp, flat, print-like silhouettes: one-piece flared plinth, tall shapes,
# sharp mane, fanned crown. Thin lines, pure black and white.


def alpha_plinth(p):
    p.body(sym(79, [("L", (17, 79)), ("C", (18, 84), (24, 86.5), (30, 87.5)), ("L", (30.5, 95)),
                    ("L", (0, 95))]))
    p.line(seam(88.5, 28))


def alpha_stem(p, top, hw):
    p.body(sym(top, [("L", (hw, top)), ("C", (hw + 1, top + 12), (hw + 5, top + 20), (18, 80)), ("L", (0, 80))]))


def alpha_pawn():
    p = Piece()
    alpha_stem(p, 56, 8)
    alpha_plinth(p)
    p.body(circle(50, 39, 13.5))
    p.body(sym(52.5, [("L", (13, 52.5)), ("C", (17, 52.5), (17, 58.5), (13, 58.5)), ("L", (0, 58.5))]))
    p.seam(seam(79.5, 15)).seam(seam(52.5, 10)).seam(seam(58.5, 10))
    return p


def alpha_rook():
    p = Piece()
    p.body(sym(31, [("L", (14, 31)), ("L", (14, 70)), ("C", (14, 75), (16, 78), (18, 80)), ("L", (0, 80))]))
    alpha_plinth(p)
    p.body(sym(10, [("L", (3, 10)), ("L", (3, 17)), ("L", (8.5, 17)), ("L", (8.5, 10)), ("L", (21, 10)),
                    ("L", (21, 25)), ("L", (17, 31)), ("L", (0, 31))]))
    p.line(seam(25, 19)).seam(seam(31, 12)).seam(seam(79.5, 15))
    p.line(seam(70, 12))
    return p


def alpha_knight():
    p = Piece()
    p.body("M 73,80 C 78,66 84,52 81,38 C 79,27 72,20 64,16 L 66,10 L 61,12 L 56,5 L 50,13 "
           "C 40,16 28,26 19,40 L 13,49 C 11,53 13,57 17,57 L 25,56 C 30,58 35,57 39,54 "
           "C 43,52 47,51 51,49 C 46,60 33,66 31,80 Z")
    alpha_plinth(p)
    p.dot("M 35,27 C 38,25.5 41.5,27 42.5,30.5 C 39,31 36.5,29.5 35,27 Z")
    p.dot(circle(19, 47, 1.3))
    p.line("M 51,49 C 50,44 47,40 42,38")
    p.line("M 64,19 L 70,23 L 67,26 L 74,31 L 70,34 L 77,41 L 73,44 L 78,52 L 74,55 L 78,64 L 73,67 L 71.5,76")
    p.seam(seam(79.5, 15))
    return p


def alpha_bishop():
    p = Piece()
    alpha_stem(p, 60, 7)
    alpha_plinth(p)
    p.body(sym(15, [("C", (9, 20), (17, 32), (17, 41)), ("C", (17, 49), (11, 54), (0, 55))]))
    p.body(circle(50, 10, 4.2))
    p.body(pill(56.5, 61, 11.5))
    p.body(pill(51.5, 56.5, 15))
    p.line(line((62, 24), (53, 36)))
    p.seam(seam(79.5, 15)).seam(seam(51.5, 11)).seam(seam(56.5, 11)).seam(seam(61, 7))
    return p


def alpha_queen():
    p = Piece()
    alpha_stem(p, 60, 8)
    alpha_plinth(p)
    p.body("M 40,56 L 32,30 L 23,20 L 34,27 L 38,15 L 44,25 L 50,11 L 56,25 L 62,15 L 66,27 L 77,20 "
           "L 68,30 L 60,56 Z")
    for x, y, r in ((23, 18, 3.2), (38, 13, 3.2), (50, 9, 3.4), (62, 13, 3.2), (77, 18, 3.2)):
        p.body(circle(x, y, r))
    p.body(pill(54, 60.5, 15))
    p.line("M 33,33 Q 50,37 67,33")
    p.seam(seam(79.5, 15)).seam(seam(54, 11)).seam(seam(60.5, 11))
    return p


def alpha_king():
    p = Piece()
    alpha_stem(p, 61, 8.5)
    alpha_plinth(p)
    p.body(sym(0, [("L", (3, 0)), ("L", (3, 4)), ("L", (8, 4)), ("L", (8, 8.5)), ("L", (3, 8.5)),
                   ("L", (3, 14)), ("L", (0, 14))]))
    p.body("M 40,57 L 33,37 C 25,35 20,29 22,24 C 25,16 38,16 46,23 L 50,27 L 54,23 C 62,16 75,16 78,24 "
           "C 80,29 75,35 67,37 L 60,57 Z")
    p.body(sym(12, [("C", (5.5, 12), (7.5, 17), (7.5, 29)), ("L", (0, 29))]))
    p.body(pill(55, 61.5, 15.5))
    p.line("M 34,36 Q 50,41 66,36")
    p.seam(seam(79.5, 15)).seam(seam(55, 11)).seam(seam(61.5, 11))
    return p


# ---------------------------------------------------------------- Castles ----
# Heavy and round: cushion bases with a gilt band, bulging bodies, rounded
# battlements, a curly mane, a cross with ball ends. Thick outlines.


def castles_base(p):
    p.body(sym(79, [("L", (18, 79)), ("C", (26, 79), (30, 84), (30, 89)), ("C", (30, 93), (28, 95), (24, 95)),
                    ("L", (0, 95))]))
    p.add("accent", pill(85, 91, 30.5))
    p.seam(seam(79, 15))


def castles_stem(p, top, hw):
    p.body(sym(top, [("L", (hw, top)), ("C", (hw + 2, top + 10), (hw + 8, top + 16), (19, 81)), ("L", (0, 81))]))


def castles_pawn():
    p = Piece()
    castles_stem(p, 56, 10)
    castles_base(p)
    p.body(circle(50, 40, 15))
    p.add("accent", pill(53, 60, 17.5))
    return p


def castles_rook():
    p = Piece()
    p.body(sym(34, [("L", (16, 34)), ("C", (21, 48), (21, 66), (18, 81)), ("L", (0, 81))]))
    castles_base(p)
    p.body(sym(14, [("L", (2.5, 14)), ("Q", (4.5, 14), (4.5, 16)), ("L", (4.5, 21.5)), ("L", (10, 21.5)),
                    ("L", (10, 16.5)), ("Q", (10, 14), (12.5, 14)), ("L", (21, 14)), ("Q", (24, 14), (24, 17)),
                    ("L", (24, 24)), ("C", (24, 31), (21, 35), (0, 36))]))
    p.add("accent", pill(33, 39.5, 19))
    p.line("M 36,54 L 64,54 M 36,67 L 64,67 M 50,41 L 50,54 M 43,54 L 43,67 M 57,54 L 57,67 M 50,67 L 50,78")
    return p


def castles_knight():
    p = Piece()
    p.body("M 72,81 C 80,68 84,52 80,38 C 77,27 70,21 62,19 C 64,14 62,8 57,7 C 54,10 52,14 51,17 "
           "C 40,19 28,28 21,38 C 13,47 13,57 21,59 C 27,61 33,59 38,56 C 42,54 46,53 49,52 "
           "C 45,61 32,67 29,81 Z")
    castles_base(p)
    p.line("M 60,21 C 66,20 70,24 68,29 C 73,29 76,34 72,38 C 78,40 78,46 73,48 C 79,51 79,58 73,60 "
           "C 78,64 77,71 71,72 C 74,76 73,80 70,81")
    p.dot(circle(40, 30, 3.2)).dot(circle(20.5, 50, 1.8))
    p.line("M 49,52 C 48,46 45,42 39,40")
    return p


def castles_bishop():
    p = Piece()
    castles_stem(p, 60, 8.5)
    castles_base(p)
    p.body(sym(14, [("C", (9, 17), (18, 27), (18, 38)), ("C", (18, 48), (12, 55), (0, 55))]))
    p.body(circle(50, 9.5, 5))
    p.add("accent", pill(51.5, 59.5, 16.5))
    p.line(line((61.5, 23), (51.5, 35)))
    return p


def castles_queen():
    p = Piece()
    castles_stem(p, 60, 9)
    castles_base(p)
    p.body(sym(30, [("L", (19, 30)), ("C", (17, 40), (11, 50), (9, 57)), ("L", (0, 57))]))
    p.body(sym(13, [("L", (5, 26)), ("L", (10.5, 14.5)), ("L", (15.5, 26)), ("L", (21.5, 16.5)),
                    ("L", (20.5, 31)), ("L", (0, 31))]))
    for dx, y, r in ((0, 10, 3.8), (10.5, 12, 3.1), (21.5, 14, 3.1)):
        p.body(circle(50 + dx, y, r))
        if dx:
            p.body(circle(50 - dx, y, r))
    p.add("accent", pill(27, 34, 21))
    p.add("accent", pill(53, 60, 16.5))
    return p


def castles_king():
    p = Piece()
    castles_stem(p, 61, 9)
    castles_base(p)
    p.body(sym(30, [("L", (18, 30)), ("C", (16, 40), (11, 50), (9, 58)), ("L", (0, 58))]))
    p.body(sym(1.5, [("L", (3.6, 1.5)), ("L", (3.6, 6.5)), ("L", (10, 6.5)), ("L", (10, 12)), ("L", (3.6, 12)),
                     ("L", (3.6, 20)), ("L", (0, 20))]))
    for x, y in ((50, 0.5), (39.5, 9.25), (60.5, 9.25)):
        p.body(circle(x, y, 2.8))
    p.body(sym(17, [("C", (9, 17), (17, 21), (17, 29)), ("L", (0, 29))]))
    p.add("accent", pill(26, 33, 20))
    p.add("accent", pill(54, 61, 16.5))
    return p


# ---------------------------------------------------------------- Preview ----
# Thirteen units a side: bare silhouettes, nothing thinner than a pixel.


def preview_foot(p, top, hw):
    p.body(sym(top, [("L", (hw, top)), ("L", (26, 86)), ("L", (30, 86)), ("L", (30, 95)), ("L", (0, 95))]))


def preview_pawn():
    p = Piece()
    preview_foot(p, 60, 10)
    p.body(circle(50, 46, 15))
    return p


def preview_rook():
    p = Piece()
    preview_foot(p, 40, 17)
    p.body(sym(18, [("L", (6, 18)), ("L", (6, 29)), ("L", (13, 29)), ("L", (13, 18)), ("L", (25, 18)),
                    ("L", (25, 42)), ("L", (0, 42))]))
    return p


def preview_knight():
    p = Piece()
    p.body("M 78,95 L 22,95 L 22,86 L 28,86 C 30,74 38,66 46,60 L 24,64 C 14,65 10,56 16,50 L 44,22 L 50,8 "
           "L 60,20 C 78,28 86,52 76,86 L 78,86 Z")
    p.dot(circle(42, 34, 3.5))
    return p


def preview_bishop():
    p = Piece()
    preview_foot(p, 60, 9)
    p.body(sym(20, [("C", (12, 26), (19, 36), (19, 46)), ("C", (19, 58), (11, 64), (0, 64))]))
    p.body(circle(50, 14, 6))
    p.line(line((60, 34), (50, 46)))
    return p


def preview_queen():
    p = Piece()
    preview_foot(p, 62, 11)
    p.body("M 38,66 L 25,22 L 35,27 L 38,12 L 46,25 L 50,8 L 54,25 L 62,12 L 65,27 L 75,22 L 62,66 Z")
    for x, y in ((25, 20), (38, 10), (50, 6), (62, 10), (75, 20)):
        p.body(circle(x, y, 4.5))
    return p


def preview_king():
    p = Piece()
    preview_foot(p, 50, 12)
    p.body(sym(22, [("C", (14, 22), (24, 28), (24, 40)), ("L", (18, 52)), ("L", (0, 52))]))
    p.body(sym(1, [("L", (4.5, 1)), ("L", (4.5, 6)), ("L", (12, 6)), ("L", (12, 14)), ("L", (4.5, 14)),
                   ("L", (4.5, 23)), ("L", (0, 23))]))
    return p


CLASSIC = {"p": classic_pawn, "r": classic_rook, "n": classic_knight, "b": classic_bishop, "q": classic_queen,
           "k": classic_king}
MODERN = {"p": modern_pawn, "r": modern_rook, "n": modern_knight, "b": modern_bishop, "q": modern_queen,
          "k": modern_king}
ALPHA = {"p": alpha_pawn, "r": alpha_rook, "n": alpha_knight, "b": alpha_bishop, "q": alpha_queen, "k": alpha_king}
CASTLES = {"p": castles_pawn, "r": castles_rook, "n": castles_knight, "b": castles_bishop, "q": castles_queen,
           "k": castles_king}
PREVIEW = {"p": preview_pawn, "r": preview_rook, "n": preview_knight, "b": preview_bishop, "q": preview_queen,
           "k": preview_king}
