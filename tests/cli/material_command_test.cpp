// toroglav-calc --list-materials and --loss-density: the output's form, the makers' figure
// through it, and one clear line for each kind of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli_runner.h"

namespace toroglav::cli {
namespace {

TEST(MaterialCommand, ListsEveryMaterialWithTheRangesOfItsData) {
    const CliResult r = RunCli({"--list-materials"});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 8);
    EXPECT_TRUE(r.out.starts_with("N87\tTDK\t50-477.3\t25.3-198.6\t25-100\n")) << r.out;
}

// The N87 curve gives 373.9 kW/m3 at 100.462 kHz, 198.6 mT and 100 degrees C.
TEST(MaterialCommand, LossDensityPrintsThreeLines) {
    const CliResult r = RunCli({"--loss-density", "n87", "--frequency", "100.462", "--flux",
                                "198.6", "--temperature", "100", "--sine"});
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    ASSERT_TRUE(r.out.starts_with("loss_density_kW_m3=")) << r.out;
    const double loss = std::stod(r.out.substr(r.out.find('=') + 1));
    EXPECT_NEAR(loss / 373.9, 1, 0.10);
    EXPECT_TRUE(r.out.ends_with("\nsaturation_T=0.390000\noutside_data=0\n")) << r.out;
}

// A loss density far beyond any real core's comes with an exponent, not in hundreds of digits.
TEST(MaterialCommand, HugeFiguresComeWithAnExponent) {
    const CliResult r = RunCli(
        {"--loss-density", "n87", "--frequency", "1e100", "--flux", "100", "--temperature", "100"});
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    const std::string line = r.out.substr(0, r.out.find('\n'));
    EXPECT_TRUE(line.starts_with("loss_density_kW_m3=")) << line;
    EXPECT_NE(line.find("e+"), std::string::npos) << line;
    EXPECT_LE(line.size(), 32u) << line;
}

struct BadInput {
    const char* name;
    const char* material;
    std::vector<std::string> args;
    const char* says;
};

class MaterialBadInputTest : public testing::TestWithParam<BadInput> {};

TEST_P(MaterialBadInputTest, ExitsTwoWithOneLine) {
    std::vector<std::string> args = {"--loss-density", GetParam().material, "--temperature", "100"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliResult r = RunCli(args);
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, MaterialBadInputTest,
    testing::Values(
        BadInput{"UnknownMaterialListsTheKnown",
                 "n88",
                 {"--frequency", "100", "--flux", "100"},
                 "known: N87, N27, N49, 3C90, 3C94, 3F4, 77, 78"},
        BadInput{
            "NotANumber", "n87", {"--frequency", "1\n00"}, "needs a finite number, not '1\\n00'"},
        BadInput{"MaterialEscaped",
                 "n\xC2\x9B"
                 "87",
                 {"--frequency", "100", "--flux", "100"},
                 "no material 'n\\xC2\\x9B87'"},
        BadInput{"FrequencyNegative", "n87", {"--frequency", "-100", "--flux", "100"}, "above 0"},
        BadInput{
            "FluxZero", "n87", {"--frequency", "100", "--flux", "0"}, "the flux must be above 0"},
        BadInput{"FluxInfinite", "n87", {"--frequency", "100", "--flux", "inf"}, "a finite number"},
        BadInput{"FluxMissing", "n87", {"--frequency", "100"}, "needs --flux MT"},
        BadInput{"ConductionZero",
                 "n87",
                 {"--frequency", "100", "--flux", "100", "--conduction", "0"},
                 "at most 1"},
        BadInput{"ConductionBelowTheFloor",
                 "n87",
                 {"--frequency", "100", "--flux", "100", "--conduction", "1e-300"},
                 "at least 0.001"},
        BadInput{"ConductionAboveOne",
                 "n87",
                 {"--frequency", "100", "--flux", "100", "--conduction", "1.01"},
                 "at most 1"},
        BadInput{"SineAndConduction",
                 "n87",
                 {"--frequency", "100", "--flux", "100", "--sine", "--conduction", "0.9"},
                 "not both"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace toroglav::cli
