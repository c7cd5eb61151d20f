#pragma once
// How the calculation reports a warning without showing anything itself.

#include <functional>
#include <string_view>

namespace toroglav {

// Receives a warning (cp1251 text, lines separated by '\n'); the calculation goes on after the
// handler returns. The window shows a modal box, the command line prints a line.
using WarningHandler = std::function<void(std::string_view text)>;

}  // namespace toroglav
