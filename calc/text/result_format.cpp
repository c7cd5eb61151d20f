#include "calc/text/result_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace toroglav {

namespace {
bool AppendNonFinite(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "nan";
        return true;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return true;
    }
    return false;
}

// A double in scientific form, "-d.dddddddddddddddde-308" at the longest (24 characters).
constexpr std::size_t kScientificTextSize = 32;
// The significant digits of such a text: 17 at the most.
constexpr std::size_t kSignificantDigitsSize = 20;
// The digits of a 64-bit unsigned number: 20 at the most.
constexpr int kUint64Digits = 20;

// Digits and decimal exponent of a double written in scientific form by to_chars.
struct Scientific {
    char digits[kSignificantDigitsSize];
    int count = 0;
    int exponent = 0;  // value = d.ddd x 10^exponent
};

Scientific Split(const char* begin, const char* end) {
    Scientific s;
    const char* p = begin;
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') s.digits[s.count++] = *p;
    if (p != end) {
        ++p;  // 'e'
        if (p != end && *p == '+') ++p;
        std::from_chars(p, end, s.exponent);  // the text has no terminating zero
    }
    return s;
}

constexpr std::uint64_t kPow10[] = {1ull,
                                    10ull,
                                    100ull,
                                    1000ull,
                                    10000ull,
                                    100000ull,
                                    1000000ull,
                                    10000000ull,
                                    100000000ull,
                                    1000000000ull,
                                    10000000000ull,
                                    100000000000ull,
                                    1000000000000ull,
                                    10000000000000ull,
                                    100000000000000ull,
                                    1000000000000000ull,
                                    10000000000000000ull,
                                    100000000000000000ull,
                                    1000000000000000000ull,
                                    10000000000000000000ull};

// A positive finite value to 17 significant digits: value ~ significand x 10^(exponent - 16),
// with significand in [1e16, 1e17).
struct SeventeenDigits {
    std::uint64_t significand = 0;
    int exponent = 0;
};

// Exact 128-bit integer arithmetic: value = mantissa / 2^shift, so the digits are
// mantissa * 10^k / 2^shift rounded (ties to even, like to_chars), with k chosen to give 17
// digits. Covers the magnitudes results have (about 1e-3 to 4e15) and is several times faster
// than a general conversion; returns false outside that range.
bool SeventeenDigitsFast(double value, SeventeenDigits& result) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>(bits >> 52) & 0x7FF;
    if (biasedExponent == 0) return false;  // zero and subnormals
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biasedExponent;
    // log10(2) ~ 0.30103; the estimate may be one off, which the loop corrects.
    int exponent = static_cast<int>(std::floor((biasedExponent - 1023) * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 16 - exponent;
        if (k < 0 || k > 19 || shift < 1 || shift > 120) return false;
        using u128 = unsigned __int128;
        const u128 scaled = static_cast<u128>(mantissa) * kPow10[k];
        u128 quotient = scaled >> shift;
        if (quotient >= kPow10[17]) {
            ++exponent;
            continue;
        }
        if (quotient < kPow10[16]) {
            --exponent;
            continue;
        }
        const u128 remainder = scaled - (quotient << shift);
        const u128 half = static_cast<u128>(1) << (shift - 1);
        if (remainder > half || (remainder == half && (quotient & 1))) ++quotient;
        if (quotient == kPow10[17]) {  // rounding carried into a new digit: 9.99..9 -> 10
            quotient = kPow10[16];
            ++exponent;
        }
        result = {static_cast<std::uint64_t>(quotient), exponent};
        return true;
    }
    return false;
}

SeventeenDigits ToSeventeenDigits(double positive) {
    SeventeenDigits result;
    if (SeventeenDigitsFast(positive, result)) return result;
    char text[kScientificTextSize];
    const auto written =
        std::to_chars(text, text + sizeof text, positive, std::chars_format::scientific, 16);
    const Scientific s = Split(text, written.ptr);
    for (int i = 0; i < s.count; ++i)
        result.significand = result.significand * 10 + (s.digits[i] - '0');
    result.exponent = s.exponent;
    return result;
}
}  // namespace

void AppendFixed(std::string& out, double value, FixedDecimals fixedDecimals) {
    if (AppendNonFinite(out, value)) return;
    const int decimals = fixedDecimals.count();
    const SeventeenDigits d = ToSeventeenDigits(std::fabs(value));

    // Keep the digits down to 10^-decimals and round on the first dropped one: `kept` is the
    // value in units of 10^-decimals, followed by `trailingZeros` more zeros for large values.
    const int keep = value == 0.0 ? 0 : d.exponent + 1 + decimals;
    std::uint64_t kept = 0;
    int trailingZeros = 0;
    if (keep >= 17) {
        kept = d.significand;
        trailingZeros = keep - 17;
    } else if (keep >= 0) {
        const std::uint64_t dropped = kPow10[17 - keep];
        kept = d.significand / dropped;
        if (d.significand % dropped >= 5 * kPow10[16 - keep]) ++kept;
    }

    // The largest double has 309 integer digits; the decimals are at most kMaxFixedDecimals.
    constexpr int kMaxIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;
    char digits[kMaxIntegerDigits + kMaxFixedDecimals];
    int count = static_cast<int>(std::to_chars(digits, digits + kUint64Digits, kept).ptr - digits);
    for (int i = 0; i < trailingZeros; ++i) digits[count++] = '0';

    // Lay out sign, integer part, comma and decimals in one buffer and append it at once.
    char text[1 + kMaxIntegerDigits + 1 + kMaxFixedDecimals];  // sign, digits, comma
    int length = 0;
    if (std::signbit(value)) text[length++] = '-';
    const int integerCount = count - decimals;  // <= 0: the value is below 1
    if (integerCount <= 0) text[length++] = '0';
    for (int i = 0; i < integerCount; ++i) text[length++] = digits[i];
    if (decimals > 0) {
        text[length++] = ',';
        for (int i = integerCount; i < count; ++i) text[length++] = i < 0 ? '0' : digits[i];
    }
    out.append(text, length);
}

std::string FormatShortest(double value) {
    std::string out;
    if (AppendNonFinite(out, value)) return out;
    char text[kScientificTextSize];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    const bool negative = value < 0 || std::signbit(value);
    Scientific s = Split(negative ? text + 1 : text, written.ptr);
    if (negative) out += '-';
    if (s.exponent < -4 || s.exponent >= 16) {
        out += s.digits[0];
        if (s.count > 1) {
            out += '.';
            out.append(s.digits + 1, s.count - 1);
        }
        out += s.exponent < 0 ? "e-" : "e+";
        const int magnitude = std::abs(s.exponent);
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (s.exponent < 0) {
        out += "0.";
        out.append(-s.exponent - 1, '0');
        out.append(s.digits, s.count);
    } else {
        const int integerDigits = s.exponent + 1;
        for (int i = 0; i < integerDigits; ++i) out += i < s.count ? s.digits[i] : '0';
        out += '.';
        if (s.count > integerDigits)
            out.append(s.digits + integerDigits, s.count - integerDigits);
        else
            out += '0';
    }
    return out;
}

}  // namespace toroglav
