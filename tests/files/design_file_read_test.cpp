// Reading design files: accepted prefix forms, UTF-16 texts, failures and partial reads.

#include <gtest/gtest.h>

#include <string>

#include "file_test_support.h"
#include "files/design_file.h"

namespace toroglav::test {
namespace {

const std::string kZeroOptions(48, '\0');
const std::string kEmptyTextsAfterFirst(43, '\0');

// A record whose stored members all differ from anything the tests write into files.
DesignRecord PreviousValues() {
    DesignRecord record;
    for (const auto& option : StoredOptions()) option.get(record) = 99;
    for (const auto& text : StoredTexts()) text.get(record) = std::string("old ") + text.name;
    return record;
}

ReadStatus ReadFrom(std::string_view bytes, DesignRecord& record) {
    MemorySource source(bytes);
    return ReadDesignRecord(source, record);
}

TEST(DesignFileRead, EmptyFileFailsOnTheFirstItemAndChangesNothing) {
    DesignRecord record = PreviousValues();
    EXPECT_EQ(ReadFrom("", record), ReadStatus::kEndOfFile);
    EXPECT_EQ(record, PreviousValues());
}

TEST(DesignFileRead, OutOfRangeOptionIsKeptAsRead) {
    std::string bytes = Written(EmptyInputs());
    bytes.replace(4, 4, Hex("07000000"));
    bytes.replace(44, 4, Hex("FEFFFFFF"));
    DesignRecord record = PreviousValues();
    ASSERT_EQ(ReadFrom(bytes, record), ReadStatus::kOk);
    EXPECT_EQ(record.m_nCoreType, 7);
    EXPECT_EQ(record.m_nSwitchDrop, -2);
}

TEST(DesignFileRead, BytesAfterTheLastItemAreIgnoredAndLeftUnread) {
    DesignRecord original;
    original.m_strWireOut[4] = "1,5";
    const std::string extra = "trailing bytes";
    const std::string bytes = Written(original) + extra;
    MemorySource source(bytes);
    DesignRecord record = PreviousValues();
    ASSERT_EQ(ReadDesignRecord(source, record), ReadStatus::kOk);
    EXPECT_EQ(record, original);
    EXPECT_EQ(source.Remaining(), extra.size());
}

TEST(DesignFileRead, FileEndingInsideItem20KeepsEarlierItemsFromTheFile) {
    DesignRecord original;
    original.m_nCoreType = 2;
    original.m_strPermeability = "2300";
    original.m_strInductionMax = "0,15";
    const std::string bytes = Written(original);
    // Options, then "40" "25" "11" "0" "" "" "2300", then the prefix and first byte of "0,15".
    const std::size_t item20 = 48 + 3 + 3 + 3 + 2 + 1 + 1 + 5;
    ASSERT_EQ(bytes.substr(item20, 5), Hex("04") + "0,15");

    DesignRecord record = PreviousValues();
    EXPECT_EQ(ReadFrom(bytes.substr(0, item20 + 2), record), ReadStatus::kEndOfFile);
    for (const auto& option : StoredOptions())
        EXPECT_EQ(option.get(record), option.get(original)) << option.name;
    DesignRecord previous = PreviousValues();
    for (std::size_t i = 0; i < StoredTexts().size(); ++i) {
        const auto& text = StoredTexts()[i];
        DesignRecord& expected = i < 7 ? original : previous;
        EXPECT_EQ(text.get(record), text.get(expected)) << text.name;
    }
}

// One text item written in a form the writer never uses, as the first text of a file whose
// other texts are empty; the rest of the file must still read correctly.
struct TextFormCase {
    const char* description;
    const char* item;
    std::string expected;
};

class TextForm : public ::testing::TestWithParam<TextFormCase> {};

TEST_P(TextForm, ReadsToTheExpectedCp1251Text) {
    const auto& param = GetParam();
    DesignRecord record = PreviousValues();
    ASSERT_EQ(ReadFrom(kZeroOptions + Hex(param.item) + kEmptyTextsAfterFirst, record),
              ReadStatus::kOk);
    EXPECT_EQ(record.m_strDimD, param.expected);
    EXPECT_EQ(record.m_strDimd, "");
    EXPECT_EQ(record.m_strWireOut[4], "");
}

INSTANTIATE_TEST_SUITE_P(
    AcceptedForms, TextForm,
    ::testing::Values(
        TextFormCase{"Utf16CyrillicLetters", "FF FE FF 02 10 04 11 04", "\xC0\xC1"},
        TextFormCase{"Utf16Empty", "FF FE FF 00", ""},
        TextFormCase{"Utf16AsciiAndEuroSign", "FF FE FF 02 41 00 AC 20", "A\x88"},
        TextFormCase{"Utf16CharacterWithoutCp1251Form", "FF FE FF 02 3F 26 42 00", "?B"},
        TextFormCase{"Utf16SurrogatePairIsOneCharacter", "FF FE FF 03 3D D8 00 DE 42 00", "?B"},
        TextFormCase{"Utf16LoneHighSurrogate", "FF FE FF 02 3D D8 42 00", "?B"},
        TextFormCase{"Utf16LoneLowSurrogate", "FF FE FF 02 00 DE 42 00", "?B"},
        TextFormCase{"Utf16SixteenBitLength", "FF FE FF FF 01 00 10 04", "\xC0"},
        TextFormCase{"Utf16ThirtyTwoBitLength", "FF FE FF FF FF FF 01 00 00 00 10 04", "\xC0"},
        TextFormCase{"Utf16SixtyFourBitLength",
                     "FF FE FF FF FF FF FF FF FF FF 01 00 00 00 00 00 00 00 10 04", "\xC0"},
        TextFormCase{"SixteenBitLengthForShortText", "FF 03 00 61 62 63", "abc"},
        TextFormCase{"ThirtyTwoBitLengthForShortText", "FF FF FF 03 00 00 00 61 62 63", "abc"},
        TextFormCase{"SixtyFourBitLength", "FF FF FF FF FF FF FF 03 00 00 00 00 00 00 00 61 62 63",
                     "abc"},
        TextFormCase{"SixtyFourBitZeroLength", "FF FF FF FF FF FF FF 00 00 00 00 00 00 00 00", ""}),
    [](const auto& info) { return std::string(info.param.description); });

// A broken first text: the options are read, the failing text and all later keep their values.
struct BrokenTextCase {
    const char* description;
    const char* item;
    ReadStatus status;
};

class BrokenText : public ::testing::TestWithParam<BrokenTextCase> {};

TEST_P(BrokenText, FailsWithItsStatusAndKeepsLaterMembers) {
    const auto& param = GetParam();
    std::string bytes = kZeroOptions + Hex(param.item) + kEmptyTextsAfterFirst;
    bytes.replace(0, 4, Hex("02000000"));
    DesignRecord record = PreviousValues();
    EXPECT_EQ(ReadFrom(bytes, record), param.status);
    EXPECT_EQ(record.m_nConverter, 2);
    EXPECT_EQ(record.m_nSwitchDrop, 0);
    DesignRecord expected = PreviousValues();
    for (const auto& option : StoredOptions()) option.get(expected) = option.get(record);
    EXPECT_EQ(record, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, BrokenText,
    ::testing::Values(
        BrokenTextCase{"LengthJustAboveLimit", "FF FF FF FF FF FF FF 00 00 00 80 00 00 00 00",
                       ReadStatus::kArchiveError},
        BrokenTextCase{"LengthAllOnes", "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
                       ReadStatus::kArchiveError},
        BrokenTextCase{"Utf16LengthAboveLimit",
                       "FF FE FF FF FF FF FF FF FF FF 00 00 00 80 00 00 00 00",
                       ReadStatus::kArchiveError},
        BrokenTextCase{"LargestLengthNotInFile", "FF FF FF FF FF FF FF FF FF FF 7F 00 00 00 00",
                       ReadStatus::kEndOfFile},
        BrokenTextCase{"ThirtyTwoBitLengthNotInFile", "FF FF FF FE FF FF FF",
                       ReadStatus::kEndOfFile}),
    [](const auto& info) { return std::string(info.param.description); });

// Cutting a file anywhere before its end fails with end of file, and exactly the items that
// were complete before the cut take the file's values.
TEST(DesignFileRead, EveryTruncationKeepsExactlyTheCompleteItems) {
    DesignRecord original = EmptyInputs();
    for (std::size_t i = 0; i < StoredOptions().size(); ++i)
        StoredOptions()[i].get(original) = static_cast<std::int32_t>(i) - 3;
    for (std::size_t i = 0; i < StoredTexts().size(); ++i)
        StoredTexts()[i].get(original) = std::string(i * 7 % 11, static_cast<char>('a' + i));
    StoredTexts()[5].get(original) = std::string(300, '\xFF');
    const std::string bytes = Written(original);

    std::vector<std::size_t> itemEnds;
    for (std::size_t i = 1; i <= 12; ++i) itemEnds.push_back(4 * i);
    for (const auto& text : StoredTexts()) {
        const std::size_t n = text.get(original).size();
        itemEnds.push_back(itemEnds.back() + PrefixSize(n) + n);
    }
    ASSERT_EQ(itemEnds.back(), bytes.size());

    const DesignRecord previous = PreviousValues();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        DesignRecord record = previous;
        ASSERT_EQ(ReadFrom(std::string_view(bytes).substr(0, cut), record), ReadStatus::kEndOfFile)
            << "cut at " << cut;
        DesignRecord expected = previous;
        std::size_t item = 0;
        for (const auto& option : StoredOptions())
            if (itemEnds[item++] <= cut) option.get(expected) = option.get(original);
        for (const auto& text : StoredTexts())
            if (itemEnds[item++] <= cut) text.get(expected) = text.get(original);
        ASSERT_EQ(record, expected) << "cut at " << cut;
    }
}

// A device error while reading is not mistaken for the end of the data.
class DeviceFailure : public ::testing::TestWithParam<std::size_t> {};

TEST_P(DeviceFailure, IsTheGenericError) {
    const std::string bytes = Written(DesignRecord{});
    FailingDeviceSource source(bytes, GetParam());
    DesignRecord record = PreviousValues();
    EXPECT_EQ(ReadDesignRecord(source, record), ReadStatus::kArchiveError);
}

// At and inside an option, at the first prefix, inside the first text, inside a later text.
INSTANTIATE_TEST_SUITE_P(Positions, DeviceFailure, ::testing::Values(0, 2, 47, 48, 49, 50, 120));

}  // namespace
}  // namespace toroglav::test
