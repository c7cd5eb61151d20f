#pragma once
// Every number the calculation's result texts show, each with the member it goes into and its
// format, in one list: EmitResults() hands them to `out`, which writes the texts (result_texts.cpp)
// or only looks at the numbers (DesignResult::Finite). A result added here is checked with the
// others.
//
// `Out` has Set(member) and Set(member, output), each giving a line with Number(value, decimals)
// and Literal(text), and Keep(member, value) for the working numbers.

#include <string_view>

#include "calc/constants.h"
#include "calc/design/calculation.h"
#include "calc/text/cp1251.h"

namespace toroglav::shown {

inline constexpr std::string_view kMillihenry = Cp1251<"мГн">;
inline constexpr std::string_view kMicrohenry = Cp1251<"мкГн">;
inline constexpr std::string_view kCalculatedMark = Cp1251<" (расчет)">;

template <class Line>
void WireText(Line&& line, double diameter, double strands) {
    // The count is a whole number, so this prints it like "%i" does; a count that is not a
    // number (no current density, say) shows as "inf" or "nan" rather than a wrapped integer.
    line.Number(diameter, 2).Literal(" x ").Number(strands, 0);
}

template <class Out>
void EmitResults(const DesignResult& r, Out& out) {
    using R = DesignRecord;
    const stages::Inputs& in = r.inputs;

    out.Keep(&R::m_dCoreVolume, r.core.ve);
    out.Set(&R::m_strAe).Number(r.core.ae, 2);
    out.Set(&R::m_strSo).Number(r.core.so, 2);

    const stages::Primary& primary = r.primary;
    auto turns = out.Set(&R::m_strPrimaryTurns);
    turns.Number(primary.exactTurns, 0);
    if (in.converter == Converter::PushPull)  // two halves
        turns.Literal(" + ").Number(primary.exactTurns, 0);
    turns.Literal(" (").Number(primary.exactTurns, 2).Literal(")");
    out.Set(&R::m_strInductionRange)
        .Number(primary.inductionMin, 3)
        .Literal("; ")
        .Number(primary.inductionNom, 3)
        .Literal("; ")
        .Number(primary.inductionMax, 3);
    out.Keep(&R::m_dInduction, primary.inductionNom);
    out.Keep(&R::m_dFrequency, in.frequency);

    const CoreLoss& loss = r.coreLoss;
    out.Keep(&R::m_dLossDensity, loss.density);
    out.Keep(&R::m_dCoreLoss, loss.loss);
    if (loss.hasData)
        out.Set(&R::m_strCoreLoss).Number(loss.loss, 2);
    else
        out.Set(&R::m_strCoreLoss).Literal(kNoLossDataText);

    const stages::Windings& windings = r.windings;
    if (constants::kMillihenryShownFromMh > windings.inductance) {
        out.Set(&R::m_strInductance).Number(windings.inductance * 1000, 3);
        out.Set(&R::m_strInductanceUnit).Literal(kMicrohenry);
    } else {
        out.Set(&R::m_strInductance).Number(windings.inductance, 3);
        out.Set(&R::m_strInductanceUnit).Literal(kMillihenry);
    }
    out.Set(&R::m_strSkinDiameter).Number(windings.skinDepth + windings.skinDepth, 3);

    for (int i = 0; i < kOutputCount; ++i) {
        const stages::Output& output = r.outputs.each[i];
        if (!output.inUse) continue;
        if (output.voltagesAtLimits) {
            out.Set(&R::m_strOutVmin, i).Number(output.voltageMin, 1);
            out.Set(&R::m_strOutVnom, i).Number(output.voltage, 1);
            out.Set(&R::m_strOutVmax, i).Number(output.voltageMax, 1);
        } else {
            out.Set(&R::m_strOutVnom, i).Number(output.voltage, 1);
        }
        auto outTurns = out.Set(&R::m_strOutTurns, i);
        outTurns.Number(output.turns, 0);
        if (output.rectifier != Rectifier::Bridge)  // centre-tapped: two halves
            outTurns.Literal(" + ").Number(output.turns, 0);
        outTurns.Literal("(").Number(output.exactTurns, 2).Literal(")");
        WireText(out.Set(&R::m_strOutWire, i), in.wireOut[i], output.strands);
        out.Set(&R::m_strChoke, i).Number(output.choke, 2);
    }

    const stages::PowerSummary& power = r.power;
    out.Set(&R::m_strPowerLoad).Number(power.loadPower, 1);
    out.Set(&R::m_strMagnetizingCurrent).Number(power.magnetizingCurrent, 3);
    out.Set(&R::m_strPrimaryCurrentPeak).Number(power.primaryCurrentPeak, 3);
    out.Set(&R::m_strSupplyCurrent).Number(power.supplyCurrent, 3);
    WireText(out.Set(&R::m_strPrimaryWire), in.wirePrimary, power.primaryStrands);
    out.Set(&R::m_strWindowFillResult).Number(power.windowFill, 3).Literal(kCalculatedMark);
    out.Set(&R::m_strEfficiency).Number(power.efficiency * 100, 2);
    out.Set(&R::m_strPowerOverall).Number(power.overallPower, 1);
}

}  // namespace toroglav::shown
