#pragma once
// The outer faces of a wound transformer that give its heat to the air: the core's exposed faces
// and the winding's outside, each with its orientation and the lengths the convection
// correlations take (surface_heat_transfer.h). Core and winding are one body at one temperature.
//
// E-type cores (E, ETD and any core given by its parameters) stand on a horizontal board with the
// centre leg vertical: the lower yoke's underside lies on the board and gives nothing; the upper
// yoke's top faces up; the outer legs' sides and the front and back, less the window openings,
// are vertical; the coil bulges out of each opening, its side vertical, its top and underside
// horizontal. A ring lies flat on the board: the wound ring's outer wall and its hole's wall are
// vertical, its top faces up, its bottom lies on the board.
//
// Not modelled: the bobbin's flanges and pins, conduction into the board, the faces shading each
// other's radiation, and the curvature of a round coil's side (a vertical cylinder as short as
// it is wide convects some 5 to 15 % better than a plate).

#include <array>

#include "calc/record/option_values.h"

namespace toroglav {

enum class FaceFacing { Side, Up, Down };

struct CoolingFace {
    double areaM2 = 0;
    FaceFacing facing = FaceFacing::Side;
    // Free convection's length: a side's height, a horizontal face's area over its perimeter.
    double lengthM = 0;
    // Along a horizontal air stream; a round winding's diameter across it.
    double flowLengthM = 0;
    bool cylinder = false;  // a round winding, which the stream crosses as a cylinder
};

struct TransformerSurface {
    std::array<CoolingFace, 7> faces{};
    int count = 0;

    double AreaM2() const;
};

// A pair of E-type halves with their letters in mm: A the width, B the height of a half, C the
// depth, D the window's half height, E the window's span, F the centre leg's width (the
// diameter of a round leg, which sits in a round window of diameter E); the winding `buildMm`
// thick over the leg.
TransformerSurface ECoreSurface(double aMm, double bMm, double cMm, double dMm, double eMm,
                                double fMm, bool roundLeg, double buildMm);

// A ring of outer and inner diameter and height in mm, wound `buildMm` thick all round.
TransformerSurface RingSurface(double outerMm, double innerMm, double heightMm, double buildMm);

// The surface of a design's core from its core type and six dimension fields (mm), Ae and So in
// mm2, wound `buildMm` thick; a negative build fills the winding space: an E-type core's window,
// a ring's hole to half its diameter. A core given by its parameters is taken as a round leg of
// cross-section Ae in a round-ended window of area So twice as high as wide, with outer legs and
// yokes of half Ae each as deep as the leg.
TransformerSurface TransformerSurfaceOf(CoreType coreType, double dimD, double dimd, double dimh,
                                        double dimho, double dimHs, double dimL, double aeMm2,
                                        double soMm2, double buildMm);

}  // namespace toroglav
