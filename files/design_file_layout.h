#pragma once
// The order in which a design file holds the record's inputs: twelve option indices, then
// forty-four texts. The file order is not the record's declared order, and the results and
// working numbers are never stored.
//
// Each function hands the members to `visit` in file order and stops at the first visit that
// returns false, so one list serves the writer (const record) and the reader.

#include "calc/design_record.h"

namespace toroglav {

template <typename Record, typename Visit>
bool ForEachStoredOption(Record& r, Visit&& visit) {
    return visit(r.m_nConverter) && visit(r.m_nCoreType) && visit(r.m_nMaterial) &&
           visit(r.m_nController) && visit(r.m_nSupplyKind) && visit(r.m_nStabilization) &&
           visit(r.m_nRectifier[0]) && visit(r.m_nRectifier[1]) && visit(r.m_nRectifier[2]) &&
           visit(r.m_nRectifier[3]) && visit(r.m_nRectifier[4]) && visit(r.m_nSwitchDrop);
}

template <typename Texts, typename Visit>
bool ForEachOutput(Texts& texts, Visit& visit) {
    for (auto& text : texts)
        if (!visit(text)) return false;
    return true;
}

template <typename Record, typename Visit>
bool ForEachStoredText(Record& r, Visit&& visit) {
    return visit(r.m_strDimD) && visit(r.m_strDimd) && visit(r.m_strDimh) && visit(r.m_strDimho) &&
           visit(r.m_strDimHs) && visit(r.m_strDimL) && visit(r.m_strPermeability) &&
           visit(r.m_strInductionMax) && visit(r.m_strFrequency) && visit(r.m_strDutyMax) &&
           visit(r.m_strDeadTime) && visit(r.m_strCurrentDensity) && visit(r.m_strWindowFill) &&
           visit(r.m_strSupplyMin) && visit(r.m_strSupplyNom) && visit(r.m_strSupplyMax) &&
           ForEachOutput(r.m_strOutVoltage, visit) && visit(r.m_strUsat) && visit(r.m_strRdsOn) &&
           ForEachOutput(r.m_strOutCurrent, visit) && ForEachOutput(r.m_strOutCurrentMin, visit) &&
           ForEachOutput(r.m_strDiodeDrop, visit) && visit(r.m_strWirePrimary) &&
           ForEachOutput(r.m_strWireOut, visit);
}

}  // namespace toroglav
