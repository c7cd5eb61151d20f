#pragma once
// "--set NAME=TEXT": one assignment to a record member named as in the record, an output's
// element of a five-element array as NAME[1] .. NAME[5].

#include <string>
#include <string_view>

#include "calc/record/design_record.h"

namespace toroglav::cli {

struct Assignment {
    const RecordField* field = nullptr;
    int element = -1;   // 0-based output index for arrays, -1 for single members
    std::string value;  // UTF-8, as given
};

// Parses "NAME=TEXT"; on failure returns false and sets `error` to a message naming the problem.
bool ParseAssignment(std::string_view argument, Assignment& assignment, std::string& error);

// Stores the assignment; an option index must be a whole number within its group. Texts are
// converted to cp1251. Returns false with `error` set when the value is not acceptable.
bool ApplyAssignment(const Assignment& assignment, DesignRecord& record, std::string& error);

}  // namespace toroglav::cli
