#include "cli/record_listing.h"

#include <variant>

#include "calc/cp1251.h"
#include "calc/result_format.h"

namespace toroglav::cli {

namespace {
void AppendValue(std::string& out, std::int32_t option) {
    out += std::to_string(option);
}
// A text on one line whatever it holds: a backslash doubled, a control character escaped (the
// C0 controls, DEL, and 0x98, which stands for the C1 control U+0098), the rest in UTF-8.
void AppendValue(std::string& out, const Text& text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    Text escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte == 0x7F || byte == 0x98) {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        } else {
            escaped += c;
        }
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

}  // namespace toroglav::cli
