#pragma once
// Core loss and expected overheating from the ferrite's loss tables.
//
// Each material has a 4 x 5 table of specific loss (mW/cm3) at 0.05/0.1/0.2/0.4 T and
// 25/50/100/200/400 kHz; a working point is interpolated as power laws in frequency along the two
// neighbouring induction rows, then as a power law in induction between them. Beyond the last
// row or column the last pair is extrapolated by the same laws, so no table is read outside.

#include <cstdint>
#include <string_view>

#include "calc/text/cp1251.h"

namespace toroglav {

inline constexpr std::string_view kNoLossDataWarning = Cp1251<
    "Потери слишком велики.\nНет данных для расчета потерь!\nСнизте индукцию и(или) частоту!">;
// What the loss and the overheating show when there are no loss data.
inline constexpr std::string_view kNoLossDataText = "?  ";
inline constexpr std::string_view kOverheatWarning =
    Cp1251<"Ожидаемый перегрев сердечника более 50 градусов.\nСнизте индукцию и(или) частоту!">;

// The expected overheating of the core, a band of temperature rise in K.
struct OverheatRange {
    enum class Kind {
        Band,     // from lowK to highK; lowK 0 is "below highK", an infinite highK "above lowK"
        NoData,   // no loss was computed
        Unknown,  // the loss is not a number, or negative
    };
    Kind kind = Kind::Unknown;
    double lowK = 0, highK = 0;
};

struct CoreLoss {
    double density = 0;  // mW/cm3
    double loss = 0;     // W
    bool hasData = true;
    std::string_view warning;  // empty, or one of the two warnings above
    OverheatRange overheat{OverheatRange::Kind::NoData};
};

// Loss at induction `induction` (T) and `frequency` (kHz) in a core of `volume` cm3.
// Material 0 is N87, 1 is N27; any other index has no data and raises no warning.
CoreLoss EstimateCoreLoss(std::int32_t material, double induction, double frequency, double volume);

// True when a specific loss (mW/cm3) heats the core by more than 50 degrees: strictly above the
// threshold, which itself still reads as the 50 to 55 K band without a warning.
bool Overheats(double density);

// The temperature-rise band for a specific loss (mW/cm3).
OverheatRange OverheatFor(double density);

}  // namespace toroglav
