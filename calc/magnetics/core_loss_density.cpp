#include "calc/magnetics/core_loss_density.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

// scripts/import-materials evaluates the surface with the same arithmetic, in the same order, to
// check it against every data point: a change here belongs there too.

namespace toroglav {

namespace {

// Where a value lies on the knots: its interval, the offset in it (0 to 1), and how far (in ln)
// it lies beyond the first or last knot, 0 inside.
struct KnotPoint {
    int interval;
    double offset;
    double beyond;
};

KnotPoint Locate(const KnotAxis& axis, double x) {
    const double u = (x - axis.start) / axis.step;
    const double clamped = std::clamp(u, 0.0, static_cast<double>(axis.intervals));
    const int interval = std::min(static_cast<int>(clamped), axis.intervals - 1);
    return {interval, clamped - interval, (u - clamped) * axis.step};
}

// The uniform cubic B-spline's four weights at offset t, and their slopes.
std::array<double, 4> Weights(double t) {
    const double s = 1.0 - t;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return {(s * s * s) / 6.0, (3.0 * t3 - 6.0 * t2 + 4.0) / 6.0,
            (-3.0 * t3 + 3.0 * t2 + 3.0 * t + 1.0) / 6.0, t3 / 6.0};
}

std::array<double, 4> WeightSlopes(double t) {
    const double s = 1.0 - t;
    return {-0.5 * s * s, (3.0 * t * t - 4.0 * t) / 2.0, (-3.0 * t * t + 2.0 * t + 1.0) / 2.0,
            0.5 * t * t};
}

struct SurfacePoint {
    double lnDensity = 0;
    double frequencyExponent = 0;
    double fluxExponent = 0;
};

// ln Pv and its slopes at one temperature of the data, at a point inside the knots.
SurfacePoint SliceValue(const LossSurface& surface, std::size_t slice, const KnotPoint& f,
                        const KnotPoint& b) {
    const std::size_t rowLength = surface.lnFluxDensityPeakT.intervals + 3;
    const float* coefficients =
        surface.coefficients.data() + slice * (surface.lnFrequencyHz.intervals + 3) * rowLength;
    const auto wf = Weights(f.offset), sf = WeightSlopes(f.offset);
    const auto wb = Weights(b.offset), sb = WeightSlopes(b.offset);
    SurfacePoint point;
    for (int i = 0; i < 4; ++i) {
        const float* row = coefficients + (f.interval + i) * rowLength + b.interval;
        double inner = 0, innerSlope = 0;
        for (int j = 0; j < 4; ++j) {
            inner += wb[j] * row[j];
            innerSlope += sb[j] * row[j];
        }
        point.lnDensity += wf[i] * inner;
        point.frequencyExponent += sf[i] * inner;
        point.fluxExponent += wf[i] * innerSlope;
    }
    point.frequencyExponent /= surface.lnFrequencyHz.step;
    point.fluxExponent /= surface.lnFluxDensityPeakT.step;
    return point;
}

bool Covered(const LossSurface& surface, std::size_t slice, const KnotPoint& f,
             const KnotPoint& b) {
    return surface.coveredCells[slice * surface.lnFrequencyHz.intervals + f.interval] >>
               b.interval &
           1u;
}

bool Inside(const ValueRange& range, double value) {
    return value >= range.min && value <= range.max;
}

}  // namespace

LossDensity SineLossDensity(const FerriteMaterial& material, double frequencyHz,
                            double fluxDensityPeakT, double temperatureC) {
    const LossSurface& surface = material.lossSurface;
    const KnotPoint f = Locate(surface.lnFrequencyHz, std::log(frequencyHz));
    const KnotPoint b = Locate(surface.lnFluxDensityPeakT, std::log(fluxDensityPeakT));

    // The two temperatures of the data around temperatureC, or the nearest one.
    const auto& temperatures = surface.temperaturesC;
    std::size_t upper = std::upper_bound(temperatures.begin(), temperatures.end(), temperatureC) -
                        temperatures.begin();
    std::size_t lower = upper;  // below the first: both the first
    double w = 0;
    if (upper == temperatures.size()) {  // at or above the last: both the last
        lower = upper = upper - 1;
    } else if (upper > 0) {
        lower = upper - 1;
        w = (temperatureC - temperatures[lower]) / (temperatures[upper] - temperatures[lower]);
    }

    SurfacePoint point = SliceValue(surface, lower, f, b);
    if (upper != lower) {
        const SurfacePoint above = SliceValue(surface, upper, f, b);
        point.lnDensity += w * (above.lnDensity - point.lnDensity);
        point.frequencyExponent += w * (above.frequencyExponent - point.frequencyExponent);
        point.fluxExponent += w * (above.fluxExponent - point.fluxExponent);
    } else if (temperatureC > temperatures.back() && temperatures.size() > 1) {
        // Past the hottest curve the loss goes on with the slope in ln Pv per K between the two
        // hottest, never falling: a ferrite's loss rises again past its minimum.
        const std::size_t below = temperatures.size() - 2;
        const double slope = (point.lnDensity - SliceValue(surface, below, f, b).lnDensity) /
                             (temperatures.back() - temperatures[below]);
        point.lnDensity += std::max(slope, 0.0) * (temperatureC - temperatures.back());
    }
    point.lnDensity += point.frequencyExponent * f.beyond + point.fluxExponent * b.beyond;

    const bool covered =
        Covered(surface, lower, f, b) && (w == 0.0 || Covered(surface, upper, f, b));
    return {std::exp(point.lnDensity), point.frequencyExponent, point.fluxExponent,
            !covered || !Inside(material.frequencyHz, frequencyHz) ||
                !Inside(material.fluxDensityPeakT, fluxDensityPeakT) ||
                !Inside(material.temperatureC(), temperatureC)};
}

}  // namespace toroglav
