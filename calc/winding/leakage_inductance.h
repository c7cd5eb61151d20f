#pragma once
// Leakage inductance between two windings, referred to the first, from the energy of the field
// between and within them (the one-dimensional field of Dowell, Proc. IEE 113(8), 1966).
//
// Across the windings the magnetomotive force F(x) (ampere-turns, 1 A in the first winding and
// the balancing current in the second) rises through the first winding's layers, stays through
// tape and through windings that carry nothing, and falls back to 0 through the second's. Each
// region of thickness h in which F goes linearly from Fa to Fb holds
//   integral F^2 dx = h (Fa^2 + Fa Fb + Fb^2) / 3.
//
// Concentric windings on a bobbin: the field runs along the winding breadth b and closes through
// the core, H = F / b, so L = mu0 / b * sum over regions of MLT * integral F^2 dx. With one mean
// turn for all it is the standard L = mu0 N^2 MLT / b (sum h_w / 3 + sum h_gap), and for a
// primary split round the secondary L = mu0 N^2 MLT / (4 b) (sum h_w / 3 + 2 h_gap).
// Valid while the windings fill the breadth (a winding that does not is taken as spread over it),
// the core's permeability is far above 1 and the current fills the wire (at high frequency the
// field leaves the conductors and L falls a little); the field beyond the core, round the end
// turns, is counted with the same b, which overestimates it.
//
// A ring: by Ampere's law the field between the layers runs round the ring's axis,
// H = F / (2 pi r), on the hole's side, the outside and both faces alike, so with dV = 2 pi r dA
//   L = mu0 / (2 pi) integral F(x)^2 G(x) dx,
//   G(x) = (h + 2x) (1 / (ri - x) + 1 / (ro + x)) + 2 ln((ro + x) / (ri - x)),
// x the depth over the core's surface, ri and ro its radii, h its height (corners taken
// square). The energy integration of Hernandez, de Leon and Gomez (IEEE Trans. Power Delivery
// 26(4), 2011) for toroidal transformers, with turns spread evenly all round; within about 20 %
// of measured transformers (their spread in one batch is about 10 %). Integrated by Simpson's
// rule, four intervals a region (0.02 % from a fine integral). No figure where a layer closes
// the hole (x >= ri): NaN.

#include <span>

namespace toroglav::winding {

// A region between the windings' inner and outer side, mm: its depth over the surface the first
// layer lies on, its thickness, the mean length of its turns, and F at its inner and outer side
// (ampere-turns per ampere of the first winding).
struct FieldRegion {
    double depthMm;
    double thicknessMm;
    double meanTurnMm;
    double mmfInner, mmfOuter;
};

// Concentric windings on a bobbin whose windings lie along `breadthMm`: henry.
double ConcentricLeakageH(std::span<const FieldRegion> regions, double breadthMm);

// Windings round a ring of diameters `innerDiameterMm` and `outerDiameterMm` and height
// `heightMm`: henry.
double ToroidalLeakageH(std::span<const FieldRegion> regions, double innerDiameterMm,
                        double outerDiameterMm, double heightMm);

}  // namespace toroglav::winding
