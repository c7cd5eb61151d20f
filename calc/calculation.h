#pragma once
// The calculate command without any window: converts the record's input texts, runs the stages
// and writes every result text and working number back into the record.

#include "calc/design_record.h"
#include "calc/warning_handler.h"

namespace toroglav {

// One run of the calculation. Never fails: texts that are not numbers read as 0 and divisions by
// zero give non-finite results, shown as "inf" or "nan". Writes back into the inputs: commas of
// numeric inputs become points, the unused one of duty factor and dead time receives the derived
// value, the saturation voltage receives the computed switch drop (Rds(on) mode), and an empty
// minimum current of an active output receives its default.
void Calculate(DesignRecord& record, const WarningHandler& onWarning);

}  // namespace toroglav
