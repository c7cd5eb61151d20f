#include "files/default_file_name.h"

#include <algorithm>

#include "calc/record/option_values.h"
#include "calc/text/cp1251.h"
#include "calc/text/joined_text.h"

namespace toroglav {

namespace {

// The core as the name starts with it; a core given by its parameters (or an unknown type)
// adds nothing.
void AppendCore(Text& name, const DesignRecord& r) {
    const std::optional<CoreType> type = KnownCoreType(r.m_nCoreType);
    switch (type.value_or(CoreType::Other)) {
        case CoreType::Ring:
            AppendJoined(name, {Cp1251<"Расчёт кольца ">, r.m_strDimD, "x", r.m_strDimd, "x",
                                r.m_strDimh, ", "});
            break;
        case CoreType::E:
            AppendJoined(name, {Cp1251<"Расчёт Е(Ш) ">, r.m_strDimD, "x", r.m_strDimL, "x",
                                r.m_strDimd, "x", r.m_strDimHs, ", "});
            break;
        case CoreType::Etd:
            AppendJoined(name, {Cp1251<"Расчёт ETD ">, r.m_strDimd, "x", r.m_strDimHs, "x",
                                r.m_strDimD, ", "});
            break;
        case CoreType::Other:
            break;
    }
}

void AppendOutput(Text& name, const DesignRecord& r, int k) {
    AppendJoined(name, {r.m_strOutVoltage[k], Cp1251<"Вх">, r.m_strOutCurrent[k], Cp1251<"А">});
}

}  // namespace

Text BuildDefaultFileName(const DesignRecord& r) {
    Text name;
    AppendCore(name, r);
    AppendJoined(name, {r.m_strFrequency, Cp1251<"кГц, ">, r.m_strSupplyMax, Cp1251<"В, ">});
    AppendOutput(name, r, 0);
    // Further outputs by their voltage text only: an empty current leaves "ВхА".
    for (int k = 1; k < kOutputCount; ++k) {
        if (r.m_strOutVoltage[k].empty()) continue;
        name += ", ";
        AppendOutput(name, r, k);
    }
    return name;
}

Text FileNameFromText(Text name) {
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '/' || c == '\0'; }, '_');
    return name;
}

}  // namespace toroglav
