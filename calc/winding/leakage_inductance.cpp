#include "calc/winding/leakage_inductance.h"

#include <cmath>
#include <limits>

#include "calc/constants.h"
#include "calc/units.h"

namespace toroglav::winding {

namespace {

using constants::kMu0HenryPerMetre;
using constants::kPi;
using units::kMetresPerMillimetre;

// integral of F^2 over a region where F goes linearly, per mm of thickness.
double MeanSquareMmf(const FieldRegion& r) {
    return (r.mmfInner * r.mmfInner + r.mmfInner * r.mmfOuter + r.mmfOuter * r.mmfOuter) / 3;
}

constexpr int kSimpsonIntervals = 4;

}  // namespace

double ConcentricLeakageH(std::span<const FieldRegion> regions, double breadthMm) {
    double sum = 0;  // mm^2 per A^2, times turns squared
    for (const FieldRegion& r : regions) sum += r.meanTurnMm * r.thicknessMm * MeanSquareMmf(r);
    return kMu0HenryPerMetre * sum * kMetresPerMillimetre / breadthMm;
}

double ToroidalLeakageH(std::span<const FieldRegion> regions, double innerDiameterMm,
                        double outerDiameterMm, double heightMm) {
    const double ri = innerDiameterMm / 2, ro = outerDiameterMm / 2;
    double sum = 0;  // of F^2 G dx, mm
    for (const FieldRegion& r : regions) {
        if (r.thicknessMm <= 0 || (r.mmfInner == 0 && r.mmfOuter == 0)) continue;
        double simpson = 0;
        for (int k = 0; k <= kSimpsonIntervals; ++k) {
            const double u = static_cast<double>(k) / kSimpsonIntervals;
            const double x = r.depthMm + u * r.thicknessMm;
            if (x >= ri) return std::numeric_limits<double>::quiet_NaN();
            const double f = r.mmfInner + (r.mmfOuter - r.mmfInner) * u;
            const double g = (heightMm + 2 * x) * (1 / (ri - x) + 1 / (ro + x)) +
                             2 * std::log((ro + x) / (ri - x));
            const double weight = k == 0 || k == kSimpsonIntervals ? 1 : k % 2 ? 4 : 2;
            simpson += weight * f * f * g;
        }
        sum += simpson * r.thicknessMm / (3 * kSimpsonIntervals);
    }
    return kMu0HenryPerMetre / (2 * kPi) * sum * kMetresPerMillimetre;
}

}  // namespace toroglav::winding
