#pragma once
// The text report: the main inputs and results of a calculated design, for reading or
// printing. Code page 1251, every line ended by CR LF, no byte-order mark; never read back.

#include <filesystem>

#include "calc/record/design_record.h"
#include "files/replace_file.h"

namespace toroglav {

// The induction at nominal supply as the report prints it: four decimals with a decimal point
// ("0.1873"). The window keeps this text in m_strInductionRange, as it did when it printed.
Text ReportInductionText(const DesignRecord& record);

// The whole report of a calculated record.
Text ComposeTextReport(const DesignRecord& record);

// Writes the report; an existing file is replaced only once the whole write succeeded.
FileWriteResult SaveTextReport(const std::filesystem::path& path, const DesignRecord& record);

}  // namespace toroglav
