#pragma once
// The heat a wound transformer's outside (transformer_surface.h), all of it at one surface
// temperature, gives to still or moving air at the ambient temperature: free convection face by
// face, radiation, and with an air speed forced convection as well. Its inverse is the thermal
// resistance core_temperature.h settles the losses with.
//
// Free convection, with the air's properties at the film temperature (the mean of the surface's
// and the air's) and h = Nu k / L (Incropera, DeWitt, Bergman, Lavine, Fundamentals of Heat and
// Mass Transfer, 6th ed.):
//   side:      Churchill and Chu, Nu = 0.68 + 0.670 Ra^1/4 / [1 + (0.492/Pr)^9/16]^4/9 up to
//              Ra = 1e9 (eq. 9.27), their all-range form above (eq. 9.26); L the height.
//   face up:   Raithby and Hollands (Handbook of Heat Transfer, 3rd ed., 1998, ch. 4), valid
//              at the Ra of 1e2 to 1e4 of a core's top where the textbook's 0.54 Ra^1/4 is not:
//              Nu_T = 0.835 Cl Ra^1/4, Cl = 0.671 / [1 + (0.492/Pr)^9/16]^4/9,
//              Nu = ([1.4 / ln(1 + 1.4/Nu_T)]^10 + (0.14 Ra^1/3)^10)^1/10; L = area / perimeter.
//   face down: Raithby and Hollands, Nu_T = 0.527 Ra^1/5 / [1 + (1.9/Pr)^0.9]^2/9,
//              Nu = 2.5 / ln(1 + 2.5/Nu_T).
// Radiation to surroundings at the ambient temperature, every face seeing them whole:
//   h_r = eps sigma (Ts^2 + Ta^2)(Ts + Ta).
// Forced convection by a horizontal stream: a flat face laminar, Nu = 0.664 Re^1/2 Pr^1/3 along
// the stream (eq. 7.30, Re < 5e5); a round winding or a ring's outside as a cylinder across it,
// Churchill and Bernstein (eq. 7.54, Re Pr >= 0.2); either joined with free convection by
// Nu^3 = Nu_forced^3 + Nu_free^3 (Churchill, eq. 9.64). Faces meeting the stream head-on are
// taken as plates along it, which undervalues them.
//
// Valid for air with a film temperature of 200 to 400 K and, with a stream, the ranges above:
// outside them `outsideRange` is set.

#include "calc/magnetics/transformer_surface.h"

namespace toroglav {

struct SurfaceHeat {
    double conductanceWPerK = 0;   // sum of area (h_c + h_r): the heat given off per K of rise
    double convectionWPerM2K = 0;  // over the whole surface
    double radiationWPerM2K = 0;
    bool outsideRange = false;

    double ThermalResistanceKPerW() const { return 1 / conductanceWPerK; }
};

SurfaceHeat SurfaceHeatAt(const TransformerSurface& surface, double surfaceC, double ambientC,
                          double airSpeedMPerS = 0);

}  // namespace toroglav
