#include "calc/magnetics/core_temperature.h"

#include <algorithm>
#include <cmath>

#include "calc/limits.h"

namespace toroglav {

namespace {

using Outcome = SettledCore::Outcome;

// The balance between `low` and `high`, where the core's excess heating falls through 0: regula
// falsi with the Illinois step, down to limits::kSettledToleranceK. It answers with the end it
// evaluated last, `high` when it evaluates nothing.
template <class Excess>
SettledCore Refined(const Excess& excess, double low, double excessLow, double high,
                    double excessHigh) {
    constexpr double kTolerance = limits::kSettledToleranceK;
    int kept = 0;        // +1: the last step moved `low`, -1: `high`
    double last = high;  // the temperature evaluated last (the caller's, at first)
    while (high - low > kTolerance) {
        // Off the ends, so that the bracket always shrinks; halved where a loss is beyond bound.
        const double secant = (low * excessHigh - high * excessLow) / (excessHigh - excessLow);
        const double t = std::isfinite(secant)
                             ? std::clamp(secant, low + 0.1 * kTolerance, high - 0.1 * kTolerance)
                             : (low + high) / 2;
        const double e = excess(last = t);
        if (std::isnan(e)) return {};
        if (std::abs(e) < 0.1 * kTolerance) return {Outcome::Settled, t};
        if (e > 0) {
            low = t;
            excessLow = e;
            if (kept == 1) excessHigh /= 2;
            kept = 1;
        } else {
            high = t;
            excessHigh = e;
            if (kept == -1) excessLow /= 2;
            kept = -1;
        }
    }
    return {Outcome::Settled, last};
}

// A balance at or above the limit is none; so is one found within the tolerance of it.
SettledCore BelowLimit(const SettledCore& settled, double limitC) {
    if (settled.outcome == Outcome::Settled &&
        !(settled.temperatureC < limitC - limits::kSettledToleranceK))
        return {Outcome::RunsAway};
    return settled;
}

}  // namespace

SettledCore SettledTemperature(double ambientC,
                               const std::function<double(double)>& thermalResistanceKPerW,
                               double limitC, const std::function<double(double)>& lossW) {
    // How much warmer the losses at T would make the core than T: not below 0 at ambient.
    const auto excess = [&](double t) {
        return ambientC + thermalResistanceKPerW(t) * lossW(t) - t;
    };
    if (std::isnan(ambientC)) return {};
    if (!(ambientC < limitC)) return {Outcome::RunsAway};
    double low = ambientC;
    double excessLow = excess(low);
    if (std::isnan(excessLow)) return {};
    if (excessLow <= 0) return {Outcome::Settled, ambientC};

    // Heating up from ambient: each step to where the losses at the last temperature would take
    // the core, or, once two steps show how fast they shrink, to where they would end (a secant
    // through the excess). Where the losses grow slowly with temperature, as in a core that
    // settles, this brackets the lowest balance in a few steps.
    double excessPrevious = NAN;
    for (int step = 0; step < 40; ++step) {
        double next = low + excessLow;
        const double shrink = excessLow / excessPrevious;
        if (shrink > 0 && shrink < 0.9) next = low + excessLow / (1 - shrink);
        next = std::min(next, limitC);
        const double excessNext = excess(next);
        if (std::isnan(excessNext)) return {};
        if (excessNext <= 0)
            return BelowLimit(Refined(excess, low, excessLow, next, excessNext), limitC);
        if (next >= limitC) break;  // no balance up to the limit on this path
        excessPrevious = excessLow;
        low = next;
        excessLow = excessNext;
        if (excessLow < 0.1 * limits::kSettledToleranceK)
            return BelowLimit({Outcome::Settled, low}, limitC);
    }

    // The steps may have passed over a balance where the losses fall with temperature (a ferrite
    // towards its loss minimum): look for the first crossing from ambient. The excess falls with
    // temperature at 1 K/K plus R_th times the rate the losses fall, so a step of half the excess
    // passes no balance where they fall by less than 1 / R_th W/K (a thermal resistance that
    // falls as the core warms only makes the excess fall faster); at least kScanStepK.
    constexpr double kScanStepK = 5;
    low = ambientC;
    excessLow = excess(low);
    while (low < limitC) {
        const double high = std::min(low + std::max(kScanStepK, excessLow / 2), limitC);
        const double excessHigh = excess(high);
        if (std::isnan(excessHigh)) return {};
        if (excessHigh <= 0)
            return BelowLimit(Refined(excess, low, excessLow, high, excessHigh), limitC);
        low = high;
        excessLow = excessHigh;
    }
    return {Outcome::RunsAway};
}

}  // namespace toroglav
