// The name the save dialogs offer, for every core type and pattern of outputs in use.

#include "files/default_file_name.h"

#include <gtest/gtest.h>

#include "calc/text/cp1251.h"

namespace toroglav::test {
namespace {

struct NameCase {
    const char* name;
    std::int32_t coreType;
    OutputTexts voltages, currents;
    const char* offered;  // UTF-8
};

class DefaultFileNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(DefaultFileNameTest, ListsCoreFrequencySupplyAndOutputsInUse) {
    DesignRecord record;
    record.m_nCoreType = GetParam().coreType;
    record.m_strDimD = "20";
    record.m_strDimd = "10";
    record.m_strDimh = "7";
    record.m_strDimHs = "5";
    record.m_strDimL = "15";
    record.m_strFrequency = "100";
    record.m_strSupplyMax = "340";
    record.m_strOutVoltage = GetParam().voltages;
    record.m_strOutCurrent = GetParam().currents;
    EXPECT_EQ(Cp1251ToUtf8(BuildDefaultFileName(record)), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    CoresAndOutputs, DefaultFileNameTest,
    testing::Values(
        NameCase{"Ring", 0, {"17"}, {"10"}, "Расчёт кольца 20x10x7, 100кГц, 340В, 17Вх10А"},
        NameCase{"E", 1, {"12"}, {"2"}, "Расчёт Е(Ш) 20x15x10x5, 100кГц, 340В, 12Вх2А"},
        NameCase{"Etd", 2, {"12"}, {"2"}, "Расчёт ETD 10x5x20, 100кГц, 340В, 12Вх2А"},
        NameCase{"Other", 3, {"15"}, {""}, "100кГц, 340В, 15ВхА"},
        NameCase{"UnknownType", 7, {"15"}, {"1"}, "100кГц, 340В, 15Вх1А"},
        NameCase{"OutputsOneTwoFour",
                 3,
                 {"12", "5", "", "24", ""},
                 {"2", "1", "9", "", "3"},
                 "100кГц, 340В, 12Вх2А, 5Вх1А, 24ВхА"},
        NameCase{"EmptyFirstOutput", 3, {"", "5"}, {"", "1"}, "100кГц, 340В, ВхА, 5Вх1А"}),
    [](const auto& info) { return info.param.name; });

TEST(DefaultFileName, BecomesAFileNameWithoutFolderSeparators) {
    EXPECT_EQ(FileNameFromText(std::string("40/25x11\0", 9)), std::string("40_25x11_"));
}

}  // namespace
}  // namespace toroglav::test
