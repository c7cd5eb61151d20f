// The bytes the writer produces: prefixes, item positions and whole files.

#include <gtest/gtest.h>

#include <string>

#include "file_test_support.h"
#include "files/design_file.h"

namespace toroglav::test {
namespace {

const std::string kZeroOptions(48, '\0');

TEST(DesignFileWrite, AllZeroRecordIs92ZeroBytes) {
    EXPECT_EQ(Written(EmptyInputs()), std::string(92, '\0'));
}

TEST(DesignFileWrite, DecimalCommaTextIsStoredAsTyped) {
    DesignRecord record = EmptyInputs();
    record.m_strDimD = "0,2";
    EXPECT_EQ(Written(record), kZeroOptions + Hex("03 30 2C 32") + std::string(43, '\0'));
}

TEST(DesignFileWrite, OptionBytesFollowFileOrder) {
    DesignRecord record = EmptyInputs();
    record.m_nConverter = 1;
    record.m_nStabilization = 1;
    record.m_nSwitchDrop = 1;
    const std::string bytes = Written(record);
    EXPECT_EQ(bytes.substr(0, 48), Hex("01000000") + std::string(16, '\0') + Hex("01000000") +
                                       std::string(20, '\0') + Hex("01000000"));
}

// Each option alone set to a marker lands at its own four bytes.
class OptionPosition : public ::testing::TestWithParam<std::size_t> {};

TEST_P(OptionPosition, MarkerLandsAtItsItem) {
    const std::size_t item = GetParam();
    DesignRecord record = EmptyInputs();
    StoredOptions()[item].get(record) = 0x44332211;
    std::string expected(92, '\0');
    expected.replace(4 * item, 4, Hex("11223344"));
    EXPECT_EQ(Written(record), expected) << StoredOptions()[item].name;
}

INSTANTIATE_TEST_SUITE_P(EveryOption, OptionPosition, ::testing::Range<std::size_t>(0, 12));

// Each text alone set to "Z" follows exactly the empty texts stored before it.
class TextPosition : public ::testing::TestWithParam<std::size_t> {};

TEST_P(TextPosition, MarkerLandsAtItsItem) {
    const std::size_t item = GetParam();
    DesignRecord record = EmptyInputs();
    StoredTexts()[item].get(record) = "Z";
    const std::string expected =
        kZeroOptions + std::string(item, '\0') + Hex("01 5A") + std::string(43 - item, '\0');
    EXPECT_EQ(Written(record), expected) << StoredTexts()[item].name;
}

INSTANTIATE_TEST_SUITE_P(EveryText, TextPosition, ::testing::Range<std::size_t>(0, 44));

// The length prefix around each boundary between the one-, three- and seven-byte forms.
struct PrefixCase {
    std::size_t length;
    const char* prefix;
};

class TextPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(TextPrefix, LengthIsWrittenWithTheShortestForm) {
    const auto& [length, prefix] = GetParam();
    DesignRecord record = EmptyInputs();
    const std::string text(length, '\xE0');
    record.m_strDimD = text;
    EXPECT_EQ(Written(record), kZeroOptions + Hex(prefix) + text + std::string(43, '\0'));
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, TextPrefix,
    ::testing::Values(PrefixCase{0, "00"}, PrefixCase{1, "01"}, PrefixCase{254, "FE"},
                      PrefixCase{255, "FF FF 00"}, PrefixCase{256, "FF 00 01"},
                      PrefixCase{65533, "FF FD FF"}, PrefixCase{65534, "FF FF FF FE FF 00 00"},
                      PrefixCase{65535, "FF FF FF FF FF 00 00"},
                      PrefixCase{100000, "FF FF FF A0 86 01 00"}),
    [](const auto& info) { return "Length" + std::to_string(info.param.length); });

}  // namespace
}  // namespace toroglav::test
