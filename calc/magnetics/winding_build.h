#pragma once
// How a winding lies in the core's window: the conductors per layer, the layers, the pitch of the
// turns in a layer and the mean length of a turn. The windings are not interleaved: the primary
// lies next to the core, the outputs over it in their order.

#include "calc/record/option_values.h"

namespace toroglav {

// The core's dimensions the windings lie on, mm.
struct WindingSpace {
    CoreType coreType = CoreType::Ring;
    double breadthMm = 0;  // the length of a layer: a ring's inner circumference, 2 ho of an E
                           // or ETD window
    // The shape the first layer is wound on: a rectangle (a ring's section, an E core's centre
    // leg) or a circle (an ETD or ER leg, and any core given by its parameters).
    double legWidthMm = 0, legDepthMm = 0;  // a rectangle
    double legDiameterMm = 0;               // a circle, when the rectangle's sides are 0
};

// The space of a core type with its six dimension fields (mm) and its window area So (mm2).
// A core given by its parameters is taken as a round leg of its cross-section Ae, in a window
// twice as high as wide.
WindingSpace WindingSpaceOf(CoreType coreType, double dimD, double dimd, double dimh, double dimho,
                            double dimL, double aeMm2, double soMm2);

struct WindingBuild {
    int layers = 0;
    double pitchMm = 0;           // of the conductors in a layer
    double meanTurnLengthMm = 0;  // at the middle of the winding's build
    double thicknessMm = 0;       // the build it adds to the windings under it
};

// A winding of `conductors` wires of bare diameter `wireMm` side by side (turns times strands,
// both halves of a centre-tapped winding), over windings `buildUnderMm` thick.
//
// Layers: as many as the conductors need at floor(breadth / d_outer) a layer. Pitch: the layer's
// breadth over the conductors in a full layer, or over all of them when they fill less than one.
// Mean turn length at the middle of the build b = buildUnder + layers d_outer / 2, around a
// rectangle w x h: 2 (w + h) + 2 pi b (the corners round off); around a circle of diameter D:
// pi (D + 2 b).
WindingBuild BuildWinding(const WindingSpace& space, double conductors, double wireMm,
                          double buildUnderMm);

}  // namespace toroglav
