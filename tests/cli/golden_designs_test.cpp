// Every stored design computes to the complete record an independent implementation worked out.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_runner.h"

namespace toroglav::cli {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> GoldenNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(TOROGLAV_GOLDEN_DIR))
        if (entry.path().extension() == ".sav") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenDesignTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenDesignTest, PrintsTheExpectedRecordAndWarnings) {
    const std::filesystem::path dir = TOROGLAV_GOLDEN_DIR;
    std::ifstream file(dir / (GetParam() + ".expected"), std::ios::binary);
    const std::string expectedText((std::istreambuf_iterator<char>(file)), {});
    std::vector<std::string> expected, expectedWarnings;
    for (const std::string& line : Lines(expectedText)) {
        if (line.starts_with("warning="))
            expectedWarnings.push_back("Внимание! " + line.substr(8));
        else
            expected.push_back(line);
    }

    const CliResult result = RunCli({(dir / (GetParam() + ".sav")).string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Lines(result.err), expectedWarnings);
    const std::vector<std::string> actual = Lines(result.out);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        // Working numbers compare as numbers, everything else as text.
        if (expected[i].starts_with("m_d") && actual[i] != expected[i]) {
            const auto value = [](const std::string& line) {
                return std::stod(line.substr(line.find('=') + 1));
            };
            EXPECT_EQ(value(actual[i]), value(expected[i])) << expected[i];
        } else {
            EXPECT_EQ(actual[i], expected[i]);
        }
    }
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The report is the window's, byte for byte; the saved inputs calculate to the same record. The
// only texts that may differ are the inputs a calculation fills in with a decimal comma (an
// empty minimum current, say), which the next calculation reads and writes with a point.
TEST_P(GoldenDesignTest, WritesTheReportAndASaveThatCalculatesTheSame) {
    const std::filesystem::path dir = TOROGLAV_GOLDEN_DIR;
    const std::filesystem::path out =
        std::filesystem::temp_directory_path() / ("toroglav-golden-" + GetParam());
    const std::string report = out.string() + ".txt", saved = out.string() + ".sav";
    const CliResult first =
        RunCli({(dir / (GetParam() + ".sav")).string(), "--report", report, "--save", saved});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(Contents(report), Contents(dir / (GetParam() + ".report")));

    const CliResult second = RunCli({saved});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    const std::vector<std::string> before = Lines(first.out), after = Lines(second.out);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        std::string pointed = before[i];
        std::replace(pointed.begin(), pointed.end(), ',', '.');
        if (after[i] != before[i]) {
            EXPECT_EQ(after[i], pointed);
        }
    }
    std::filesystem::remove(report);
    std::filesystem::remove(saved);
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenDesignTest, testing::ValuesIn(GoldenNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace toroglav::cli
