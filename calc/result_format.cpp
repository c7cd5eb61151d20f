#include "result_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

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

// Digits and decimal exponent of a double written in scientific form by to_chars.
struct Scientific {
    char digits[20];
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
}  // namespace

void AppendFixed(std::string& out, double value, int decimals) {
    if (AppendNonFinite(out, value)) return;
    if (std::signbit(value)) out += '-';

    char text[40];
    const auto written = std::to_chars(text, text + sizeof text, std::fabs(value),
                                       std::chars_format::scientific, 16);
    Scientific s = Split(text, written.ptr);

    // Keep the digits down to 10^-decimals; `keep` may be negative (all digits dropped).
    const int keep = value == 0.0 ? 0 : s.exponent + 1 + decimals;
    char kept[400];
    int keptCount = 0;
    for (int i = 0; i < keep; ++i) kept[keptCount++] = i < s.count ? s.digits[i] : '0';
    const bool roundUp = keep >= 0 && keep < s.count && s.digits[keep] >= '5';
    if (roundUp) {
        int i = keptCount - 1;
        for (; i >= 0 && kept[i] == '9'; --i) kept[i] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {  // carry past the first digit: 9.99 -> 10.0
            for (int j = keptCount; j > 0; --j) kept[j] = kept[j - 1];
            kept[0] = '1';
            ++keptCount;
        }
    }
    // The last `decimals` kept digits are the fraction; a negative start means zeros before them.
    const int fractionStart = keptCount - decimals;  // index of the first decimal in `kept`
    if (fractionStart <= 0) {
        out += '0';
    } else {
        out.append(kept, fractionStart);
    }
    if (decimals > 0) {
        out += ',';
        for (int i = fractionStart; i < keptCount; ++i) out += i < 0 ? '0' : kept[i];
    }
}

std::string FormatShortest(double value) {
    std::string out;
    if (AppendNonFinite(out, value)) return out;
    char text[40];
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
