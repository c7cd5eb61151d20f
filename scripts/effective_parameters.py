"""Effective parameters of the standard ferrite core shapes, from the letters of their drawings.

The method is that of IEC 60205: the magnetic path is divided into parts, each of length l and
cross-section A (a part whose section changes along the path adds its integrals of dl/A and
dl/A^2 instead), and with the core constants C1 = sum l/A and C2 = sum l/A^2

    le = C1^2 / C2,    Ae = C1 / C2,    Ve = le * Ae.

A corner is a quarter circle joining the centres of the two parts it joins, with the mean of
their areas. Every formula is written for one half of a pair: its legs D long, closed by a yoke
(back) of thickness `yoke`. A pair is two halves with the yoke B - D; a half closed by a flat
plate is one half with its own yoke and one with the plate's thickness B2.

The window is the winding area on one side of the centre leg of the assembled core (the whole
hole of a U core or a ring), as the calculation takes So. Letters are those of the drawings, in
mm; a letter a drawing leaves out is absent from the dict.
"""

from dataclasses import dataclass
from math import acos, asin, atan, cos, log, pi, sin, sqrt, tan, radians


@dataclass
class Part:
    """What one part of the path adds to C1 and C2."""

    c1: float  # l/A, 1/mm
    c2: float  # l/A^2, 1/mm^3


def uniform(length, area):
    return Part(length / area, length / area**2)


def corner(length, area_one, area_two):
    return uniform(length, (area_one + area_two) / 2)


def radial(inner_radius, outer_radius, thickness, angle, lengthening=1.0):
    """A yoke plate carrying the flux radially from `inner_radius` to `outer_radius` over a
    sector of `angle` radians; `lengthening` stretches the path where the outline is not a
    circle."""
    return Part(lengthening * log(outer_radius / inner_radius) / (angle * thickness),
                lengthening * (1 / inner_radius - 1 / outer_radius) / (angle * thickness) ** 2)


@dataclass
class Parameters:
    ae: float  # effective cross-section, mm2
    le: float  # effective path length, mm
    ve: float  # effective volume, mm3
    window: float  # winding window, mm2
    largest_section: float  # the largest cross-section along the path, mm2


def assembled(halves, window):
    parts = [part for half in halves for part in half if part.c2 > 0]
    c1 = sum(part.c1 for part in parts)
    c2 = sum(part.c2 for part in parts)
    le, ae = c1 * c1 / c2, c1 / c2
    return Parameters(ae=ae, le=le, ve=le * ae, window=window,
                      largest_section=max(part.c1 / part.c2 for part in parts))


def pair(half, letters, window):
    """Two equal halves, each with its yoke B - D."""
    yoke = letters["B"] - letters["D"]
    return assembled([half(letters, yoke), half(letters, yoke)], window)


def piece_and_plate(half, letters, window):
    """One half closed by a flat plate of thickness B2, which has no legs: the window is one
    half high."""
    plate = dict(letters, D=0)
    return assembled([half(letters, letters["B"] - letters["D"]), half(plate, letters["B2"])],
                     window / 2)


def beside_centre_leg(letters):
    """The window between a centre leg F and the span E, of a pair of halves."""
    return (letters["E"] - letters["F"]) / 2 * 2 * letters["D"]


# E-type cores: two outer legs, a centre leg, the yoke across the span E. The two sides of a
# half are in parallel, so their areas count twice and each length once.

def e_type_half(letters, yoke, outer_legs, centre_leg, centre_corner_width):
    """A half whose outer legs together have the area `outer_legs`."""
    C, D, E, F = letters["C"], letters["D"], letters["E"], letters["F"]
    yokes = 2 * C * yoke
    outer_leg_width = outer_legs / (2 * C)
    return [
        uniform(D, outer_legs),
        uniform((E - F) / 2, yokes),
        uniform(D, centre_leg),
        corner(pi / 8 * (outer_leg_width + yoke), outer_legs, yokes),
        corner(pi / 8 * (centre_corner_width + yoke), yokes, centre_leg),
    ]


def e_half(letters, yoke):
    """E and planar E: rectangular legs, the centre one F by C."""
    A, C, E, F = letters["A"], letters["C"], letters["E"], letters["F"]
    return e_type_half(letters, yoke, (A - E) * C, F * C, F / 2)


# The corner path of a round leg of diameter F turns about 0.5959 F / 2 from its axis.
ROUND_LEG_CORNER = 0.5959


def round_window_outer_legs(letters, clip_hole_radius=0.0):
    """Both outer legs of a core whose window is a circle of diameter E, the depth C across:
    each leg is the rectangle beyond the circle's chord, less the circle's segment (and less a
    half-circle clip hole). Where G is given, the circle is cut by the faces G apart."""
    A, C, E = letters["A"], letters["C"], letters["E"]
    radius = E / 2
    if letters.get("G", 0) > 0:
        chord_distance = letters["G"] / 2
        angle = acos(chord_distance / radius)
    else:
        angle = asin(C / E)
        chord_distance = radius * cos(angle)
    segment = radius**2 / 2 * (2 * angle - sin(2 * angle))
    return 2 * (C * (A / 2 - chord_distance) - segment - pi * clip_hole_radius**2 / 2)


def round_leg_half(letters, yoke, clip_hole_radius=0.0):
    """ETD, ER, EQ, LP and planar ER: a round centre leg F in a round window E."""
    F = letters["F"]
    return e_type_half(letters, yoke, round_window_outer_legs(letters, clip_hole_radius),
                       pi * F**2 / 4, ROUND_LEG_CORNER * F)


def ec_half(letters, yoke):
    """EC: as ETD, with a clip hole of radius s in each outer leg."""
    return round_leg_half(letters, yoke, letters["s"])


def efd_half(letters, yoke):
    """EFD: a flat centre leg F by F2, its corners cut by q, standing off the middle by K."""
    A, C, D, E, F = (letters[k] for k in "ACDEF")
    F2, K, q = letters["F2"], letters["K"], letters["q"]
    outer_legs, yokes, centre_leg = (A - E) * C, 2 * C * yoke, F * F2 - 2 * q**2
    # The flux turns from the off-centre leg into the whole depth of the yoke.
    centre_corner = pi / 4 * (F / 4 + sqrt(((C - F2 - 2 * K) / 2) ** 2 + (yoke / 2) ** 2))
    return [
        uniform(D, outer_legs),
        uniform((E - F) / 2, yokes),
        uniform(D, centre_leg),
        corner(pi / 8 * ((A - E) / 2 + yoke), outer_legs, yokes),
        corner(centre_corner, yokes, centre_leg),
    ]


def el_half(letters, yoke):
    """Planar EL: a centre leg F by F2 with round ends, outer legs rounded by R at the corners;
    the flux leaves the centre leg all round its perimeter."""
    A, C, D, E, F = (letters[k] for k in "ACDEF")
    F2, R = letters["F2"], letters.get("R", 0)
    outer_legs = (A - E) * C - 8 * (R**2 - pi * R**2 / 4)
    centre_leg = pi * F**2 / 4 + (F2 - F) * F
    perimeter = 2 * (F2 - F) + pi * F
    return [
        uniform(D, outer_legs),
        uniform((E - F) / 2, (C + perimeter / 2) * yoke),
        uniform(D, centre_leg),
        corner(pi / 8 * ((A - E) / 2 + yoke), outer_legs, 2 * C * yoke),
        corner(pi / 8 * (centre_leg / (2 * F2) + yoke), centre_leg, perimeter * yoke),
    ]


# Pot-type cores: a round centre leg F (with a hole H) in a round window E; the yoke carries the
# flux radially.

def pot_half(letters, yoke, slots):
    """P: a round wall A outside, cut by `slots` wire slots G wide."""
    A, D, E, F, G = (letters[k] for k in "ADEFG")
    H = letters.get("H", 0)
    wall = pi / 4 * (A**2 - E**2) - slots * G * (A - E) / 2
    centre_leg = pi / 4 * (F**2 - H**2)
    wall_left = 1 - slots * G / (pi * (A + E) / 2)
    wall_corner = (pi / 4 * (A**2 - E**2) + pi * E * yoke) / 2 * wall_left
    centre_corner = (centre_leg + pi * F * yoke) / 2
    # Centres of area of the wall and of the centre leg, from their inner and outer faces.
    wall_centre = sqrt((E**2 + A**2) / 8) - E / 2
    centre_leg_centre = F / 2 - sqrt((H**2 + F**2) / 8)
    return [
        uniform(D, wall),
        radial(F / 2, E / 2, yoke, 2 * pi * (1 - slots * G / (pi * E))),
        uniform(D, centre_leg),
        uniform(pi / 8 * (2 * wall_centre + yoke), wall_corner),
        uniform(pi / 8 * (2 * centre_leg_centre + yoke), centre_corner),
    ]


def pot_slotted_half(letters, yoke):
    return pot_half(letters, yoke, 2)


def pot_closed_half(letters, yoke):
    return pot_half(letters, yoke, 0)


def rm_like_half(letters, yoke, outer_legs, outer_leg_angle, outer_corner_length,
                 shortest_to_longest, centre_sector):
    """RM and PM: two outer legs of `outer_legs` area that face the centre leg over
    `outer_leg_angle` radians in all; the radial yoke reaches them over `centre_sector` of the
    ring between F and E, its path lengthened from (E - F)/2 to `shortest_to_longest`."""
    D, E, F = letters["D"], letters["E"], letters["F"]
    H = letters.get("H", 0)
    centre_leg = pi / 4 * (F**2 - H**2)
    shortest = (E - F) / 2
    lengthening = (shortest + shortest_to_longest) / (2 * shortest)
    return [
        uniform(D, outer_legs),
        radial(F / 2, E / 2, yoke, 2 * pi * centre_sector, lengthening),
        uniform(D, centre_leg),
        corner(outer_corner_length, outer_legs, outer_leg_angle * E / 2 * yoke),
        corner(pi / 8 * (F + yoke - sqrt((F**2 + H**2) / 2)), centre_leg, pi * F * yoke),
    ]


def rm_half(letters, yoke, subtype):
    """RM, by the four outlines of the standard's drawings (subtype 1 to 4): J across the flats
    of the square outline, A across its cut corners, G the opening between the outer legs; C
    shapes the legs' backs of subtypes 3 and 4."""
    A, C, E, F, G, J = (letters[k] for k in "ACEFGJ")
    straight = pi / 2  # the angle of a quarter of the outline
    beta = straight - asin(G / E)  # half the angle each outer leg faces the centre leg
    cut = sqrt(2) * J - A  # the corner cut off the square outline
    outer_legs = J**2 / 2 * (1 + tan(beta - pi / 4)) - beta / 2 * E**2 - cut**2 / 2
    # The farthest the flux goes from the centre leg to an outer leg, and the area of the
    # sector of the ring between them that it crosses.
    if subtype == "3":
        to_leg = G / 2 + (1 - sin(pi / 4)) * (E - C) / 2
        sector = beta / 2 * E**2 - pi / 4 * F**2 + C**2 / 2 * tan(straight - beta)
    else:
        to_leg = sqrt((E**2 + F**2) / 4 - E * F / 2 * cos(straight - beta))
        if subtype == "4":
            sector = (beta / 2 * E**2 + E * F / 2 * sin(straight - beta)
                      + (C - F) ** 2 / 2 * tan(pi / 4) - pi / 4 * F**2)
        else:  # 1 and 2
            sector = beta / 2 * E**2 + G**2 / 2 * (tan(beta) - tan(pi / 4)) - pi / 4 * F**2
    centre_sector = (sector / 4) / (straight / 8 * (E**2 - F**2))
    return rm_like_half(letters, yoke, outer_legs, 4 * beta,
                        pi / 8 * (yoke + J / 2 - E / 2), to_leg, centre_sector)


def pm_half(letters, yoke):
    """PM: a round outline A cut by two openings G, the slots b by t at the outer legs' feet,
    alpha the angle of the openings' faces (in degrees). As RM otherwise."""
    A, E, F, G = (letters[k] for k in "AEFG")
    b, t, alpha = letters["b"], letters["t"], radians(letters["alpha"])
    straight = pi / 2
    beta = straight - asin(G / E)
    outer_legs = beta / 2 * (A**2 - E**2) - 2 * b * t
    to_leg = sqrt((E**2 + F**2) / 4 - E * F / 2 * cos(straight - beta))
    sector = (beta / 8 * E**2 + G**2 / 8 * (tan(beta) - tan(straight - alpha / 2))
              - pi / 16 * F**2)
    centre_sector = sector / (straight / 8 * (E**2 - F**2))
    return rm_like_half(letters, yoke, outer_legs, 4 * beta, pi / 8 * (yoke + (A - E) / 2),
                        to_leg, centre_sector)


def pq_half(letters, yoke):
    """PQ: outer legs bounded by the circle E and the opening G; J and L place the corners of the
    legs' inner faces (taken as F/2 and F + (C - F)/3 where a drawing does not give them)."""
    A, C, D, E, F, G = (letters[k] for k in "ACDEFG")
    J = letters.get("J", F / 2)
    L = letters.get("L", F + (C - F) / 3)
    beta = acos(G / E)
    alpha = atan(L / J)
    I = E * sin(beta)
    outer_legs = C * (A - G) - beta * E**2 / 2 + G * I / 2
    sector = (beta * E**2 - alpha * F**2 + G * L - J * I) / 8
    centre_sector = sector / (pi / 16 * (E**2 - F**2))
    shortest = (E - F) / 2
    longest = sqrt(E**2 + F**2 - 2 * E * F * cos(alpha - beta)) / 2
    centre_leg = pi * F**2 / 4
    return [
        uniform(D, outer_legs),
        radial(F / 2, E / 2, yoke, 2 * pi * centre_sector, (shortest + longest) / (2 * shortest)),
        uniform(D, centre_leg),
        corner(pi / 8 * (yoke + A / 2 - E / 2), outer_legs, 2 * beta * E * yoke),
        corner(pi / 8 * (yoke + (1 - 1 / sqrt(2)) * F), centre_leg, 2 * alpha * F * yoke),
    ]


def ep_half(letters, yoke, pole_to_front):
    """EP, EPX and EPO: a round window E open to the front, K from its centre to the front face;
    the outer wall is the block A by C less the window. The centre leg F is round (EP, EPO) or,
    with `pole_to_front` (EPX), runs on to the front face as an oblong F wide."""
    A, C, D, E, F = (letters[k] for k in "ACDEF")
    K = letters.get("K", F / 2)
    wall = A * C - pi * E**2 / 8 - E * K
    pole_reach = F / 2 + K if pole_to_front else F  # the centre leg's length from back to front
    centre_leg = pi * F**2 / 4 + (pole_reach - F) * F
    open_angle = atan(E / 2 / K)
    around = pi - open_angle  # the angle over which the wall faces the centre leg
    wall_centre = sqrt((around * E**2 + 2 * wall) / (4 * around))
    wall_corner_area = (wall + around * E * yoke) / 2
    centre_corner_area = pi / 2 * (pole_reach**2 / 4 + pole_reach * yoke)
    return [
        uniform(D, wall),
        radial(pole_reach / 2, E / 2, yoke, 2 * around),
        uniform(D, centre_leg),
        uniform(pi / 4 * (wall_centre - E / 2 + yoke / 2), wall_corner_area),
        uniform(pi / 4 * ((1 - 1 / sqrt(2)) * pole_reach / 2 + yoke / 2), centre_corner_area),
    ]


# U-type cores: two legs, no centre leg; the window is the whole span E between them.

def two_leg_half(letters, yoke, leg_one, leg_two, leg_one_width, leg_two_width):
    """A half with legs of the areas `leg_one` and `leg_two`, E apart."""
    C, D, E = letters["C"], letters["D"], letters["E"]
    yoke_area = C * yoke
    return [
        uniform(D, leg_one),
        uniform(E, yoke_area),
        uniform(D, leg_two),
        corner(pi / 8 * (leg_one_width + yoke), leg_one, yoke_area),
        corner(pi / 8 * (leg_two_width + yoke), leg_two, yoke_area),
    ]


def u_half(letters, yoke):
    """U, UI and C (cut) cores: rectangular legs, H wide where given, else alike."""
    A, C, E = letters["A"], letters["C"], letters["E"]
    one = letters.get("H", (A - E) / 2)
    two = A - E - one
    return two_leg_half(letters, yoke, one * C, two * C, one, two)


def ur_half(letters, yoke, subtype):
    """UR, by the standard's four outlines: 1 a rectangular leg H by C and a round one of
    diameter C; 2 two round legs C; 3 a rectangular leg H by C and a round one F; 4 two round
    legs F with a hole G."""
    C, H = letters["C"], letters.get("H", 0)
    F, G = letters.get("F", 0), letters.get("G", 0)
    round_c, round_f = pi * C**2 / 4, pi * F**2 / 4
    if subtype == "1":
        return two_leg_half(letters, yoke, C * H, round_c, H, C)
    if subtype == "2":
        return two_leg_half(letters, yoke, round_c, round_c, C, C)
    if subtype == "3":
        return two_leg_half(letters, yoke, C * H, round_f, H, F)
    hollow = round_f - pi * G**2 / 4
    return two_leg_half(letters, yoke, hollow, hollow, C, C)


def ut_half(letters, yoke):
    """UT: one closed piece, legs F and A - E - F wide, a window D high; taken as two halves
    of half its height."""
    A, C, E, F = letters["A"], letters["C"], letters["E"], letters["F"]
    half = dict(letters, D=letters["D"] / 2)
    return two_leg_half(half, yoke, F * C, (A - E - F) * C, F, A - E - F)


# The family of each shape of the data, by its family and its subtype.

def effective_parameters(family, subtype, letters):
    """The Parameters of a shape, or None for a family without a formula."""
    L = letters
    if family in ("e", "planarE"):
        return pair(e_half, L, beside_centre_leg(L))
    if family in ("etd", "er", "planarER", "eq", "lp"):
        return pair(round_leg_half, L, beside_centre_leg(L))
    if family == "ec":
        return pair(ec_half, L, beside_centre_leg(L))
    if family == "efd":
        return pair(efd_half, L, beside_centre_leg(L))
    if family == "planarEL":
        return pair(el_half, L, beside_centre_leg(L))
    if family in ("ep", "epx"):
        return pair(lambda l, y: ep_half(l, y, family == "epx"), L, beside_centre_leg(L))
    if family == "p":
        half = pot_slotted_half if subtype in ("1", "2") else pot_closed_half
        return pair(half, L, beside_centre_leg(L))
    if family == "rm":
        return pair(lambda l, y: rm_half(l, y, subtype), L, beside_centre_leg(L))
    if family == "pm":
        return pair(pm_half, L, beside_centre_leg(L))
    if family == "pq":
        return pair(pq_half, L, beside_centre_leg(L))
    if family == "pqi":
        return piece_and_plate(pq_half, L, beside_centre_leg(L))
    if family in ("u", "c"):
        return pair(u_half, L, L["E"] * 2 * L["D"])
    if family == "ui":
        return piece_and_plate(u_half, L, L["E"] * 2 * L["D"])
    if family == "ur":
        return pair(lambda l, y: ur_half(l, y, subtype), L, L["E"] * 2 * L["D"])
    if family == "ut":
        yoke = (L["B"] - L["D"]) / 2
        return assembled([ut_half(L, yoke), ut_half(L, yoke)], L["E"] * L["D"])
    return None
