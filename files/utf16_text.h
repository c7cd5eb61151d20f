#pragma once
// UTF-16 texts met in design files, turned into the program's cp1251.

#include <string>
#include <string_view>

namespace toroglav {

// `bytes` are little-endian 16-bit code units (an odd last byte is ignored). A character without
// a cp1251 form, a surrogate pair included, becomes one '?'.
std::string Utf16LeToCp1251(std::string_view bytes);

}  // namespace toroglav
