#include "calc/magnetics/harmonic_winding_loss.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "calc/limits.h"

namespace toroglav {

namespace {

using std::numbers::pi;

// Dowell's factor is F(Delta) = S(Delta) + 2 (m^2 - 1) / 3 Q(Delta) for m layers, with the skin
// part S(x) = x (sinh 2x + sin 2x) / (cosh 2x - cos 2x) and the proximity part
// Q(x) = x (sinh x - sin x) / (cosh x + cos x). A winding's harmonics need them at many Delta,
// so both are tabulated once, every kStep from 0 to kLastTabulated, and interpolated by cubics
// through four points (within 1e-7 of the formula). Above kLastTabulated both parts are x to
// within 4e-6, so F = Delta (2 m^2 + 1) / 3 (at Delta = 5 it would still be 0.9 % off).
constexpr double kStep = 1.0 / 32;
constexpr double kLastTabulated = 12;
// With one point below 0 and two above kLastTabulated, and one to spare for rounding.
constexpr int kPoints = static_cast<int>(kLastTabulated / kStep) + 4;

struct Parts {
    double skin;
    double proximity;
};

Parts DowellParts(double x) {
    if (x < 0.01) return {1 + 4.0 / 45 * std::pow(x, 4), std::pow(x, 4) / 6};  // their series
    return {x * (std::sinh(2 * x) + std::sin(2 * x)) / (std::cosh(2 * x) - std::cos(2 * x)),
            x * (std::sinh(x) - std::sin(x)) / (std::cosh(x) + std::cos(x))};
}

// Entry i holds the parts at (i - 1) kStep; both are even in x, which gives the one below 0.
const std::array<Parts, kPoints>& PartsTable() {
    static const std::array<Parts, kPoints> table = [] {
        std::array<Parts, kPoints> t{};
        for (int i = 0; i < kPoints; ++i) t[i] = DowellParts(std::abs(i - 1) * kStep);
        return t;
    }();
    return table;
}

// F at `x` = `steps` kStep below kLastTabulated, with `layerTerm` = 2 (m^2 - 1) / 3; a single
// layer has no proximity part to interpolate.
template <bool kSingleLayer>
double TabulatedFactor(const std::array<Parts, kPoints>& table, double steps, double layerTerm) {
    const int i = static_cast<int>(steps);
    const double t = steps - i;
    // The cubic through the points at i - 1, i, i + 1 and i + 2 (entries i to i + 3).
    constexpr double kSixth = 1.0 / 6;
    const double a = t + 1, b = t - 1, c = t - 2;
    const double w[4] = {-kSixth * t * b * c, 0.5 * a * b * c, -0.5 * a * t * c,
                         kSixth * a * t * b};
    double skin = 0, proximity = 0;
    for (int k = 0; k < 4; ++k) {
        skin += w[k] * table[i + k].skin;
        if constexpr (!kSingleLayer) proximity += w[k] * table[i + k].proximity;
    }
    return skin + layerTerm * proximity;
}

// Per harmonic order n: sqrt(n), the harmonic's Delta over the fundamental's, and 1 / n^2.
struct Order {
    double root;
    double inverseSquare;
};

const std::array<Order, CurrentSpectrum::kMaxHarmonics + 1>& Orders() {
    static const std::array<Order, CurrentSpectrum::kMaxHarmonics + 1> orders = [] {
        std::array<Order, CurrentSpectrum::kMaxHarmonics + 1> o{};
        for (int n = 1; n <= CurrentSpectrum::kMaxHarmonics; ++n)
            o[n] = {std::sqrt(static_cast<double>(n)), 1.0 / (static_cast<double>(n) * n)};
        return o;
    }();
    return orders;
}

// The harmonics' share of the factor, those below kLastTabulated from the table.
template <bool kSingleLayer, class Harmonics>
double TabulatedSum(const Harmonics& harmonics, std::size_t count, int step,
                    double stepsFundamental, double layerTerm) {
    const std::array<Parts, kPoints>& table = PartsTable();
    const std::array<Order, CurrentSpectrum::kMaxHarmonics + 1>& orders = Orders();
    double sum = 0;
    for (std::size_t k = 0; k < count; ++k)
        sum += harmonics[k].share *
               TabulatedFactor<kSingleLayer>(table, stepsFundamental * orders[1 + step * k].root,
                                             layerTerm);
    return sum;
}

}  // namespace

CurrentSpectrum CurrentSpectrum::Direct() {
    CurrentSpectrum spectrum;
    spectrum.directShare_ = 1;
    return spectrum;
}

CurrentSpectrum CurrentSpectrum::Sine() {
    CurrentSpectrum spectrum;
    spectrum.harmonics_.push_back({1, 1});
    return spectrum;
}

// A pulse of height 1 and width D T has the Fourier coefficients sin(pi n D) / (pi n), so its
// n-th harmonic carries 2 sin^2(pi n D) / (pi n)^2 of the mean square D. Shifted by half a period
// and negated, the second pulse doubles the odd harmonics and cancels the even ones and the DC
// part.
CurrentSpectrum CurrentSpectrum::Pulse(double duty) {
    if (!(duty > 0)) return Direct();  // no current: any factor will do
    const double d = std::min(duty, 1.0);
    return PulseTrain(d, d, 1, 2 / (pi * pi * d));
}

CurrentSpectrum CurrentSpectrum::BipolarPulses(double duty) {
    if (!(duty > 0)) return Direct();
    const double d = std::min(duty, 0.5);
    return PulseTrain(d, 0, 2, 8 / (pi * pi * 2 * d));
}

// Half the output current throughout, plus half the bipolar pulses: mean square
// 1/4 + 2D/4, of which the DC part's 1/4 is 1 / (1 + 2D).
CurrentSpectrum CurrentSpectrum::CentreTappedHalf(double duty) {
    if (!(duty > 0)) return Direct();
    const double d = std::min(duty, 0.5);
    return PulseTrain(d, 1 / (1 + 2 * d), 2, 8 / (pi * pi * (1 + 2 * d)));
}

CurrentSpectrum CurrentSpectrum::PulseTrain(double duty, double directShare, int step,
                                            double shareOverSineSquared) {
    CurrentSpectrum spectrum;
    spectrum.directShare_ = directShare;
    spectrum.step_ = step;
    spectrum.harmonics_.reserve(256);
    // sin(pi n D) from sin((n + step) x) = 2 cos(step x) sin(n x) - sin((n - step) x).
    const double x = pi * duty;
    const double twiceCos = 2 * std::cos(step * x);
    double sinBelow = std::sin((1 - step) * x), sinAt = std::sin(x);
    double unsummed = 1 - directShare;
    const std::array<Order, kMaxHarmonics + 1>& orders = Orders();
    for (int n = 1; unsummed >= limits::kUnsummedCurrentShare && n <= kMaxHarmonics; n += step) {
        const double share = shareOverSineSquared * sinAt * sinAt * orders[n].inverseSquare;
        spectrum.harmonics_.push_back({share, 0});
        unsummed -= share;
        sinBelow = std::exchange(sinAt, twiceCos * sinAt - sinBelow);
    }
    spectrum.unsummedShare_ = std::max(unsummed, 0.0);
    double tail = 0;
    for (std::size_t k = spectrum.harmonics_.size(); k-- > 0;)
        spectrum.harmonics_[k].tailWeight = tail +=
            spectrum.harmonics_[k].share * orders[1 + step * k].root;
    return spectrum;
}

double CurrentSpectrum::AcFactor(double deltaFundamental, double layers) const {
    if (!(deltaFundamental >= 0)) return std::numeric_limits<double>::quiet_NaN();
    const double m = layers;
    const double layerTerm = 2 * (m * m - 1) / 3;
    // The harmonics below kLastTabulated from the table, those above from the asymptote at once.
    const double firstAbove = std::pow(kLastTabulated / deltaFundamental, 2);
    const std::size_t tabulated = std::min(
        harmonics_.size(),
        firstAbove >= harmonics_.size() * step_
            ? harmonics_.size()
            : static_cast<std::size_t>(std::max(0.0, std::ceil((firstAbove - 1) / step_))));
    const double stepsFundamental = deltaFundamental / kStep;
    double factor =
        directShare_ +
        // One layer has no proximity part; one whose field reverses across it (m = 0.5) has.
        (m == 1 || m < 0.5
             ? TabulatedSum<true>(harmonics_, tabulated, step_, stepsFundamental, 0)
             : TabulatedSum<false>(harmonics_, tabulated, step_, stepsFundamental, layerTerm));
    if (tabulated < harmonics_.size())
        factor += deltaFundamental * (1 + layerTerm) * harmonics_[tabulated].tailWeight;
    return factor;
}

}  // namespace toroglav
