#pragma once
// Reads a listing back and checks it against the record it was made from: every member on one
// line of its own in declared order, each text decoding to exactly its bytes, no raw control
// character anywhere, working numbers reading back as the same double.

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

#include "calc/record/design_record.h"
#include "calc/text/cp1251.h"
#include "fuzz_check.h"

namespace toroglav::fuzz {

// The cp1251 bytes of a listed text, undoing the escapes; false for a malformed escape.
inline bool DecodeListedText(std::string_view listed, Text& text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    text.clear();
    for (std::size_t pos = 0; pos < listed.size();) {
        const auto byte = static_cast<unsigned char>(listed[pos]);
        if (byte < 0x20 || byte == 0x7F) return false;  // a raw control character
        if (listed[pos] != '\\') {
            const char32_t code = NextUtf8CodePoint(listed, pos);
            if (code == 0x98) return false;  // the one C1 control cp1251 holds
            text += UnicodeToCp1251(code);
            continue;
        }
        if (++pos == listed.size()) return false;
        const char escape = listed[pos++];
        if (escape == '\\') {
            text += '\\';
        } else if (escape == 'n') {
            text += '\n';
        } else if (escape == 'r') {
            text += '\r';
        } else if (escape == 't') {
            text += '\t';
        } else if (escape == 'x' && pos + 2 <= listed.size()) {
            const std::size_t high = kHex.find(listed[pos]), low = kHex.find(listed[pos + 1]);
            if (high == std::string_view::npos || low == std::string_view::npos) return false;
            text += static_cast<char>(high * 16 + low);
            pos += 2;
        } else {
            return false;
        }
    }
    return true;
}

inline void CheckListedValue(std::string_view listed, std::int32_t option) {
    Require(listed == std::to_string(option), "an option lists as its number");
}
inline void CheckListedValue(std::string_view listed, const Text& text) {
    Text decoded;
    Require(DecodeListedText(listed, decoded), "a listed text has only well-formed escapes");
    Require(decoded == text, "a listed text decodes to exactly the record's text");
}
inline void CheckListedValue(std::string_view listed, const WorkingNumber& number) {
    if (!number) {
        Require(listed == "unset", "an empty working number lists as unset");
    } else if (std::isnan(*number)) {
        Require(listed == "nan", "a nan working number lists as nan");
    } else {
        const double back = std::strtod(std::string(listed).c_str(), nullptr);
        Require(std::memcmp(&back, &*number, sizeof back) == 0,
                "a working number lists as a text that reads back as it");
    }
}

inline void CheckListing(std::string_view listing, const DesignRecord& record) {
    std::size_t pos = 0;
    const auto checkLine = [&](std::string_view name, int element, const auto& value) {
        const std::size_t end = listing.find('\n', pos);
        Require(end != std::string_view::npos, "every member has a line of its own");
        std::string_view line = listing.substr(pos, end - pos);
        pos = end + 1;
        std::string key(name);
        if (element >= 0) key += "[" + std::to_string(element + 1) + "]";
        key += '=';
        Require(line.starts_with(key), "the lines name the members in declared order");
        line.remove_prefix(key.size());
        CheckListedValue(line, value);
    };
    for (const RecordField& field : RecordFields()) {
        std::visit(
            [&](auto member) {
                const auto& value = record.*member;
                using Value = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, OutputTexts> ||
                              std::is_same_v<Value, std::array<std::int32_t, kOutputCount>>) {
                    for (int i = 0; i < kOutputCount; ++i) checkLine(field.name, i, value[i]);
                } else {
                    checkLine(field.name, -1, value);
                }
            },
            field.member);
    }
    Require(pos == listing.size(), "nothing follows the last member");
}

}  // namespace toroglav::fuzz
