#pragma once
// Code page 1251 (Windows Cyrillic) <-> Unicode, the only text conversion in the program.
//
// Every text of a design lives as cp1251 bytes; the window, the command line and file names
// speak Unicode. The table maps each of the 256 bytes to a distinct code point (the one byte that
// cp1251 leaves unassigned, 0x98, maps to U+0098), so a byte string survives a round trip through
// Unicode unchanged. A code point without a cp1251 form becomes '?'.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace toroglav {

// Code points of the bytes 0x80..0xFF; bytes below 0x80 are ASCII.
inline constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

constexpr char32_t Cp1251ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kCp1251High[byte - 0x80]};
}

// The cp1251 byte of a code point, or '?' when it has none.
constexpr char UnicodeToCp1251(char32_t code) {
    if (code < 0x80) return static_cast<char>(code);
    for (std::size_t i = 0; i < kCp1251High.size(); ++i)
        if (kCp1251High[i] == code) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at `pos` and advances it; a malformed byte reads as U+FFFD.
constexpr char32_t NextUtf8CodePoint(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || pos + extra > utf8.size()) return 0xFFFD;
    char32_t code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        code = (code << 6) | (next & 0x3F);
        ++pos;
    }
    return code;
}

std::string Cp1251ToUtf8(std::string_view cp1251);
std::string Utf8ToCp1251(std::string_view utf8);

// A cp1251 text written in the source as a readable UTF-8 literal and converted while compiling:
// `Cp1251<"мГн">` is a std::string_view of the bytes EC C3 ED.
template <std::size_t N>
struct Utf8Literal {
    char bytes[N]{};
    constexpr Utf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
    }
};

// The encoded bytes live inside the value itself (a variable template that pointed into another
// template's storage trips a linker fault in some compilers).
template <std::size_t N>
struct Cp1251Text {
    std::array<char, N> bytes{};
    std::size_t size = 0;

    constexpr std::string_view view() const { return {bytes.data(), size}; }
    constexpr operator std::string_view() const { return view(); }
    friend constexpr bool operator==(const Cp1251Text& a, std::string_view b) {
        return a.view() == b;
    }
};

template <Utf8Literal Text>
inline constexpr Cp1251Text<sizeof(Text.bytes)> Cp1251 = [] {
    Cp1251Text<sizeof(Text.bytes)> result;
    const std::string_view utf8(Text.bytes, sizeof(Text.bytes) - 1);
    for (std::size_t pos = 0; pos < utf8.size();)
        result.bytes[result.size++] = UnicodeToCp1251(NextUtf8CodePoint(utf8, pos));
    return result;
}();

}  // namespace toroglav
