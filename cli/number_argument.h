#pragma once
// A number given on the command line: the whole argument, with a decimal point ("40", "-12.5",
// "1e3"), finite. Each option judges its own range.

#include <optional>
#include <string_view>

namespace toroglav::cli {

std::optional<double> NumberArgument(std::string_view text);

}  // namespace toroglav::cli
