// Primary turns and induction, inductance and wire areas, and the power summary.
#include <cmath>

#include "calc/cp1251.h"
#include "calc/number_text.h"
#include "calc/result_format.h"
#include "calc/stages.h"

namespace toroglav::stages {

namespace {
// Skin depth in copper, mm at 1 kHz: the depth at f kHz is this over the square root of f.
constexpr double kSkinDepthAt1kHz = 2.0871;
// Below this inductance (mH) the primary's inductance is shown in microhenries.
constexpr double kMillihenryShownFrom = 0.1;
// A fixed factor of the overall power formula.
constexpr double kOverallPowerFactor = 0.984;
}  // namespace

Primary ComputePrimaryTurns(DesignRecord& record, const Inputs& in, const OperatingPoint& op,
                            const CoreGeometry& core) {
    // N = U / (4 f B Ae) with f in kHz and Ae in mm2.
    const double exactTurns = op.primaryMax / in.frequency / in.inductionMax / core.ae * 250;
    Text& text = record.m_strPrimaryTurns;
    SetFixed(text, exactTurns, 0);
    if (op.converter == Converter::PushPull) {  // two halves
        text += " + ";
        AppendFixed(text, exactTurns, 0);
    }
    text += " (";
    AppendFixed(text, exactTurns, 2);
    text += ')';

    Primary primary;
    primary.turns = ParseNumberText(text);  // go on with the turns as printed
    auto induction = [&](double voltage) {
        return voltage / in.frequency / primary.turns / core.ae * 250;
    };
    const double inductionMin = induction(op.primaryMin);
    primary.inductionNom = induction(op.primaryNom);
    const double inductionMax = induction(op.primaryMax);
    Text& range = record.m_strInductionRange;
    SetFixed(range, inductionMin, 3);
    range += "; ";
    AppendFixed(range, primary.inductionNom, 3);
    range += "; ";
    AppendFixed(range, inductionMax, 3);
    record.m_dInduction = primary.inductionNom;
    return primary;
}

void ComputeInductanceAndWireAreas(DesignRecord& record, const Inputs& in, const CoreGeometry& core,
                                   Primary& primary) {
    // mu0 = 4 pi 1e-7; Ae in mm2 and le in mm give mH.
    primary.inductance = in.permeability * 1.2566370614359173e-06 * primary.turns * primary.turns *
                         core.ae / core.le;
    record.m_strInductance.clear();
    if (kMillihenryShownFrom > primary.inductance) {
        AppendFixed(record.m_strInductance, primary.inductance * 1000, 3);
        record.m_strInductanceUnit = Cp1251<"мкГн">;
    } else {
        AppendFixed(record.m_strInductance, primary.inductance, 3);
        record.m_strInductanceUnit = Cp1251<"мГн">;
    }

    primary.skinDepth = kSkinDepthAt1kHz / std::sqrt(in.frequency);
    SetFixed(record.m_strSkinDiameter, primary.skinDepth + primary.skinDepth, 3);

    primary.wireArea = StrandArea(in.wirePrimary, primary.skinDepth);
    for (int i = 0; i < kOutputCount; ++i)
        primary.outWireArea[i] = StrandArea(in.wireOut[i], primary.skinDepth);
}

void ComputePowerSummary(DesignRecord& record, const Inputs& in, const OperatingPoint& op,
                         const CoreGeometry& core, const Primary& primary,
                         const OutputShares& outputs, double coreLoss) {
    const double duty = op.duty;

    std::array<double, kOutputCount> outputPower{};
    double loadPower = 0;
    double ampereTurns = 0;
    for (int i = 0; i < kOutputCount; ++i) {
        outputPower[i] = outputs[i].voltage * outputs[i].current;
        loadPower += outputPower[i];
        ampereTurns += outputs[i].turns * outputs[i].current;
    }
    SetFixed(record.m_strPowerLoad, loadPower, 1);

    // Primary current reflected from the loads, plus what the core loss draws.
    const double reflected = ampereTurns / primary.turns + coreLoss / op.primaryNom;
    const double magnetizing = duty * (op.primaryMax / primary.inductance / in.frequency) * 0.5;
    SetFixed(record.m_strMagnetizingCurrent, magnetizing, 3);
    SetFixed(record.m_strPrimaryCurrentPeak, magnetizing + reflected, 3);

    double rmsCurrent = 0, supplyCurrent = 0, primaryShape = 1;
    switch (op.converter) {
        case Converter::PushPull:  // each half conducts on its own
            rmsCurrent = std::sqrt(duty) * reflected;
            supplyCurrent = (reflected + reflected) * duty;
            primaryShape = std::sqrt(2.0);
            break;
        case Converter::HalfBridge:
            rmsCurrent = std::sqrt(duty + duty) * reflected;
            supplyCurrent = (reflected + reflected) * duty * 0.5;
            break;
        case Converter::Bridge:
            rmsCurrent = std::sqrt(duty + duty) * reflected;
            supplyCurrent = (reflected + reflected) * duty;
            break;
    }
    SetFixed(record.m_strSupplyCurrent, supplyCurrent, 3);
    const double inputPower = supplyCurrent * op.supplyNom;

    const double strands = StrandCount(rmsCurrent, in.currentDensity, primary.wireArea);
    record.m_strPrimaryWire.clear();
    AppendWireText(record.m_strPrimaryWire, in.wirePrimary, strands);

    double copper = in.wirePrimary * in.wirePrimary * kPi * 0.25 * strands * primary.turns;
    if (op.converter == Converter::PushPull) copper += copper;
    for (const OutputShare& output : outputs) copper += output.copper;
    SetFixed(record.m_strWindowFillResult, copper / core.so, 3);
    record.m_strWindowFillResult += Cp1251<" (расчет)">;

    const double efficiency = loadPower / inputPower;
    SetFixed(record.m_strEfficiency, efficiency * 100, 2);

    // Overall (size) power: how much the core could carry at this duty, induction and fill,
    // weighted by the current shape of the loads.
    double shapeSum = 0;
    for (int i = 0; i < kOutputCount; ++i)
        shapeSum += outputPower[i] * outputs[i].loadShape / loadPower;
    const double shape = shapeSum * efficiency + primaryShape;
    const double overall = std::sqrt(duty + duty) *
                               (in.frequency * primary.inductionNom * core.ae * core.so *
                                in.currentDensity * in.windowFill / 250) *
                               kOverallPowerFactor * efficiency / shape -
                           coreLoss;
    SetFixed(record.m_strPowerOverall, overall, 1);
}

}  // namespace toroglav::stages
