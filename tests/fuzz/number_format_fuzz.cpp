// Any bytes as a number text, and any double, through the number rule and the formatter. The
// rule must agree bit for bit with the standard conversion of the "C" locale (after the comma
// and the 'd' exponent are turned into what it reads); the fixed-point texts with the plain
// reference rounding for every allowed count of decimals; the shortest text must read back.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "calc/text/number_text.h"
#include "calc/text/result_format.h"
#include "fuzz_check.h"
#include "tests/calc/text/reference_fixed.h"

using namespace toroglav;

namespace {

// The text as strtod reads it: cut where no number can go on (so that its hexadecimal, "inf"
// and "nan" forms never start), the comma as a point, 'd' and 'D' as 'e'.
std::string StandardForm(std::string_view text) {
    std::string form;
    for (const char c : text) {
        const bool space = c == ' ' || (c >= '\t' && c <= '\r');
        const bool numeric = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' ||
                             c == ',' || c == 'e' || c == 'E' || c == 'd' || c == 'D';
        if (!space && !numeric) break;
        form += c == ',' ? '.' : c == 'd' || c == 'D' ? 'e' : c;
    }
    return form;
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::int32_t ReferenceWhole(std::string_view text) {
    const long long value = std::strtoll(StandardForm(text).c_str(), nullptr, 10);
    constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
}

template <std::size_t... Counts>
constexpr std::array<FixedDecimals, sizeof...(Counts)> DecimalCounts(
    std::index_sequence<Counts...>) {
    return {FixedDecimals(static_cast<int>(Counts))...};
}
constexpr auto kEveryDecimalCount =
    DecimalCounts(std::make_index_sequence<kMaxFixedDecimals + 1>());

void CheckFormats(double value) {
    for (const FixedDecimals decimals : kEveryDecimalCount) {
        const std::string text = FormatFixed(value, decimals);
        if (std::isfinite(value))
            fuzz::Require(text == ReferenceFixed(value, decimals.count()),
                          "the fixed-point text is the reference rounding");
        else
            fuzz::Require(text == (std::isnan(value) ? "nan"
                                   : value < 0       ? "-inf"
                                                     : "inf"),
                          "a non-finite value reads inf, -inf or nan");
    }
    const std::string shortest = FormatShortest(value);
    if (std::isnan(value)) {
        fuzz::Require(shortest == "nan", "nan prints as nan");
    } else {
        fuzz::Require(SameBits(std::strtod(shortest.c_str(), nullptr), value),
                      "the shortest text reads back as the same double");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ParseNumberText(text);
    fuzz::Require(SameBits(value, std::strtod(StandardForm(text).c_str(), nullptr)),
                  "the number rule reads as the standard conversion");
    fuzz::Require(ParseWholeNumberText(text) == ReferenceWhole(text),
                  "the whole-number rule reads as the standard conversion, saturated");
    CheckFormats(value);
    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        CheckFormats(bits);
    }
    return 0;
}
