#pragma once
// The one place where a calculation's numbers become the record's texts.

#include "calc/design/calculation.h"
#include "calc/design/core_loss_table.h"
#include "calc/record/design_record.h"

namespace toroglav {

// Writes every result text and working number of `result` into the record, with the formats the
// window shows (decimal comma), after clearing the per-output results of the run before; and
// writes back the inputs the calculation completes (see CalculateRecord).
void WriteResultTexts(const DesignResult& result, DesignRecord& record);

// The text of an overheating band: "< 25", "35 - 40", "> 55", or "?  " without data; empty for
// an unknown band, which leaves the text of the run before in place.
Text OverheatText(const OverheatRange& band);
void AppendOverheatText(Text& text, const OverheatRange& band);

}  // namespace toroglav
