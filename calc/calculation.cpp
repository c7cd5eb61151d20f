#include "calc/calculation.h"

#include "calc/core_loss.h"
#include "calc/number_text.h"
#include "calc/stages.h"

namespace toroglav {

namespace {
// Replaces the commas of an input text by points in place: the field then shows the points.
const Text& WithPoints(Text& text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

double TakeNumber(Text& text) {
    return ParseNumberText(WithPoints(text));
}

void TakeNumbers(OutputTexts& texts, std::array<double, kOutputCount>& values) {
    for (int i = 0; i < kOutputCount; ++i) values[i] = TakeNumber(texts[i]);
}
}  // namespace

namespace stages {
Inputs ConvertInputs(DesignRecord& r) {
    Inputs in;
    in.dimD = TakeNumber(r.m_strDimD);
    in.dimd = TakeNumber(r.m_strDimd);
    in.dimh = TakeNumber(r.m_strDimh);
    in.dimho = TakeNumber(r.m_strDimho);
    in.dimHs = TakeNumber(r.m_strDimHs);
    in.dimL = TakeNumber(r.m_strDimL);
    in.inductionMax = TakeNumber(r.m_strInductionMax);
    in.frequency = TakeNumber(r.m_strFrequency);
    in.permeability = ParseWholeNumberText(WithPoints(r.m_strPermeability));
    in.usat = TakeNumber(r.m_strUsat);
    in.rdsOn = TakeNumber(r.m_strRdsOn);
    in.supplyMin = TakeNumber(r.m_strSupplyMin);
    in.supplyNom = TakeNumber(r.m_strSupplyNom);
    in.supplyMax = TakeNumber(r.m_strSupplyMax);
    TakeNumbers(r.m_strOutVoltage, in.outVoltage);
    TakeNumbers(r.m_strOutCurrent, in.outCurrent);
    TakeNumbers(r.m_strOutCurrentMin, in.outCurrentMin);
    in.wirePrimary = TakeNumber(r.m_strWirePrimary);
    TakeNumbers(r.m_strWireOut, in.wireOut);
    in.currentDensity = TakeNumber(r.m_strCurrentDensity);
    in.windowFill = TakeNumber(r.m_strWindowFill);
    in.dutyMax = TakeNumber(r.m_strDutyMax);
    in.deadTime = TakeNumber(r.m_strDeadTime);
    TakeNumbers(r.m_strDiodeDrop, in.diodeDrop);
    r.m_dInduction = in.inductionMax;
    r.m_dFrequency = in.frequency;
    return in;
}
}  // namespace stages

void Calculate(DesignRecord& record, const WarningHandler& onWarning) {
    using namespace stages;
    const Inputs in = ConvertInputs(record);
    for (OutputTexts* column : {&record.m_strOutTurns, &record.m_strOutWire, &record.m_strOutVmin,
                                &record.m_strOutVnom, &record.m_strOutVmax, &record.m_strChoke})
        for (Text& text : *column) text.clear();

    OperatingPoint op = ComputeOperatingPoint(record, in);
    const CoreGeometry core = ComputeCoreGeometry(record, in);
    Primary primary = ComputePrimaryTurns(record, in, op, core);
    ComputeCoreLoss(record, onWarning);
    ComputeInductanceAndWireAreas(record, in, core, primary);
    const OutputShares outputs = ComputeOutputs(record, in, op, primary);
    ComputePowerSummary(record, in, op, core, primary, outputs, *record.m_dCoreLoss);
}

}  // namespace toroglav
