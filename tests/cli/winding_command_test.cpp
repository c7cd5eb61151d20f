// toroglav-calc --winding and --list-bobbins: the lines the plan prints, its options taken by
// --losses too, and refused in one line.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "cli_runner.h"

namespace toroglav::cli {
namespace {

std::vector<std::string> Names(const std::string& out) {
    std::vector<std::string> names;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        names.push_back(line.substr(0, line.find('=')));
    return names;
}

// The interleaved plan of the default design on ETD 34: the bobbin's lines, each winding's
// inner to outer, then the totals and output 1's leakage; every length with a decimal point.
TEST(WindingCommand, PrintsThePlansLines) {
    const CliResult r = RunCli({"--core", "ETD 34", "--winding", "--interleave"});
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    std::vector<std::string> expected = {
        "bobbin", "window_breadth_mm", "window_depth_mm", "margin_mm", "order", "wire_grade"};
    for (const char* tag : {"[P1]", "[1]", "[P2]"})
        for (const char* name :
             {"turns", "strands", "wire_mm", "wire_outer_mm", "turns_per_layer", "layers",
              "build_mm", "tape_layers", "tape_mm", "mean_turn_mm", "resistance_dc_mOhm"})
            expected.push_back(std::string(name) + tag);
    expected.insert(expected.end(), {"build_mm", "fill_percent", "fits", "leakage_uH[1]"});
    EXPECT_EQ(Names(r.out), expected);
    EXPECT_NE(r.out.find("bobbin=Bobbin ETD 34\nwindow_breadth_mm=20.9000\n"), std::string::npos);
    EXPECT_NE(r.out.find("order=P1,1,P2\n"), std::string::npos);
}

std::map<std::string, std::string> Values(const std::string& out) {
    std::map<std::string, std::string> values;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (const auto equals = line.find('='); equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    return values;
}

// --losses lays the windings as --winding does with the same options: on ETD 34 the primary's
// three layers and the output's six, interleaved, lose less in copper.
TEST(WindingCommand, LossesTakeItsOptions) {
    const auto run = [](std::vector<std::string> args) {
        args.insert(args.begin(), {"--core", "ETD 34"});
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, kExitOk) << r.err;
        return Values(r.out);
    };
    auto plain = run({"--losses"});
    auto interleaved = run({"--losses", "--interleave"});
    auto plan = run({"--winding", "--interleave"});
    EXPECT_LT(std::stod(interleaved["copper_loss_W"]), std::stod(plain["copper_loss_W"]));
    EXPECT_EQ(std::stoi(interleaved["layers[P]"]),
              std::stoi(plan["layers[P1]"]) + std::stoi(plan["layers[P2]"]));
    EXPECT_EQ(interleaved["layers[1]"], plan["layers[1]"]);
}

TEST(WindingCommand, ListsTheBobbinsOfACore) {
    const CliResult r = RunCli({"--list-bobbins", "pq 32/30"});
    ASSERT_EQ(r.exitCode, kExitOk);
    EXPECT_TRUE(r.out.starts_with("Bobbin PQ 32/30\tPQ 32/30\t18.8000\t5.34500\n")) << r.out;
}

TEST_P(RefusedInOneLineTest, SaysWhy) {
    const CliResult r = RunCli(GetParam().args);
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    WindingOptions, RefusedInOneLineTest,
    testing::Values(
        RefusedCase{"UnknownBobbin", {"--winding", "--bobbin", "ETD 35"}, "no bobbin 'ETD 35'"},
        RefusedCase{"BobbinOfAnotherCore",
                    {"--core", "ETD 39", "--winding", "--bobbin", "ETD 34"},
                    "made for the core ETD 34/17/11"},
        RefusedCase{"GradeFour", {"--winding", "--wire-grade", "4"}, "'--wire-grade' needs"},
        RefusedCase{"NegativeMargin", {"--winding", "--margin", "-1"}, "'--margin' needs"},
        RefusedCase{
            "HalfATapeLayer", {"--winding", "--tape-layers", "1.5"}, "'--tape-layers' needs"},
        RefusedCase{"LossesOnBobbinOfAnotherCore",
                    {"--core", "ETD 39", "--losses", "--bobbin", "ETD 34"},
                    "made for the core ETD 34/17/11"},
        RefusedCase{
            "OptionWithoutWinding", {"--interleave"}, "belong to '--winding' or '--losses'"},
        RefusedCase{"OptionWithAdvise", {"--advise", "--interleave"}, "belong to '--winding'"},
        RefusedCase{"WindingAndLosses", {"--winding", "--losses"}, "different listings"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace toroglav::cli
