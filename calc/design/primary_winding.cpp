// Primary turns and induction, inductance and wire areas, and the power summary.
#include <cmath>

#include "calc/constants.h"
#include "calc/design/stages.h"
#include "calc/text/number_text.h"
#include "calc/text/result_format.h"

namespace toroglav::stages {

double TurnsAsPrinted(double exactTurns) {
    // The count goes on exactly as its text shows it. The text rounds half up after writing 17
    // significant digits, which can differ from std::round only next to a half; below a million
    // those 17 digits are within 1e-11 of the value, so anywhere else std::round gives the same.
    const double fraction = std::abs(exactTurns - std::trunc(exactTurns));
    if (std::abs(exactTurns) < 1e6 && std::abs(fraction - 0.5) > 1e-9)
        return std::round(exactTurns);
    std::string text;
    AppendFixed(text, exactTurns, 0);
    return ParseNumberText(text);  // "inf" and "nan" read as 0
}

Primary ComputePrimaryTurns(const Inputs& in, const OperatingPoint& op, const CoreGeometry& core) {
    using constants::kTurnsFactor;
    Primary primary;
    primary.exactTurns = op.primaryMax / in.frequency / in.inductionMax / core.ae * kTurnsFactor;
    primary.turns = TurnsAsPrinted(primary.exactTurns);
    auto induction = [&](double voltage) {
        return voltage / in.frequency / primary.turns / core.ae * kTurnsFactor;
    };
    primary.inductionMin = induction(op.primaryMin);
    primary.inductionNom = induction(op.primaryNom);
    primary.inductionMax = induction(op.primaryMax);
    return primary;
}

Windings ComputeWindings(const Inputs& in, const CoreGeometry& core, const Primary& primary) {
    Windings windings;
    // mH with Ae in mm2 and le in mm.
    windings.inductance = in.permeability * constants::kMu0HenryPerMetre * primary.turns *
                          primary.turns * core.ae / core.le;
    windings.skinDepth = constants::kSkinDepthAt1kHzMm / std::sqrt(in.frequency);
    windings.wireArea = StrandArea(in.wirePrimary, windings.skinDepth);
    for (int i = 0; i < kOutputCount; ++i)
        windings.outWireArea[i] = StrandArea(in.wireOut[i], windings.skinDepth);
    return windings;
}

PowerSummary ComputePowerSummary(const Inputs& in, const OperatingPoint& op,
                                 const CoreGeometry& core, const Primary& primary,
                                 const Windings& windings, const Outputs& outputs,
                                 double coreLoss) {
    const double duty = outputs.duty.nominal;
    PowerSummary power;

    std::array<double, kOutputCount> outputPower{};
    double ampereTurns = 0;
    for (int i = 0; i < kOutputCount; ++i) {
        const Output& output = outputs.each[i];
        outputPower[i] = output.voltage * output.current;
        power.loadPower += outputPower[i];
        ampereTurns += output.turns * output.current;
    }
    const double loadPower = power.loadPower;

    // Primary current reflected from the loads, plus what the core loss draws.
    const double reflected = ampereTurns / primary.turns + coreLoss / op.primaryNom;
    power.magnetizingCurrent = duty * (op.primaryMax / windings.inductance / in.frequency) * 0.5;
    power.primaryCurrentPeak = power.magnetizingCurrent + reflected;

    double primaryShape = 1;
    switch (in.converter) {
        case Converter::PushPull:  // each half conducts on its own
            power.primaryCurrentRms = std::sqrt(duty) * reflected;
            power.supplyCurrent = (reflected + reflected) * duty;
            primaryShape = std::sqrt(2.0);
            break;
        case Converter::HalfBridge:
            power.primaryCurrentRms = std::sqrt(duty + duty) * reflected;
            power.supplyCurrent = (reflected + reflected) * duty * 0.5;
            break;
        case Converter::Bridge:
            power.primaryCurrentRms = std::sqrt(duty + duty) * reflected;
            power.supplyCurrent = (reflected + reflected) * duty;
            break;
    }
    const double inputPower = power.supplyCurrent * op.supplyNom;

    power.primaryStrands =
        StrandCount(power.primaryCurrentRms, in.currentDensity, windings.wireArea);
    double copper = in.wirePrimary * in.wirePrimary * constants::kPi * 0.25 * power.primaryStrands *
                    primary.turns;
    if (in.converter == Converter::PushPull) copper += copper;
    for (const Output& output : outputs.each) copper += output.copper;
    power.windowFill = copper / core.so;

    power.efficiency = loadPower / inputPower;

    // Overall (size) power: how much the core could carry at this duty, induction and fill,
    // weighted by the current shape of the loads.
    double shapeSum = 0;
    for (int i = 0; i < kOutputCount; ++i)
        shapeSum += outputPower[i] * outputs.each[i].loadShape / loadPower;
    const double shape = shapeSum * power.efficiency + primaryShape;
    power.overallPower = std::sqrt(duty + duty) *
                             (in.frequency * primary.inductionNom * core.ae * core.so *
                              in.currentDensity * in.windowFill / constants::kTurnsFactor) *
                             constants::kOverallPowerFactor * power.efficiency / shape -
                         coreLoss;
    return power;
}

}  // namespace toroglav::stages
