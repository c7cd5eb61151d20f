#include "files/design_file.h"

#include "files/design_file_layout.h"
#include "files/stored_items.h"

namespace toroglav {

bool WriteDesignRecord(ByteSink& sink, const DesignRecord& record) {
    for (const StoredItem& item : StoredItems()) {
        const bool written = item.IsOption() ? WriteOptionItem(sink, item.OptionIn(record))
                                             : WriteTextItem(sink, item.TextIn(record));
        if (!written) return false;
    }
    return true;
}

ReadStatus ReadDesignRecord(ByteSource& source, DesignRecord& record) {
    for (const StoredItem& item : StoredItems()) {
        const ReadStatus status = item.IsOption() ? ReadOptionItem(source, item.OptionIn(record))
                                                  : ReadTextItem(source, item.TextIn(record));
        if (status != ReadStatus::kOk) return status;
    }
    return ReadStatus::kOk;
}

}  // namespace toroglav
