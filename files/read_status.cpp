#include "files/read_status.h"

namespace toroglav {

namespace {

std::string ReplacePlaceholder(std::string_view pattern, std::string_view fileName) {
    constexpr std::string_view kPlaceholder = "%1";
    std::string text(pattern);
    if (const auto at = text.find(kPlaceholder); at != std::string::npos)
        text.replace(at, kPlaceholder.size(), fileName);
    return text;
}

}  // namespace

std::string ReadErrorMessage(ReadStatus status, std::string_view fileName) {
    switch (status) {
        case ReadStatus::kOk:
            return {};
        case ReadStatus::kEndOfFile:
            return ReplacePlaceholder("An attempt was made to access %1 past its end.", fileName);
        case ReadStatus::kArchiveError:
            return ReplacePlaceholder("An unknown error occurred while accessing %1.", fileName);
        case ReadStatus::kOutOfMemory:
            return "Out of memory.";
    }
    return {};
}

}  // namespace toroglav
