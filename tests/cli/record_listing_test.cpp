#include "cli/record_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace toroglav::cli {
namespace {

struct EscapeCase {
    const char* name;
    std::string text;  // cp1251
    const char* listed;
};

class ListingEscapeTest : public testing::TestWithParam<EscapeCase> {};

// Whatever a text holds, its member stays one line and no other member's line can be forged.
TEST_P(ListingEscapeTest, KeepsEveryMemberOnOneLine) {
    DesignRecord record;
    record.m_strDimHs = GetParam().text;
    const std::string listing = ListRecord(record);
    const auto lines = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    };
    EXPECT_EQ(lines(listing), lines(ListRecord(DesignRecord{})));
    const std::string line = std::string("\nm_strDimHs=") + GetParam().listed + "\n";
    EXPECT_NE(listing.find(line), std::string::npos) << listing;
}

INSTANTIATE_TEST_SUITE_P(Texts, ListingEscapeTest,
                         testing::Values(EscapeCase{"Plain", "12,5 \xD8", "12,5 Ш"},
                                         EscapeCase{"ForgedMember", "40\nm_strEfficiency=99",
                                                    "40\\nm_strEfficiency=99"},
                                         EscapeCase{"Backslash", "a\\nb\\", "a\\\\nb\\\\"},
                                         EscapeCase{"CarriageReturnAndTab", "1\r\t2", "1\\r\\t2"},
                                         EscapeCase{"Nul",
                                                    std::string("5\0"
                                                                "0",
                                                                3),
                                                    "5\\x000"},
                                         EscapeCase{"Escape", "\x1B[2J", "\\x1B[2J"},
                                         EscapeCase{"Delete", "\x7F", "\\x7F"},
                                         EscapeCase{"UnassignedByte", "\x98", "\\x98"}),
                         [](const auto& info) { return info.param.name; });

// User text in a message: the same escapes, for UTF-8 and for bytes that are not UTF-8.
TEST(MessageEscape, KeepsUserTextOnOneLineAndOffTheTerminalsControls) {
    EXPECT_EQ(EscapedUtf8("ETD\\39\n\x1B[2J Ш \xC2\x9B \xFF\xE2\x82 \xEF\xBF\xBD"),
              "ETD\\\\39\\n\\x1B[2J Ш \\xC2\\x9B \\xFF\\xE2\\x82 \xEF\xBF\xBD");
}

}  // namespace
}  // namespace toroglav::cli
