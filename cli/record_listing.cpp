#include "cli/record_listing.h"

#include <variant>

#include "calc/text/cp1251.h"
#include "calc/text/result_format.h"

namespace toroglav::cli {

namespace {
// A byte written as its escape: a backslash doubled, \n, \r, \t, or \xHH.
void AppendEscape(std::string& out, unsigned char byte) {
    constexpr char kHex[] = "0123456789ABCDEF";
    switch (byte) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
    }
}

bool IsControl(char32_t code) {
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0);
}

void AppendValue(std::string& out, std::int32_t option) {
    out += std::to_string(option);
}
// A text on one line whatever it holds: a backslash and each control character escaped (the
// C0 controls, DEL, and 0x98, which stands for the C1 control U+0098), the rest in UTF-8.
void AppendValue(std::string& out, const Text& text) {
    Text escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || IsControl(Cp1251ToUnicode(byte)))
            AppendEscape(escaped, byte);
        else
            escaped += c;
    }
    out += Cp1251ToUtf8(escaped);  // the escapes are ASCII, the same in both code pages
}
void AppendValue(std::string& out, const WorkingNumber& number) {
    out += number ? FormatShortest(*number) : "unset";
}

void AppendLine(std::string& out, std::string_view name, int element, const auto& value) {
    out += name;
    if (element >= 0) {
        out += '[';
        out += static_cast<char>('1' + element);
        out += ']';
    }
    out += '=';
    AppendValue(out, value);
    out += '\n';
}
}  // namespace

std::string ListRecord(const DesignRecord& record) {
    std::string out;
    out.reserve(4096);
    for (const RecordField& field : RecordFields()) {
        std::visit(
            [&](auto member) {
                const auto& value = record.*member;
                if constexpr (requires {
                                  value.size();
                                  value[0];
                              } &&
                              !std::is_same_v<std::decay_t<decltype(value)>, Text>) {
                    for (int i = 0; i < kOutputCount; ++i) AppendLine(out, field.name, i, value[i]);
                } else {
                    AppendLine(out, field.name, -1, value);
                }
            },
            field.member);
    }
    return out;
}

std::string EscapedUtf8(std::string_view text) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD itself
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t code = NextUtf8CodePoint(text, pos);
        const std::string_view bytes = text.substr(start, pos - start);
        const bool malformed = code == 0xFFFD && bytes != kReplacement;
        if (code == '\\' || IsControl(code) || malformed)
            for (const char c : bytes) AppendEscape(out, static_cast<unsigned char>(c));
        else
            out += bytes;
    }
    return out;
}

}  // namespace toroglav::cli
