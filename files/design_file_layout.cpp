#include "files/design_file_layout.h"

#include <array>

namespace toroglav {

namespace {

// Twelve option indices, then forty-four texts.
constexpr std::size_t kStoredItemCount = 56;

// Each item goes to its position; the table numbers them without gaps.
std::array<StoredItem, kStoredItemCount> ItemsInFileOrder() {
    std::array<StoredItem, kStoredItemCount> items{};
    for (const RecordField& field : RecordFields()) {
        if (field.filePosition == RecordField::kNotStored) continue;
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                StoredItem item;
                if constexpr (std::is_same_v<Member, std::int32_t DesignRecord::*>) {
                    item.option = member;
                } else if constexpr (std::is_same_v<Member, Text DesignRecord::*>) {
                    item.text = member;
                } else if constexpr (std::is_same_v<Member, std::array<std::int32_t, kOutputCount>
                                                                DesignRecord::*>) {
                    item.options = member;
                } else if constexpr (std::is_same_v<Member, OutputTexts DesignRecord::*>) {
                    item.texts = member;
                } else {
                    return;  // working numbers are never stored
                }
                const int count = field.IsArray() ? kOutputCount : 1;
                for (int k = 0; k < count; ++k) {
                    item.output = k;
                    items.at(static_cast<std::size_t>(field.filePosition + k)) = item;
                }
            },
            field.member);
    }
    return items;
}

}  // namespace

std::span<const StoredItem> StoredItems() {
    // Built once, without the heap: reading a file allocates nothing but its texts.
    static const std::array<StoredItem, kStoredItemCount> items = ItemsInFileOrder();
    return items;
}

}  // namespace toroglav
