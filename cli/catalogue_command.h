#pragma once
// "--list-cores [FILTER]": the catalogue cores whose name or alias has a word beginning with
// FILTER, one a line in catalogue order: the name, the core type number and the texts of the six
// dimension fields (m_strDimD, m_strDimd, m_strDimh, m_strDimho, m_strDimHs, m_strDimL), separated
// by tabs; a field the core does not give is empty.

#include <string>
#include <string_view>

#include "cli/output.h"

namespace toroglav::cli {

std::string ListCores(std::string_view filter);

int RunCatalogue(std::string_view filter, const Streams& streams);

}  // namespace toroglav::cli
