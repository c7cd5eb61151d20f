#pragma once
// The state file keeps the window's inputs from one run to the next. It has the design file's
// format and lives in the folder the program was started in.

#include <filesystem>
#include <string_view>

#include "calc/text/cp1251.h"

namespace toroglav {

inline constexpr std::string_view kStateFileName = Cp1251<"Тороглав.ini">;

// A cp1251 file name as the system's (UTF-8) file name.
std::filesystem::path PathFromCp1251(std::string_view name);

// The state file in `folder`; the window fixes it once, at start, so that file dialogs which
// change the working directory cannot move it.
std::filesystem::path StateFilePathIn(const std::filesystem::path& folder);

// The state file in the working directory of this moment, as an absolute path (relative only
// when the working directory no longer exists).
std::filesystem::path StateFilePathHere();

}  // namespace toroglav
