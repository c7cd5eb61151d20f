#include "calc/design/calculation.h"

#include <cmath>

#include "calc/design/result_texts.h"
#include "calc/design/shown_results.h"
#include "calc/text/number_text.h"
#include "calc/text/result_format.h"

namespace toroglav {

namespace stages {
Inputs ConvertInputs(const DesignRecord& r) {
    Inputs in;
    in.converter = ConverterOf(r.m_nConverter);
    in.controller = ControllerOf(r.m_nController);
    in.switchDrop = SwitchDropOf(r.m_nSwitchDrop);
    for (int i = 0; i < kOutputCount; ++i) in.rectifier[i] = RectifierOf(r.m_nRectifier[i]);
    in.stabilization = StabilizationOf(r.m_nStabilization);
    in.coreType = KnownCoreType(r.m_nCoreType).value_or(CoreType::Ring);
    in.material = r.m_nMaterial;
    in.supplyKind = SupplyKindOf(r.m_nSupplyKind);

    auto number = [](const Text& text) { return ParseNumberText(text); };
    auto numbers = [&](const OutputTexts& texts, std::array<double, kOutputCount>& values) {
        for (int i = 0; i < kOutputCount; ++i) values[i] = number(texts[i]);
    };
    in.dimD = number(r.m_strDimD);
    in.dimd = number(r.m_strDimd);
    in.dimh = number(r.m_strDimh);
    in.dimho = number(r.m_strDimho);
    in.dimHs = number(r.m_strDimHs);
    in.dimL = number(r.m_strDimL);
    in.inductionMax = number(r.m_strInductionMax);
    in.frequency = number(r.m_strFrequency);
    in.permeability = ParseWholeNumberText(r.m_strPermeability);
    in.usat = number(r.m_strUsat);
    in.rdsOn = number(r.m_strRdsOn);
    in.supplyMin = number(r.m_strSupplyMin);
    in.supplyNom = number(r.m_strSupplyNom);
    in.supplyMax = number(r.m_strSupplyMax);
    numbers(r.m_strOutVoltage, in.outVoltage);
    numbers(r.m_strOutCurrent, in.outCurrent);
    numbers(r.m_strOutCurrentMin, in.outCurrentMin);
    in.wirePrimary = number(r.m_strWirePrimary);
    numbers(r.m_strWireOut, in.wireOut);
    in.currentDensity = number(r.m_strCurrentDensity);
    in.windowFill = number(r.m_strWindowFill);
    in.dutyMax = number(r.m_strDutyMax);
    in.deadTime = number(r.m_strDeadTime);
    numbers(r.m_strDiodeDrop, in.diodeDrop);
    return in;
}
}  // namespace stages

DesignResult::DesignResult(const DesignRecord& record)
    : DesignResult(stages::ConvertInputs(record)) {}

DesignResult::DesignResult(const stages::Inputs& convertedInputs)
    : inputs(convertedInputs),
      operatingPoint(stages::ComputeOperatingPoint(inputs)),
      core(stages::ComputeCoreGeometry(inputs)),
      primary(stages::ComputePrimaryTurns(inputs, operatingPoint, core)),
      coreLoss(EstimateCoreLoss(inputs.material, primary.inductionNom, inputs.frequency, core.ve)),
      windings(stages::ComputeWindings(inputs, core, primary)),
      outputs(stages::ComputeOutputs(inputs, operatingPoint, primary, windings)),
      power(stages::ComputePowerSummary(inputs, operatingPoint, core, primary, windings, outputs,
                                        coreLoss.loss)) {
    if (!coreLoss.warning.empty()) warnings.push_back(coreLoss.warning);
}

namespace {

// Goes through the result texts and only looks at their numbers.
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
    Line Set(Text DesignRecord::*) { return Line(finite); }
    Line Set(OutputTexts DesignRecord::*, int) { return Line(finite); }
    void Keep(WorkingNumber DesignRecord::*, double) {}

    bool finite = true;
};

}  // namespace

bool DesignResult::Finite() const {
    FiniteCheck check;
    shown::EmitResults(*this, check);
    return check.finite;
}

DesignResult Calculate(const DesignRecord& record) {
    return DesignResult(record);
}

DesignResult CalculateRecord(DesignRecord& record, const WarningHandler& onWarning) {
    DesignResult result = Calculate(record);
    if (onWarning)
        for (const std::string_view warning : result.warnings) onWarning(warning);
    WriteResultTexts(result, record);
    return result;
}

}  // namespace toroglav
