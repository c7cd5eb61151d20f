#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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
    // Copy the numeric prefix in the form from_chars reads: '.' separator, 'e' exponent.
    std::string prefix;  // short inputs stay in the string's inline buffer
    auto put = [&](char c) { prefix += c; };
    std::size_t pos = SkipSpace(text);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    int mantissaDigits = 0;
    int integerDigits = 0;  // significant digits before the separator, for overflow direction
    bool seenSeparator = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            ++mantissaDigits;
            if (!seenSeparator && (integerDigits > 0 || c != '0')) ++integerDigits;
            put(c);
        } else if ((c == ',' || c == '.') && !seenSeparator) {
            seenSeparator = true;
            put('.');
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return 0.0;

    long exponentSign = 1;
    long exponentValue = 0;
    if (pos < text.size() &&
        (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
        std::size_t exp = pos + 1;
        const std::size_t exponentAt = prefix.size();
        put('e');
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            if (text[exp] == '-') exponentSign = -1;
            put(text[exp++]);
        }
        if (exp < text.size() && IsDigit(text[exp])) {
            for (; exp < text.size() && IsDigit(text[exp]); ++exp) {
                put(text[exp]);
                if (exponentValue < 100000) exponentValue = exponentValue * 10 + (text[exp] - '0');
            }
        } else {
            prefix.resize(
                exponentAt);  // "12e" or "12e+" has no exponent: the number ends before the 'e'
        }
    }

    double value = 0.0;
    const auto parsed = std::from_chars(prefix.data(), prefix.data() + prefix.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        const long magnitude = integerDigits + exponentSign * exponentValue;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
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
