// The messages shown for failed reads.

#include "files/read_status.h"

#include <gtest/gtest.h>

#include <string>

namespace toroglav {
namespace {

struct MessageCase {
    const char* description;
    ReadStatus status;
    const char* fileName;  // nullptr: the default name
    const char* message;
};

class ReadErrorMessageText : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ReadErrorMessageText, NamesTheFile) {
    const auto& [description, status, fileName, message] = GetParam();
    const std::string text =
        fileName ? ReadErrorMessage(status, fileName) : ReadErrorMessage(status);
    EXPECT_EQ(text, message);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ReadErrorMessageText,
    ::testing::Values(
        MessageCase{"EndOfFileUnnamed", ReadStatus::kEndOfFile, nullptr,
                    "An attempt was made to access an unnamed file past its end."},
        MessageCase{"ArchiveErrorUnnamed", ReadStatus::kArchiveError, nullptr,
                    "An unknown error occurred while accessing an unnamed file."},
        MessageCase{"OutOfMemoryUnnamed", ReadStatus::kOutOfMemory, nullptr, "Out of memory."},
        MessageCase{"EndOfFileNamed", ReadStatus::kEndOfFile, "design.sav",
                    "An attempt was made to access design.sav past its end."},
        MessageCase{"ArchiveErrorNameWithPlaceholder", ReadStatus::kArchiveError, "a %1 b",
                    "An unknown error occurred while accessing a %1 b."},
        MessageCase{"OutOfMemoryNamed", ReadStatus::kOutOfMemory, "design.sav", "Out of memory."},
        MessageCase{"OkHasNoMessage", ReadStatus::kOk, "design.sav", ""}),
    [](const auto& info) { return std::string(info.param.description); });

}  // namespace
}  // namespace toroglav
