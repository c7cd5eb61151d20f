#include "files/design_file.h"

#include "files/design_file_layout.h"
#include "files/stored_items.h"

namespace toroglav {

bool WriteDesignRecord(ByteSink& sink, const DesignRecord& record) {
    return ForEachStoredOption(record,
                               [&](std::int32_t value) { return WriteOptionItem(sink, value); }) &&
           ForEachStoredText(record, [&](const Text& text) { return WriteTextItem(sink, text); });
}

ReadStatus ReadDesignRecord(ByteSource& source, DesignRecord& record) {
    ReadStatus status = ReadStatus::kOk;
    const auto readOption = [&](std::int32_t& value) {
        status = ReadOptionItem(source, value);
        return status == ReadStatus::kOk;
    };
    const auto readText = [&](Text& text) {
        status = ReadTextItem(source, text);
        return status == ReadStatus::kOk;
    };
    if (ForEachStoredOption(record, readOption)) ForEachStoredText(record, readText);
    return status;
}

}  // namespace toroglav
