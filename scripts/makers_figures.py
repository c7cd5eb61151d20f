"""What the makers say of a shape that the catalogue takes over its letters.

PUBLISHED: shapes whose effective parameters a maker publishes and which IEC 60205, applied to
the letters of the data, misses by more than 5 %: the catalogue takes the maker's Ae (mm2),
le (mm) and Ve (mm3); the window So is still worked out from the letters.
CONTRADICTED: shapes whose letters contradict their makers' drawings or figures, or leave the
outline open; they are left out, each with its reason.
"""

# The makers' figures as the OpenMagnetics MKF project records them beside its own tests
# (repository OpenMagnetics/MKF, file tests/TestCore.cpp, the tests named after each shape): TDK
# (EPCOS) data-sheet values, material N97.
MKF_TDK = "TDK data sheet, as recorded in OpenMagnetics/MKF tests/TestCore.cpp"

PUBLISHED = {
    # name: (Ae, le, Ve, source). The letters give EPX 7 Ae +17 %, EPX 10 +11 %, PM 114/93
    # le +7 %, UR 70/33/17 Ae +12 %, UR 64/40/20 Ae +6 %.
    "EPX 7": (17.2, 15.7, 270, MKF_TDK),
    "EPX 10": (15.9, 21.7, 345, MKF_TDK),
    "PM 114/93": (1720, 200, 344000, MKF_TDK),
    # The makers of UR cores give Ae equal to the smallest section (Amin).
    "UR 70/33/17": (214, 197, 43800, MKF_TDK),
    "UR 64/40/20": (290, 210, 61000, MKF_TDK),
    "UR 64/40/20-D": (290, 210, 61000, MKF_TDK + " for UR 64/40/20, whose letters it shares"),
}

# Ferroxcube makes its low-profile RM cores without a centre hole only (data sheets "RM, RM/I,
# RM/ILP cores and accessories"); TDK's RM 14 has Amin 170 mm2, the whole centre leg F 14,7 mm.
LOW_PROFILE_HOLE = ("its centre hole H is in no maker's low-profile RM (Ferroxcube: RM/ILP only); "
                    "the hole-less {} is kept")
EPX_7_OUTLINE = ("its letters are those of EPX 7, whose centre leg (16,3 mm2) and every other "
                 "section exceed TDK's Amin 13,9 mm2 for EPX 7; no figures of its own")

CONTRADICTED = {
    "RM 14": "its centre hole H 5,4-5,6 mm is in no maker's RM 14 (TDK: Amin 170 mm2, the whole "
             "centre leg); the hole-less RM 14/I is kept",
    "RM 4/8": LOW_PROFILE_HOLE.format("RM 4/ILP"),
    "RM 5/8": LOW_PROFILE_HOLE.format("RM 5/ILP"),
    "RM 6/9": LOW_PROFILE_HOLE.format("RM 6/ILP"),
    "RM 7/10": LOW_PROFILE_HOLE.format("RM 7/ILP"),
    "RM 8/11": LOW_PROFILE_HOLE.format("RM 8/ILP"),
    "RM 10/13": LOW_PROFILE_HOLE.format("RM 10/ILP"),
    "RM 12/17": LOW_PROFILE_HOLE.format("RM 12/ILP"),
    "RM 14/20": LOW_PROFILE_HOLE.format("RM 14/ILP"),
    "EPX 8": EPX_7_OUTLINE,
    "EPX 9": EPX_7_OUTLINE,
    "UT 20": "its letters leave the outline open: legs F 4,1 and A - E - F 2,5 mm give Ae "
             "12,26 mm2, an even frame of legs (A - E)/2 12,91 mm2, and no maker's drawing or "
             "figures were found to decide",
}
