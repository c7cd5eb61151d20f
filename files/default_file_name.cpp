#include "files/default_file_name.h"

#include <algorithm>

#include "calc/record/option_values.h"
#include "calc/text/joined_text.h"

namespace toroglav {

namespace {

// The core as the name starts with it; a core given by its parameters (or an unknown type)
// adds nothing.
void AppendCore(Text& name, const DesignRecord& r, const FileNameWords& words) {
    const std::optional<CoreType> type = KnownCoreType(r.m_nCoreType);
    switch (type.value_or(CoreType::Other)) {
        case CoreType::Ring:
            AppendJoined(name, {words.ring, r.m_strDimD, "x", r.m_strDimd, "x", r.m_strDimh, ", "});
            break;
        case CoreType::E:
            AppendJoined(name, {words.eCore, r.m_strDimD, "x", r.m_strDimL, "x", r.m_strDimd, "x",
                                r.m_strDimHs, ", "});
            break;
        case CoreType::Etd:
            AppendJoined(name,
                         {words.etdCore, r.m_strDimd, "x", r.m_strDimHs, "x", r.m_strDimD, ", "});
            break;
        case CoreType::Other:
            break;
    }
}

void AppendOutput(Text& name, const DesignRecord& r, int k, const FileNameWords& words) {
    AppendJoined(name, {r.m_strOutVoltage[k], words.voltsBy, r.m_strOutCurrent[k], words.amperes});
}

}  // namespace

Text BuildDefaultFileName(const DesignRecord& r, const FileNameWords& words) {
    Text name;
    AppendCore(name, r, words);
    AppendJoined(name, {r.m_strFrequency, words.kilohertz, r.m_strSupplyMax, words.volts});
    AppendOutput(name, r, 0, words);
    // Further outputs by their voltage text only: an empty current leaves "ВхА".
    for (int k = 1; k < kOutputCount; ++k) {
        if (r.m_strOutVoltage[k].empty()) continue;
        name += ", ";
        AppendOutput(name, r, k, words);
    }
    return name;
}

Text FileNameFromText(Text name) {
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '/' || c == '\0'; }, '_');
    return name;
}

}  // namespace toroglav
