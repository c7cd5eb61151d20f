#include "calc/magnetics/surface_heat_transfer.h"

#include <algorithm>
#include <cmath>

#include "calc/constants.h"

namespace toroglav {

namespace {

using namespace constants;

struct Air {
    double conductivity, kinematicViscosity, prandtl, expansion;
    double diffusivity;
};

Air AirAt(double kelvin) {
    const double density = kAirDensity1 / kelvin + kAirDensity2 / (kelvin * kelvin);
    const double root = kelvin * std::sqrt(kelvin);
    const double viscosity = kAirViscosity * root / (kAirViscosityT + kelvin);
    const double conductivity = kAirConductivity * root / (kAirConductivityT + kelvin);
    const double heatCapacity =
        kAirHeatCapacity0 + kAirHeatCapacity1 * kelvin + kAirHeatCapacity2 * kelvin * kelvin;
    const double nu = viscosity / density;
    const double alpha = conductivity / (density * heatCapacity);
    return {conductivity, nu, nu / alpha, 1 / kelvin, alpha};
}

// The correlations' factors that depend on the Prandtl number alone, worked once a call.
struct PrandtlFactors {
    explicit PrandtlFactors(double pr)
        : prandtlTerm(1 + std::pow(0.492 / pr, 9.0 / 16)),
          laminarSide(0.670 / std::pow(prandtlTerm, 4.0 / 9)),
          thinUp(0.835 * 0.671 / std::pow(prandtlTerm, 4.0 / 9)),
          thinDown(0.527 / std::pow(1 + std::pow(1.9 / pr, 0.9), 2.0 / 9)) {}
    double prandtlTerm, laminarSide, thinUp, thinDown;
};

double NusseltSide(double ra, const PrandtlFactors& f) {
    if (ra <= 1e9) return 0.68 + f.laminarSide * std::sqrt(std::sqrt(ra));
    const double root = 0.825 + 0.387 * std::pow(ra, 1.0 / 6) / std::pow(f.prandtlTerm, 8.0 / 27);
    return root * root;
}

double NusseltUp(double ra, const PrandtlFactors& f) {
    const double laminar = 1.4 / std::log(1 + 1.4 / (f.thinUp * std::sqrt(std::sqrt(ra))));
    const double turbulent = 0.14 * std::cbrt(ra);
    // (laminar^10 + turbulent^10)^(1/10), with the larger taken out
    const double larger = std::max(laminar, turbulent), smaller = std::min(laminar, turbulent);
    const double ratio = smaller / larger, ratio2 = ratio * ratio, ratio4 = ratio2 * ratio2;
    return larger * std::pow(1 + ratio4 * ratio4 * ratio2, 0.1);
}

double NusseltDown(double ra, const PrandtlFactors& f) {
    return 2.5 / std::log(1 + 2.5 / (f.thinDown * std::pow(ra, 0.2)));
}

double NusseltPlateAlong(double re, double pr) {
    return 0.664 * std::sqrt(re) * std::cbrt(pr);
}

double NusseltCylinderAcross(double re, double pr) {
    return 0.3 + 0.62 * std::sqrt(re) * std::cbrt(pr) /
                     std::pow(1 + std::pow(0.4 / pr, 2.0 / 3), 0.25) *
                     std::pow(1 + std::pow(re / 282000, 5.0 / 8), 4.0 / 5);
}

}  // namespace

SurfaceHeat SurfaceHeatAt(const TransformerSurface& surface, double surfaceC, double ambientC,
                          double airSpeedMPerS) {
    const double ts = surfaceC + kZeroCelsiusK, ta = ambientC + kZeroCelsiusK;
    // At no rise free convection is the limit of a vanishing one.
    const double rise = std::max(ts - ta, 1e-6);
    const double film = (ts + ta) / 2;
    const Air air = AirAt(film);
    SurfaceHeat heat;
    heat.outsideRange = !(film >= kAirFitLowestK && film <= kAirFitHighestK);
    const double rayleighPerM3 =
        kGravity * air.expansion * rise / (air.kinematicViscosity * air.diffusivity);
    const PrandtlFactors factors(air.prandtl);
    double convection = 0;
    for (int i = 0; i < surface.count; ++i) {
        const CoolingFace& face = surface.faces[static_cast<std::size_t>(i)];
        const double ra = rayleighPerM3 * face.lengthM * face.lengthM * face.lengthM;
        const double free = face.facing == FaceFacing::Side ? NusseltSide(ra, factors)
                            : face.facing == FaceFacing::Up ? NusseltUp(ra, factors)
                                                            : NusseltDown(ra, factors);
        double h = free * air.conductivity / face.lengthM;
        if (airSpeedMPerS > 0) {
            const double re = airSpeedMPerS * face.flowLengthM / air.kinematicViscosity;
            const double forced = (face.cylinder ? NusseltCylinderAcross(re, air.prandtl)
                                                 : NusseltPlateAlong(re, air.prandtl)) *
                                  air.conductivity / face.flowLengthM;
            h = std::cbrt(h * h * h + forced * forced * forced);
            if (face.cylinder ? re * air.prandtl < 0.2 : re >= 5e5) heat.outsideRange = true;
        }
        convection += face.areaM2 * h;
    }
    const double area = surface.AreaM2();
    heat.convectionWPerM2K = convection / area;
    heat.radiationWPerM2K = kSurfaceEmissivity * kStefanBoltzmann * (ts * ts + ta * ta) * (ts + ta);
    heat.conductanceWPerK = convection + heat.radiationWPerM2K * area;
    return heat;
}

}  // namespace toroglav
