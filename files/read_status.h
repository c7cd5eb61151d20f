#pragma once
// How reading a design file ended, and the message the program shows for each failure.

#include <string>
#include <string_view>

namespace toroglav {

enum class ReadStatus {
    kOk,
    kEndOfFile,     // the data ended inside an integer, a length prefix or a text
    kArchiveError,  // an unusable length, or the device failed
    kOutOfMemory,   // a text too large for the memory available
};

inline constexpr std::string_view kUnnamedFile = "an unnamed file";

// The message for a failed read, %1 naming the file; empty for kOk.
std::string ReadErrorMessage(ReadStatus status, std::string_view fileName = kUnnamedFile);

}  // namespace toroglav
