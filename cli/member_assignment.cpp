#include "cli/member_assignment.h"

#include <charconv>
#include <variant>

#include "calc/text/cp1251.h"
#include "calc/text/joined_text.h"

namespace toroglav::cli {

namespace {
const RecordField* FindField(std::string_view name) {
    for (const RecordField& field : RecordFields())
        if (field.name == name) return &field;
    return nullptr;
}

// Reads a whole decimal number; the whole text must be the number.
bool ReadWholeNumber(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc{} && result.ptr == text.data() + text.size();
}
}  // namespace

bool ParseAssignment(std::string_view argument, Assignment& assignment, std::string& error) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        error = Joined({"missing '=' in '", argument, "'"});
        return false;
    }
    std::string_view name = argument.substr(0, equals);
    assignment.value = std::string(argument.substr(equals + 1));
    assignment.element = -1;

    if (const std::size_t open = name.find('['); open != std::string_view::npos) {
        const std::string_view index = name.substr(open + 1);
        int output = 0;
        if (index.empty() || index.back() != ']' ||
            !ReadWholeNumber(index.substr(0, index.size() - 1), output) || output < 1 ||
            output > kOutputCount) {
            error = Joined({"bad output number in '", name, "' (outputs are 1 to 5)"});
            return false;
        }
        assignment.element = output - 1;
        name = name.substr(0, open);
    }
    assignment.field = FindField(name);
    if (assignment.field == nullptr) {
        error = Joined({"unknown member '", name, "'"});
        return false;
    }
    if (assignment.field->IsArray() != (assignment.element >= 0)) {
        error = assignment.field->IsArray()
                    ? Joined({"'", name, "' needs an output number, as ", name, "[1]"})
                    : Joined({"'", name, "' is not a per-output member"});
        return false;
    }
    if (std::holds_alternative<WorkingNumber DesignRecord::*>(assignment.field->member)) {
        error = Joined({"'", name, "' is a working number that the calculation writes"});
        return false;
    }
    return true;
}

bool ApplyAssignment(const Assignment& assignment, DesignRecord& record, std::string& error) {
    const RecordField& field = *assignment.field;
    auto setOption = [&](std::int32_t& option) {
        int value = 0;
        if (!ReadWholeNumber(assignment.value, value) || value < 0 || value >= field.optionCount) {
            error =
                Joined({"'", field.name, "' takes a whole number from 0 to ",
                        std::to_string(field.optionCount - 1), ", not '", assignment.value, "'"});
            return false;
        }
        option = value;
        return true;
    };
    const std::string text = Utf8ToCp1251(assignment.value);
    return std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, std::int32_t DesignRecord::*>) {
                return setOption(record.*member);
            } else if constexpr (std::is_same_v<Member, std::array<std::int32_t, kOutputCount>
                                                            DesignRecord::*>) {
                return setOption((record.*member)[assignment.element]);
            } else if constexpr (std::is_same_v<Member, Text DesignRecord::*>) {
                record.*member = text;
                return true;
            } else if constexpr (std::is_same_v<Member, OutputTexts DesignRecord::*>) {
                (record.*member)[assignment.element] = text;
                return true;
            } else {
                return false;  // working numbers are refused when parsing
            }
        },
        field.member);
}

}  // namespace toroglav::cli
