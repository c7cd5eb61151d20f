// Every text the calculation shows, written from its numbers (shown_results.h lists them).
#include "calc/design/result_texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "calc/design/shown_results.h"
#include "calc/text/cp1251.h"
#include "calc/text/result_format.h"

namespace toroglav {

namespace {

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

using R = DesignRecord;

class TextWriter {
public:
    explicit TextWriter(DesignRecord& record) : record_(record) {}
    TextLine Set(Text R::*member) { return TextLine(record_.*member); }
    TextLine Set(OutputTexts R::*member, int output) { return TextLine((record_.*member)[output]); }
    void Keep(WorkingNumber R::*member, double value) { record_.*member = value; }

private:
    DesignRecord& record_;
};

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
    shown::EmitResults(result, writer);
    // An unknown band leaves the text of the run before.
    if (result.coreLoss.overheat.kind != OverheatRange::Kind::Unknown) {
        record.m_strOverheat.clear();
        AppendOverheatText(record.m_strOverheat, result.coreLoss.overheat);
    }
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
