#include "cli/number_argument.h"

#include <charconv>
#include <cmath>

namespace toroglav::cli {

std::optional<double> NumberArgument(std::string_view text) {
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        !std::isfinite(number))
        return std::nullopt;
    return number;
}

}  // namespace toroglav::cli
