#pragma once
// The order in which a design file holds the record's inputs, derived from the record's table of
// members (RecordFields): every option and input with a file position, a per-output member as
// five items in a row. Options come first, then texts; results and working numbers are never
// stored.

#include <span>

#include "calc/record/design_record.h"

namespace toroglav {

// One item of the design file: an option index or a text, or one output's element of either.
struct StoredItem {
    std::int32_t DesignRecord::*option = nullptr;
    std::array<std::int32_t, kOutputCount> DesignRecord::*options = nullptr;
    Text DesignRecord::*text = nullptr;
    OutputTexts DesignRecord::*texts = nullptr;
    int output = 0;  // the element of a per-output member

    bool IsOption() const { return option || options; }

    template <class Record>
    auto& OptionIn(Record& r) const {
        return option ? r.*option : (r.*options)[output];
    }
    template <class Record>
    auto& TextIn(Record& r) const {
        return text ? r.*text : (r.*texts)[output];
    }
};

// Every item in file order.
std::span<const StoredItem> StoredItems();

}  // namespace toroglav
