// Any bytes as a design file. The reader ends with one of its statuses, the calculation, the text
// report and the command line's listing run on whatever record the reader left (the listing
// reading back member by member), and the calculated inputs, written out, read back as exactly
// the same file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/design/calculation.h"
#include "cli/record_listing.h"
#include "files/design_file.h"
#include "files/text_report.h"
#include "fuzz_check.h"
#include "listing_check.h"

using namespace toroglav;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DesignRecord record;
    MemorySource file(std::string_view(reinterpret_cast<const char*>(data), size));
    ReadDesignRecord(file, record);
    CalculateRecord(record, [](std::string_view) {});
    ComposeTextReport(record);
    fuzz::CheckListing(cli::ListRecord(record), record);

    std::string written;
    StringSink sink(written);
    fuzz::Require(WriteDesignRecord(sink, record), "a calculated record can be written");
    DesignRecord reread;
    MemorySource writtenFile(written);
    fuzz::Require(ReadDesignRecord(writtenFile, reread) == ReadStatus::kOk,
                  "a written record reads back");
    fuzz::Require(writtenFile.Remaining() == 0, "the read takes the whole written file");
    std::string rewritten;
    StringSink again(rewritten);
    WriteDesignRecord(again, reread);
    fuzz::Require(rewritten == written, "the record read back writes the same bytes");
    return 0;
}
