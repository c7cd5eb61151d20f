#include "files/utf16_text.h"

#include "calc/text/cp1251.h"

namespace toroglav {

namespace {

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::string Utf16LeToCp1251(std::string_view bytes) {
    const std::size_t count = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(bytes[2 * i]) |
               static_cast<unsigned char>(bytes[2 * i + 1]) << 8;
    };
    std::string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t unit = unitAt(i);
        // A pair stands for a character beyond the Basic Multilingual Plane, which cp1251 lacks.
        if (IsHighSurrogate(unit) && i + 1 < count && IsLowSurrogate(unitAt(i + 1))) {
            text += '?';
            ++i;
            continue;
        }
        text += UnicodeToCp1251(unit);  // a lone surrogate has no form either: '?'
    }
    return text;
}

}  // namespace toroglav
