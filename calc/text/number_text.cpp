#include "calc/text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace toroglav {

namespace {
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipSpace(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    return pos;
}
}  // namespace

double ParseNumberText(std::string_view text) {
    std::size_t pos = SkipSpace(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    const std::size_t mantissaStart = pos;
    int mantissaDigits = 0;
    // Where the first significant digit stands, for the direction of an out-of-range result:
    // significant digits before the separator, or else the zeros between it and the first one.
    int integerDigits = 0;
    int leadingFractionZeros = 0;
    int fractionDigits = 0;
    int significantDigits = 0;
    std::uint64_t significand = 0;  // exact while significantDigits <= 19
    bool seenSeparator = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            ++mantissaDigits;
            if (seenSeparator) ++fractionDigits;
            if (significantDigits > 0 || c != '0') {
                if (!seenSeparator) ++integerDigits;
                if (++significantDigits <= 19) significand = significand * 10 + (c - '0');
            } else if (seenSeparator) {
                ++leadingFractionZeros;
            }
        } else if ((c == ',' || c == '.') && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return 0.0;
    const std::size_t mantissaEnd = pos;

    // An exponent counts only with at least one digit: "12e" and "12e+" end before the 'e'. It
    // saturates far beyond any digit count a text can have, so the digits never outweigh it.
    constexpr std::int64_t kExponentLimit = std::int64_t{1} << 50;
    std::int64_t exponent = 0;
    if (pos + 1 < text.size() &&
        (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
        std::size_t at = pos + 1;
        const bool negativeExponent = text[at] == '-';
        if (text[at] == '+' || text[at] == '-') ++at;
        if (at < text.size() && IsDigit(text[at])) {
            for (; at < text.size() && IsDigit(text[at]); ++at)
                if (exponent < kExponentLimit) exponent = exponent * 10 + (text[at] - '0');
            if (negativeExponent) exponent = -exponent;
        }
    }

    // Up to 15 digits times a power of ten up to 1e22 are both exact doubles, so one
    // multiplication or division rounds correctly; everything else goes the general way.
    const std::int64_t scale = exponent - fractionDigits;
    double value = 0.0;
    if (significantDigits <= 15 && scale >= -22 && scale <= 22) {
        static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        const auto exact = static_cast<double>(significand);
        value = scale >= 0 ? exact * kPowers[scale] : exact / kPowers[-scale];
    } else {
        // The mantissa in the form from_chars reads, with the exponent as a whole.
        std::string number;
        number.reserve(mantissaEnd - mantissaStart + 8);
        for (std::size_t i = mantissaStart; i < mantissaEnd; ++i)
            number += text[i] == ',' ? '.' : text[i];
        number += 'e';
        number += std::to_string(exponent);
        const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
        if (parsed.ec == std::errc::result_out_of_range) {
            // value = 0.d... x 10^magnitude: far above 1 overflows, far below underflows.
            const std::int64_t magnitude =
                integerDigits > 0 ? integerDigits + exponent : exponent - leadingFractionZeros;
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    }
    return negative ? -value : value;
}

std::int32_t ParseWholeNumberText(std::string_view text) {
    std::size_t pos = SkipSpace(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        value = std::min(value * 10 + (text[pos] - '0'), kLimit);
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, kLimit - 1));
}

}  // namespace toroglav
