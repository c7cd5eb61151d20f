#include "calc/design/core_loss_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/constants.h"
#include "calc/record/option_values.h"

namespace toroglav {

namespace {
using LossTable = double[4][5];  // [induction 0.05 * 2^r T][frequency 25 * 2^c kHz], mW/cm3

constexpr LossTable kLossN87 = {
    {2.2, 7.22, 16.48, 35, 143.8},
    {14, 40, 93.97, 205, 1001.5},
    {94.57, 213.44, 525.6, 1310, 4605.4},
    {405.5, 1000.1, 2700, 6730, 23658},
};
// The last two cells of the 0.4 T row repeat the 0.2 T row; the no-data limit keeps them from
// ever mattering.
constexpr LossTable kLossN27 = {
    {5.66, 13.31, 33.15, 78, 266.4},
    {31.5, 74, 186.4, 480, 1360.8},
    {149.7, 356, 885, 2311, 8039.5},
    {578.2, 1408.8, 3540, 2311, 8039.5},
};

const double kLn2 = std::log(2.0);

// Grid index of `value` on a doubling grid starting at `first`; the divisor sits just below the
// first grid value so that a value exactly on a grid line selects the cell starting there.
// Clamped to the last cell that has a right-hand neighbour.
int GridIndex(double value, double firstJustBelow, int lastCell) {
    if (!(value > 0)) return 0;
    const double steps = std::trunc(std::log(value / firstJustBelow) / kLn2);
    return static_cast<int>(std::clamp(steps, 0.0, static_cast<double>(lastCell)));
}
}  // namespace

CoreLoss EstimateCoreLoss(std::int32_t material, double induction, double frequency,
                          double volume) {
    CoreLoss result;
    const std::optional<Material> known = KnownMaterial(material);
    if (!known) {
        result.hasData = false;
        return result;
    }
    const bool n87 = *known == Material::N87;
    const LossTable& table = n87 ? kLossN87 : kLossN27;
    const double frequencyLimit = n87 ? 100 : 50;
    if (induction > 0.2 && frequency > frequencyLimit) {
        result.hasData = false;
        result.warning = kNoLossDataWarning;
        return result;
    }

    const int row = GridIndex(induction, constants::kLossGridInductionJustBelowT, 2);
    const int column = GridIndex(frequency, constants::kLossGridFrequencyJustBelowKHz, 3);
    const double p00 = table[row][column], p01 = table[row][column + 1];
    const double p10 = table[row + 1][column], p11 = table[row + 1][column + 1];

    const double lowRowExponent = std::log(p01 / p00) / kLn2;
    const double highRowExponent = std::log(p11 / p10) / kLn2;
    const double xf = frequency / (constants::kLossGridFirstFrequencyKHz * std::ldexp(1.0, column));
    const double lowRow = std::pow(xf, lowRowExponent) * p00;
    const double highRow = std::pow(xf, highRowExponent) * p10;
    const double inductionExponent = std::log(highRow / lowRow) / kLn2;
    const double xb = induction / (constants::kLossGridFirstInductionT * std::ldexp(1.0, row));

    result.density = std::pow(xb, inductionExponent) * lowRow;
    result.loss = result.density / 1000 * volume;
    if (Overheats(result.density)) result.warning = kOverheatWarning;
    result.overheat = OverheatFor(result.density);
    return result;
}

bool Overheats(double density) {
    return density > constants::kOverheat50K;
}

OverheatRange OverheatFor(double density) {
    using namespace constants;
    using Kind = OverheatRange::Kind;
    constexpr double kAbove = std::numeric_limits<double>::infinity();
    if (density > kOverheat55K) return {Kind::Band, 55, kAbove};
    if (density >= kOverheat50K) return {Kind::Band, 50, 55};
    if (density >= kOverheat45K) return {Kind::Band, 45, 50};
    if (density >= kOverheat40K) return {Kind::Band, 40, 45};
    if (density >= kOverheat35K) return {Kind::Band, 35, 40};
    if (density >= kOverheat30K) return {Kind::Band, 30, 35};
    if (density >= kOverheat25K) return {Kind::Band, 25, 30};
    if (density > 0) return {Kind::Band, 0, 25};
    if (density == 0) return {Kind::NoData};
    return {Kind::Unknown};
}

}  // namespace toroglav
