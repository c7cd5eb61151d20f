#pragma once
// The calculate command without any window.
//
// Calculate() converts the record's input texts to numbers, runs the stages and gives back every
// result as a number; it does not change the record. CalculateRecord() is the command the window
// and the command line run: it calculates, reports the warnings, then writes every result text
// into the record (result_texts.h).

#include <string_view>
#include <vector>

#include "calc/design/core_loss_table.h"
#include "calc/design/stages.h"
#include "calc/design/warning_handler.h"
#include "calc/record/design_record.h"

namespace toroglav {

// Everything one run works out, stage by stage: the members are computed in the order they are
// declared, each from those before it.
struct DesignResult {
    explicit DesignResult(const DesignRecord& record);
    // The same design from inputs already converted, as a search over one input runs it.
    explicit DesignResult(const stages::Inputs& inputs);

    stages::Inputs inputs;
    stages::OperatingPoint operatingPoint;
    stages::CoreGeometry core;
    stages::Primary primary;
    CoreLoss coreLoss;
    stages::Windings windings;
    stages::Outputs outputs;  // with the working duty the outputs leave
    stages::PowerSummary power;
    std::vector<std::string_view> warnings;  // cp1251, in the order raised

    // True when every number that a result text shows is finite ("inf" and "nan" appear
    // nowhere).
    bool Finite() const;
};

// One run of the calculation. Never fails: texts that are not numbers read as 0 and divisions by
// zero give non-finite results.
DesignResult Calculate(const DesignRecord& record);

// Calculates, hands each warning to `onWarning` (when set), then writes the results into the
// record. Writes back into the inputs too: commas of numeric inputs become points, the unused one
// of duty factor and dead time receives the derived value, the saturation voltage receives the
// computed switch drop (Rds(on) mode), and an empty minimum current of an active output receives
// its default.
DesignResult CalculateRecord(DesignRecord& record, const WarningHandler& onWarning);

}  // namespace toroglav
