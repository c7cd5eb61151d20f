#include "calc/record/field_rules.h"

#include "calc/constants.h"
#include "calc/record/option_values.h"
#include "calc/text/number_text.h"
#include "calc/text/result_format.h"

namespace toroglav {

namespace {

// Reads `text` into `number`; a value above `limit` replaces the text (strictly above: the limit
// itself stays as typed).
void Limit(Text& text, WorkingNumber& number, double limit, std::string_view replacement) {
    number = ParseNumberText(text);
    if (*number > limit) text = replacement;
}

}  // namespace

void SelectDcSupply(DesignRecord& record) {
    if (SupplyKindOf(record.m_nSupplyKind) != SupplyKind::Mains) return;
    for (Text* supply : {&record.m_strSupplyMin, &record.m_strSupplyNom, &record.m_strSupplyMax})
        *supply = FormatFixed(constants::kMainsToDc * ParseNumberText(*supply), 0);
    record.m_nSupplyKind = IndexOf(SupplyKind::Dc);
}

void SelectMainsSupply(DesignRecord& record) {
    record.m_strSupplyMin = "198";
    record.m_strSupplyNom = "220";
    record.m_strSupplyMax = "242";
    record.m_nSupplyKind = IndexOf(SupplyKind::Mains);
}

void LimitInduction(DesignRecord& record) {
    Limit(record.m_strInductionMax, record.m_dInduction, kInductionLimit, kInductionLimitText);
}

void LimitFrequency(DesignRecord& record) {
    Limit(record.m_strFrequency, record.m_dFrequency, kFrequencyLimit, kFrequencyLimitText);
}

ControllerEdits ControllerEditsFor(std::int32_t controller) {
    const bool deadTime = ControllerOf(controller) == Controller::DeadTime;
    return {.dutyMax = !deadTime, .deadTime = deadTime};
}

SwitchDropEdits SwitchDropEditsFor(std::int32_t switchDrop) {
    const bool rdsOn = SwitchDropOf(switchDrop) == SwitchDrop::RdsOn;
    return {.usat = !rdsOn, .rdsOn = rdsOn};
}

}  // namespace toroglav
