#include "ui/option_rules.h"

#include "calc/number_text.h"
#include "calc/result_format.h"

namespace toroglav::ui {

namespace {

// Reads `text` into `number`; a value above `limit` replaces the text (strictly above: the limit
// itself stays as typed).
void Limit(Text& text, WorkingNumber& number, double limit, std::string_view replacement) {
    number = ParseNumberText(text);
    if (*number > limit) text = replacement;
}

}  // namespace

void SelectDcSupply(DesignRecord& record) {
    if (record.m_nSupplyKind != 1) return;
    for (Text* supply : {&record.m_strSupplyMin, &record.m_strSupplyNom, &record.m_strSupplyMax})
        *supply = FormatFixed(kMainsToDc * ParseNumberText(*supply), 0);
    record.m_nSupplyKind = 0;
}

void SelectMainsSupply(DesignRecord& record) {
    record.m_strSupplyMin = "198";
    record.m_strSupplyNom = "220";
    record.m_strSupplyMax = "242";
    record.m_nSupplyKind = 1;
}

void LimitInduction(DesignRecord& record) {
    Limit(record.m_strInductionMax, record.m_dInduction, kInductionLimit, "0,3");
}

void LimitFrequency(DesignRecord& record) {
    Limit(record.m_strFrequency, record.m_dFrequency, kFrequencyLimit, "300");
}

ControllerEdits ControllerEditsFor(std::int32_t controller) {
    return {.dutyMax = controller != 1, .deadTime = controller == 1};
}

SwitchDropEdits SwitchDropEditsFor(std::int32_t switchDrop) {
    return {.usat = switchDrop != 1, .rdsOn = switchDrop == 1};
}

}  // namespace toroglav::ui
