#pragma once
// Reading numbers from record texts. A comma and a point are both decimal separators; whatever
// follows the longest numeric prefix is ignored, and a text that does not begin with a number
// reads as 0. Nothing here depends on the process locale.

#include <cstdint>
#include <string_view>

namespace toroglav {

// Optional sign, digits with at most one separator, optional exponent (e, E, d or D).
double ParseNumberText(std::string_view text);

// Optional sign and digits only; stops at a separator ("2000,7" gives 2000). Saturates at the
// 32-bit range.
std::int32_t ParseWholeNumberText(std::string_view text);

}  // namespace toroglav
