// The lines of the report that depend on which outputs are in use; the golden designs hold the
// rest byte for byte.

#include "files/text_report.h"

#include <gtest/gtest.h>

#include <vector>

#include "calc/text/cp1251.h"

namespace toroglav::test {
namespace {

std::vector<std::string> ReportLines(const DesignRecord& record) {
    const std::string report = Cp1251ToUtf8(ComposeTextReport(record));
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = report.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(report.substr(start, end - start));
    return lines;
}

struct OutputsCase {
    const char* name;
    OutputTexts voltages, currents;
    const char* voltageLine;
    const char* currentLine;
    std::vector<std::string> outputLines;  // the numbered lines at the end
};

class ReportOutputsTest : public testing::TestWithParam<OutputsCase> {};

TEST_P(ReportOutputsTest, ListsAndNumbersTheOutputsInUse) {
    DesignRecord record;
    record.m_nCoreType = 3;  // no core line
    record.m_strOutVoltage = GetParam().voltages;
    record.m_strOutCurrent = GetParam().currents;
    for (int k = 0; k < kOutputCount; ++k) {
        record.m_strOutTurns[k] = "T" + std::to_string(k + 1);
        record.m_strOutWire[k] = "W" + std::to_string(k + 1);
    }
    const std::vector<std::string> lines = ReportLines(record);
    ASSERT_EQ(lines.size(), 18 + GetParam().outputLines.size());
    EXPECT_EQ(lines[2], "Амплитуда индукции: 0,2 T");  // core line left out
    EXPECT_EQ(lines[11], GetParam().voltageLine);
    EXPECT_EQ(lines[12], GetParam().currentLine);
    EXPECT_EQ(std::vector(lines.begin() + 18, lines.end()), GetParam().outputLines);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, ReportOutputsTest,
    testing::Values(OutputsCase{"OneTwoAndFour",
                                {"12", "5", "", "24"},
                                {"2", "1", "", "3"},
                                "Выходные напряжения, не менее: 12 В, 5 В, 24 В",
                                "Токи вторичных обмоток: 2 А, 1 А, 3 А",
                                {"1. T1 W1", "2. T2 W2", "3. T4 W4"}},
                    OutputsCase{"CurrentWithoutVoltage",
                                {"12"},
                                {"2", "1"},
                                "Выходные напряжения, не менее: 12 В",
                                "Токи вторичных обмоток: 2 А, 1 А",
                                {"1. T1 W1"}},
                    OutputsCase{"EmptyFirstOutput",
                                {"", "5"},
                                {"", "1"},
                                "Выходные напряжения, не менее:  В, 5 В",
                                "Токи вторичных обмоток:  А, 1 А",
                                {"1. T2 W2"}}),
    [](const auto& info) { return info.param.name; });

TEST(TextReport, InductionHasFourDecimalsAndAPoint) {
    DesignRecord record;
    record.m_dInduction = 0.18734;
    EXPECT_EQ(ReportInductionText(record), "0.1873");
}

}  // namespace
}  // namespace toroglav::test
