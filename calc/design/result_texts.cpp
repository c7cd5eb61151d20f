// Every text the calculation shows, written from its numbers. The same list of texts also tells
// whether every number shown is finite, so a result added here is checked with the others.
#include "calc/design/result_texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "calc/constants.h"
#include "calc/text/cp1251.h"
#include "calc/text/result_format.h"

namespace toroglav {

namespace {

using R = DesignRecord;

// Builds the text of one member.
class TextLine {
public:
    explicit TextLine(Text& text) : text_(text) { text_.clear(); }
    TextLine& Number(double value, FixedDecimals decimals) {
        AppendFixed(text_, value, decimals);
        return *this;
    }
    TextLine& Literal(std::string_view literal) {
        text_ += literal;
        return *this;
    }

private:
    Text& text_;
};

class TextWriter {
public:
    explicit TextWriter(DesignRecord& record) : record_(record) {}
    TextLine Set(Text R::*member) { return TextLine(record_.*member); }
    TextLine Set(OutputTexts R::*member, int output) { return TextLine((record_.*member)[output]); }
    void Keep(WorkingNumber R::*member, double value) { record_.*member = value; }

private:
    DesignRecord& record_;
};

// Goes through the same texts and only looks at their numbers.
class FiniteCheck {
public:
    class Line {
    public:
        explicit Line(bool& finite) : finite_(finite) {}
        Line& Number(double value, FixedDecimals) {
            finite_ = finite_ && std::isfinite(value);
            return *this;
        }
        Line& Literal(std::string_view) { return *this; }

    private:
        bool& finite_;
    };
    Line Set(Text R::*) { return Line(finite); }
    Line Set(OutputTexts R::*, int) { return Line(finite); }
    void Keep(WorkingNumber R::*, double) {}

    bool finite = true;
};

constexpr std::string_view kMillihenry = Cp1251<"мГн">;
constexpr std::string_view kMicrohenry = Cp1251<"мкГн">;
constexpr std::string_view kCalculatedMark = Cp1251<" (расчет)">;

template <class Line>
void WireText(Line&& line, double diameter, double strands) {
    // The count is a whole number, so this prints it like "%i" does; a count that is not a
    // number (no current density, say) shows as "inf" or "nan" rather than a wrapped integer.
    line.Number(diameter, 2).Literal(" x ").Number(strands, 0);
}

template <class Out>
void EmitResults(const DesignResult& r, Out& out) {
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

// The text members of one kind, taken from the record's table once.
struct TextMembers {
    std::vector<Text R::*> single;
    std::vector<OutputTexts R::*> perOutput;

    explicit TextMembers(MemberKind kind) {
        for (const RecordField& field : RecordFields()) {
            if (field.kind != kind) continue;
            if (const auto* text = std::get_if<Text R::*>(&field.member)) single.push_back(*text);
            if (const auto* texts = std::get_if<OutputTexts R::*>(&field.member))
                perOutput.push_back(*texts);
        }
    }
};

// Results of an output not in use, and the voltages a stabilized output does not have, must not
// keep the texts of the run before.
void ClearOutputResults(DesignRecord& record) {
    static const TextMembers results(MemberKind::Result);
    for (const auto member : results.perOutput)
        for (Text& text : record.*member) text.clear();
}

// The inputs as the calculation read them: every comma of a numeric input becomes a point, and
// the inputs it derives or completes receive their values.
void WriteBackInputs(const DesignResult& r, DesignRecord& record) {
    auto withPoints = [](Text& text) { std::ranges::replace(text, ',', '.'); };
    static const TextMembers inputs(MemberKind::Input);
    for (const auto member : inputs.single) withPoints(record.*member);
    for (const auto member : inputs.perOutput)
        for (Text& text : record.*member) withPoints(text);

    const stages::OperatingPoint& op = r.operatingPoint;
    if (r.inputs.controller == Controller::DeadTime)
        SetFixed(record.m_strDutyMax, op.dutyMax, 3);
    else
        SetFixed(record.m_strDeadTime, op.deadTime, 3);
    if (r.inputs.switchDrop == SwitchDrop::RdsOn) SetFixed(record.m_strUsat, op.switchDrop, 3);
    for (int i = 0; i < kOutputCount; ++i)
        if (r.outputs.each[i].currentMinDefaulted)
            SetFixed(record.m_strOutCurrentMin[i], r.outputs.each[i].currentMin, 2);
}

}  // namespace

void WriteResultTexts(const DesignResult& result, DesignRecord& record) {
    WriteBackInputs(result, record);
    ClearOutputResults(record);
    TextWriter writer(record);
    EmitResults(result, writer);
    // An unknown band leaves the text of the run before.
    if (result.coreLoss.overheat.kind != OverheatRange::Kind::Unknown) {
        record.m_strOverheat.clear();
        AppendOverheatText(record.m_strOverheat, result.coreLoss.overheat);
    }
}

bool ResultsFinite(const DesignResult& result) {
    FiniteCheck check;
    EmitResults(result, check);
    return check.finite;
}

Text OverheatText(const OverheatRange& band) {
    Text text;
    AppendOverheatText(text, band);
    return text;
}

void AppendOverheatText(Text& text, const OverheatRange& band) {
    switch (band.kind) {
        case OverheatRange::Kind::Band:
            break;
        case OverheatRange::Kind::NoData:
            text += kNoLossDataText;
            return;
        case OverheatRange::Kind::Unknown:
            return;
    }
    // The band's edges are whole degrees.
    auto degrees = [&](double value) {
        char digits[8];
        const auto end = std::to_chars(digits, std::end(digits), static_cast<int>(value)).ptr;
        text.append(digits, end);
    };
    if (band.lowK == 0) {
        text += "< ";
        degrees(band.highK);
    } else if (std::isinf(band.highK)) {
        text += "> ";
        degrees(band.lowK);
    } else {
        degrees(band.lowK);
        text += " - ";
        degrees(band.highK);
    }
}

}  // namespace toroglav
