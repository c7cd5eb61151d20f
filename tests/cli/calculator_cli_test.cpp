#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli_runner.h"

namespace toroglav::cli {
namespace {

std::string Member(const std::string& listing, const std::string& name) {
    const std::string key = "\n" + name + "=";
    const std::size_t at = ("\n" + listing).find(key);
    if (at == std::string::npos) return "<missing>";
    const std::size_t start = at + key.size() - 1;
    return listing.substr(start, listing.find('\n', start) - start);
}

// The figures belong to the calculation's tests and the golden designs; here the listing.
TEST(CalculatorCli, DefaultDesign) {
    const CliResult r = RunCli({});
    ASSERT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("m_nConverter=1\nm_nController=0\n"));
    EXPECT_EQ(Member(r.out, "m_strPrimaryTurns"), "80 (80,49)");
    EXPECT_EQ(Member(r.out, "m_strInductanceUnit"), "мГн");
    EXPECT_EQ(Member(r.out, "m_dFrequency"), "32.0");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 48 + 12 * 5);  // arrays per output
}

TEST(CalculatorCli, SetsApplyInOrderAndTakeUtf8) {
    const CliResult r =
        RunCli({"--set", "m_nConverter=0", "--set", "m_strOutVoltage[2]=5", "--set",
                "m_strOutCurrent[2]=2", "--set", "m_strOutVoltage[2]=0", "--set", "m_strDimHs=Ш≈"});
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    EXPECT_EQ(Member(r.out, "m_nConverter"), "0");
    EXPECT_EQ(Member(r.out, "m_strPrimaryTurns"), "161 + 161 (160,98)");
    EXPECT_EQ(Member(r.out, "m_strOutVoltage[2]"), "0");
    EXPECT_EQ(Member(r.out, "m_strOutTurns[2]"), "");
    EXPECT_EQ(Member(r.out, "m_strDimHs"), "Ш?");  // no cp1251 form for the second character
}

// A core gives what typing its fields gives, and a later --set changes one of them.
TEST(CalculatorCli, CoreIsItsFieldsTypedAndASetAfterItWins) {
    const CliResult picked = RunCli({"--core", "etd39", "--set", "m_strDimho=15"});
    const CliResult typed =
        RunCli({"--set", "m_nCoreType=2", "--set", "m_strDimD=12,5", "--set", "m_strDimd=39,1",
                "--set", "m_strDimh=30,1", "--set", "m_strDimho=15", "--set", "m_strDimHs=19,8"});
    ASSERT_EQ(picked.exitCode, kExitOk) << picked.err;
    EXPECT_EQ(picked.out, typed.out);
    EXPECT_EQ(picked.err, typed.err);
}

TEST(CalculatorCli, ListCoresPrintsTheMatchingCoresTabSeparated) {
    const CliResult r = RunCli({"--list-cores", "ETD 3"});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.out,
              "ETD 34/17/11\t2\t10,8\t34,2\t26,3\t12,1\t17,3\t\n"
              "ETD 39/20/13\t2\t12,5\t39,1\t30,1\t14,6\t19,8\t\n");
}

TEST(CalculatorCli, WarningsGoToStandardErrorOnOneLine) {
    const CliResult r = RunCli({"--set", "m_strFrequency=100"});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(r.err,
              "Внимание! Ожидаемый перегрев сердечника более 50 градусов. Снизте индукцию и(или) "
              "частоту!\n");
    EXPECT_EQ(Member(r.out, "m_strOverheat"), "50 - 55");
}

// Every figure of the analysis, the primary's and output 1's windings among them, and no listing.
TEST(CalculatorCli, LossesOfTheDefaultDesign) {
    const CliResult r = RunCli({"--losses", "--material", "3c90", "--ambient", "25"});
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    EXPECT_EQ(Member(r.out, "material"), "3C90");
    EXPECT_EQ(Member(r.out, "ambient_C"), "25");
    EXPECT_EQ(Member(r.out, "layers[P]"), "1");
    EXPECT_NE(Member(r.out, "copper_loss_W[1]"), "<missing>");
    EXPECT_EQ(Member(r.out, "copper_loss_W[2]"), "<missing>");
    EXPECT_EQ(Member(r.out, "thermal_runaway"), "0");
    EXPECT_EQ(Member(r.out, "windings_fit"), "1");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 22 + 7 * 2);  // P and 1
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* mentions;
};

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, ExitsTwoNamingTheArgument) {
    const CliResult r = RunCli(GetParam().args);
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().mentions), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("usage: toroglav-calc"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrorTest,
    testing::Values(
        UsageCase{"UnknownMember", {"--set", "m_strColour=red"}, "m_strColour"},
        UsageCase{"MissingEquals", {"--set", "m_strFrequency"}, "m_strFrequency"},
        UsageCase{"MissingAssignment", {"--set"}, "--set"},
        UsageCase{"UnknownFerrite", {"--losses", "--material", "N99"}, "N87, N27"},
        UsageCase{"AmbientNotANumber", {"--losses", "--ambient", "warm"}, "--ambient"},
        UsageCase{"AmbientWithoutLosses", {"--ambient", "25"}, "--losses"},
        UsageCase{"OptionOutOfRange", {"--set", "m_nConverter=3"}, "m_nConverter"},
        UsageCase{"OptionNegative", {"--set", "m_nCoreType=-1"}, "m_nCoreType"},
        UsageCase{"OptionNotWhole", {"--set", "m_nMaterial=1,0"}, "m_nMaterial"},
        UsageCase{"OptionEmpty", {"--set", "m_nMaterial="}, "m_nMaterial"},
        UsageCase{"RectifierOutOfRange", {"--set", "m_nRectifier[3]=3"}, "m_nRectifier"},
        UsageCase{"OutputZero", {"--set", "m_strOutVoltage[0]=5"}, "m_strOutVoltage[0]"},
        UsageCase{"OutputSix", {"--set", "m_strOutVoltage[6]=5"}, "m_strOutVoltage[6]"},
        UsageCase{"ArrayWithoutOutput", {"--set", "m_strOutVoltage=5"}, "m_strOutVoltage"},
        UsageCase{"ScalarWithOutput", {"--set", "m_strFrequency[1]=5"}, "m_strFrequency"},
        UsageCase{"WorkingNumber", {"--set", "m_dInduction=0.1"}, "m_dInduction"},
        UsageCase{"UnknownFlag", {"--verbose"}, "--verbose"},
        UsageCase{"UnknownCoreNamesTheClosest", {"--core", "ETD 40"}, "closest: ETD 44/22/15"},
        UsageCase{"ControlBytesEscaped", {"--core", "\x1B[2J\x01"}, "no core '\\x1B[2J\\x01'"},
        UsageCase{"CoreWithoutName", {"--core"}, "--core"},
        UsageCase{"TwoDesignFiles", {"a.sav", "b.sav"}, "b.sav"},
        UsageCase{"SaveWithoutFile", {"--save"}, "--save"},
        UsageCase{"ReportTwice", {"--report", "a.txt", "--report", "b.txt"}, "--report"},
        UsageCase{"SaveAndReportToOneFile",
                  {"--save", "a.sav", "--report", "./a.sav"},
                  "'--save' and '--report' both write './a.sav'"},
        UsageCase{"MaxRiseNotANumber", {"--advise", "--max-rise", "warm"}, "--max-rise"},
        UsageCase{"RankUnknown", {"--advise", "--rank", "price"}, "'--rank' needs"},
        UsageCase{"RankWithoutAdvise", {"--rank", "volume"}, "'--rank' belongs to '--advise'"},
        UsageCase{"MaxRiseWithoutAdvise", {"--max-rise", "40"}, "'--max-rise' belongs"},
        UsageCase{"DefaultAmbientWithoutLosses", {"--ambient", "40"}, "'--ambient' belongs"},
        UsageCase{"MaterialWithoutLosses", {"--material", "N87"}, "'--material' belongs"},
        UsageCase{"OptionTwice", {"--losses", "--losses"}, "'--losses' is given twice"},
        UsageCase{"AmbientTwice",
                  {"--losses", "--ambient", "25", "--ambient", "25"},
                  "'--ambient' is given twice"},
        UsageCase{"AmbientTooHot", {"--losses", "--ambient", "150.5"}, "from -55 to 150"},
        UsageCase{"AmbientTooCold", {"--losses", "--ambient", "-55.5"}, "from -55 to 150"}),
    [](const auto& info) { return info.param.name; });

// --losses where the designer meets the edges: every figure a number or "nan", never "inf";
// what cannot be judged, the optimum included, says why on standard error; a core that
// reaches its ferrite's Curie temperature runs away.
struct LossesCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::pair<std::string, std::string>> members;  // NAME, its text
    const char* says;  // on standard error, or nullptr for nothing of the losses
};

class LossesEdgeTest : public testing::TestWithParam<LossesCase> {};

TEST_P(LossesEdgeTest, GivesNumbersOrSaysWhyNot) {
    std::vector<std::string> args = GetParam().args;
    args.push_back("--losses");
    const CliResult r = RunCli(args);
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    EXPECT_EQ(r.out.find("inf"), std::string::npos) << r.out;
    for (const auto& [name, text] : GetParam().members)
        EXPECT_EQ(Member(r.out, name), text) << name;
    if (GetParam().says)
        EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
    else
        EXPECT_EQ(r.err.find("toroglav-calc:"), std::string::npos) << r.err;
}

std::string Golden(const char* name) {
    return std::string(TOROGLAV_GOLDEN_DIR) + "/" + name + ".sav";
}

INSTANTIATE_TEST_SUITE_P(
    Designs, LossesEdgeTest,
    testing::Values(
        // A -48 V output runs away with golden 9 as its +48 V one does, every figure a number.
        LossesCase{"NegativeOutputVoltage",
                   {Golden("golden_09"), "--set", "m_strOutVoltage[2]=-48"},
                   {{"thermal_runaway", "1"}, {"halves[2]", "1"}},
                   "no maximum induction from 0.020 to 0.300 T is admissible"},
        LossesCase{"NegativeOutputCurrent",
                   {"--set", "m_strOutCurrent[1]=-2"},
                   {{"efficiency_percent", "nan"}, {"thermal_runaway", "0"}},
                   "output 1 draws a negative current"},
        // Golden 12 settled at 224 C in N87, whose Curie temperature is 210 C.
        LossesCase{"HotterThanCurie",
                   {Golden("golden_12"), "--material", "N87"},
                   {{"thermal_runaway", "1"}, {"core_temperature_C", "nan"}},
                   "no maximum induction from 0.020 to 0.300 T is admissible"},
        LossesCase{"NoFrequency",
                   {"--set", "m_strFrequency=0"},
                   {{"total_loss_W", "nan"}, {"thermal_runaway", "0"}},
                   "cannot be judged"},
        LossesCase{"NoSupply",
                   {"--set", "m_strSupplyNom=0"},
                   {{"total_loss_W", "nan"}, {"thermal_runaway", "0"}},
                   "cannot be judged"},
        LossesCase{"HugeDeadTime",
                   {"--set", "m_nController=1", "--set", "m_strDeadTime=1000"},
                   {{"total_loss_W", "nan"}, {"thermal_runaway", "0"}},
                   "cannot be judged"},
        LossesCase{"NoCurrentDensity",
                   {"--set", "m_strCurrentDensity=1e-300"},
                   {{"total_loss_W", "nan"}, {"thermal_runaway", "0"}},
                   "cannot be judged"},
        LossesCase{"RingInsideOut",
                   {"--set", "m_strDimd=50"},
                   {{"total_loss_W", "nan"}, {"thermal_runaway", "0"}},
                   "cannot be judged"}),
    [](const auto& info) { return info.param.name; });

// The windings of golden 10 against the harmonic sum worked independently (each harmonic at
// Dowell's formula, at the core temperature the program reports, with the plan's layers and
// porosity): the bridge primary's pulses of both signs, 4 layers, 4,4419; the centre-tapped
// output, bifilar in 3 layers, 9,1269; the bridge-rectified output, 1 layer, 1,2221.
TEST(CalculatorCli, LossesSumEachWindingsHarmonics) {
    const CliResult r = RunCli({Golden("golden_10"), "--losses"});
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    EXPECT_EQ(Member(r.out, "core_temperature_C"), "86.4149");
    EXPECT_NEAR(std::stod(Member(r.out, "ac_factor[P]")), 4.44187, 1e-4);
    EXPECT_NEAR(std::stod(Member(r.out, "ac_factor[1]")), 9.12688, 1e-4);
    EXPECT_NEAR(std::stod(Member(r.out, "ac_factor[2]")), 1.22210, 1e-4);
    EXPECT_EQ(Member(r.out, "halves[1]"), "2");
    EXPECT_EQ(Member(r.out, "layers[1]"), "3");
    EXPECT_EQ(Member(r.out, "porosity[1]"), "0.75318");
}

// The optimum is an induction the designer may type in: at most 0,300 T, and there golden 1
// settles within N87's data (100 C) with the worst-case peak flux at most 0,8 of saturation and
// the total loss the optimum promised. Golden 8, whose windings fill 0,843 of its window where
// 0,23 was entered and whose core runs away at most inductions, has none (it was 0,345 T, at
// 131 C).
TEST(CalculatorCli, LossesOptimumIsAdmissible) {
    const CliResult r = RunCli({Golden("golden_01"), "--losses"});
    const std::string optimum = Member(r.out, "optimum_induction_max_T");
    ASSERT_NE(optimum, "nan");
    EXPECT_LE(std::stod(optimum), 0.3);
    const CliResult at =
        RunCli({Golden("golden_01"), "--set", "m_strInductionMax=" + optimum, "--losses"});
    EXPECT_EQ(Member(at.out, "total_loss_W"), Member(r.out, "total_loss_at_optimum_W"));
    EXPECT_EQ(Member(at.out, "flux_peak_T"), Member(r.out, "optimum_flux_peak_T"));
    EXPECT_LE(std::stod(Member(at.out, "core_temperature_C")), 100);
    EXPECT_LE(std::stod(Member(at.out, "flux_peak_worst_T")),
              0.8 * std::stod(Member(at.out, "saturation_T")));
    EXPECT_EQ(Member(RunCli({Golden("golden_08"), "--losses"}).out, "optimum_induction_max_T"),
              "nan");
}

struct FullOutputCase {
    const char* name;
    std::vector<std::string> args;
};

class FullOutputTest : public testing::TestWithParam<FullOutputCase> {};

// Output that does not arrive in full must not exit as if it had.
TEST_P(FullOutputTest, IsAFileErrorWithTheReason) {
    std::FILE* full = std::fopen("/dev/full", "w");
    if (full == nullptr) GTEST_SKIP() << "no /dev/full on this system";
    const CliResult r = RunCli(GetParam().args, stdin, full);
    std::fclose(full);
    EXPECT_EQ(r.exitCode, kExitFileError);
    EXPECT_EQ(r.err, "toroglav-calc: cannot write the output: No space left on device\n");
}

INSTANTIATE_TEST_SUITE_P(Outputs, FullOutputTest,
                         testing::Values(FullOutputCase{"Listing", {}},
                                         FullOutputCase{"Help", {"--help"}}),
                         [](const auto& info) { return info.param.name; });

// The advice replaces the listing: a header, then the cores that carry the design, best first,
// the losses, temperature and efficiency from the loss analysis alone.
TEST(CalculatorCli, AdviseListsTheCoresThatCarryTheDesign) {
    const CliResult r = RunCli({"--set", "m_nCoreType=1", "--advise", "ring"});
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    ASSERT_TRUE(
        r.out.starts_with("name\tcore type\tvolume, cm3\tprimary turns\twindow fill\t"
                          "core loss, W\tcopper loss, W\ttotal loss, W\t"
                          "core temperature, C\tefficiency, %\n"))
        << r.out;
    const std::string first = r.out.substr(r.out.find('\n') + 1);
    EXPECT_TRUE(first.starts_with("T 36/23/10\t0\t6,02\t102 (102,16)\t")) << first;
    EXPECT_EQ(std::count(first.begin(), first.begin() + first.find('\n'), '\t'), 9);

    const CliResult none = RunCli({"--advise", "ring", "--max-rise", "0"});
    EXPECT_EQ(none.exitCode, kExitOk);
    EXPECT_EQ(std::count(none.out.begin(), none.out.end(), '\n'), 1);  // the header alone
    EXPECT_NE(none.err.find("a temperature rise above the limit"), std::string::npos) << none.err;
}

// By loss: the total loss (the eighth field) never falls down the list, and the order is not
// the one by volume.
TEST(CalculatorCli, AdviseRankedByLossListsTheLeastLossFirst) {
    const CliResult byLoss = RunCli({"--advise", "ring", "--rank", "LOSS"});
    ASSERT_EQ(byLoss.exitCode, kExitOk) << byLoss.err;
    std::istringstream lines(byLoss.out.substr(byLoss.out.find('\n') + 1));
    std::vector<double> losses;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string loss;
        for (int field = 0; field < 8; ++field) std::getline(fields, loss, '\t');
        std::replace(loss.begin(), loss.end(), ',', '.');
        losses.push_back(std::stod(loss));
    }
    ASSERT_GT(losses.size(), 2u);
    EXPECT_TRUE(std::ranges::is_sorted(losses));
    EXPECT_NE(byLoss.out, RunCli({"--advise", "ring"}).out);
}

TEST(CalculatorCli, HelpPrintsUsage) {
    const CliResult r = RunCli({"--help"});
    EXPECT_EQ(r.exitCode, kExitOk);
    EXPECT_TRUE(r.out.starts_with("usage: toroglav-calc [DESIGN.sav | -] [--core NAME | --set"));
}

class DesignFileErrorTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("toroglav-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    std::filesystem::path dir_;
};

TEST_F(DesignFileErrorTest, MissingFileExitsOne) {
    const std::string path = (dir_ / "absent.sav").string();
    const CliResult r = RunCli({path});
    EXPECT_EQ(r.exitCode, kExitFileError);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(path), std::string::npos);
}

TEST_F(DesignFileErrorTest, TruncatedFileReportsEndOfFile) {
    const std::string path = Write("short.sav", std::string(10, '\0'));
    const CliResult r = RunCli({path});
    EXPECT_EQ(r.exitCode, kExitFileError);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("An attempt was made to access " + path + " past its end."),
              std::string::npos)
        << r.err;
}

TEST_F(DesignFileErrorTest, HugeEightByteLengthIsAnArchiveError) {
    std::string bytes(48, '\0');
    bytes += std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7) + std::string(8, '\xFF');
    const std::string path = Write("huge.sav", bytes);
    const CliResult r = RunCli({path});
    EXPECT_EQ(r.exitCode, kExitFileError);
    EXPECT_NE(r.err.find("An unknown error occurred while accessing " + path + "."),
              std::string::npos)
        << r.err;
}

TEST_F(DesignFileErrorTest, UnwritableReportExitsOneWithoutTheListing) {
    const std::string path = (dir_ / "no-such-folder" / "report.txt").string();
    const CliResult r = RunCli({"--report", path});
    EXPECT_EQ(r.exitCode, kExitFileError);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "toroglav-calc: cannot write " + path + ": No such file or directory\n");
}

TEST_F(DesignFileErrorTest, PipeByNameIsRefusedWithoutWaitingForAWriter) {
    const std::string path = (dir_ / "pipe.sav").string();
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const CliResult r = RunCli({path});
    EXPECT_EQ(r.exitCode, kExitFileError);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "toroglav-calc: cannot open " + path + ": not a regular file\n");
}

TEST_F(DesignFileErrorTest, DashReadsTheDesignFromStandardInput) {
    const std::string golden = std::string(TOROGLAV_GOLDEN_DIR) + "/golden_01.sav";
    std::ifstream file(golden, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ASSERT_EQ(::write(ends[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(ends[1]);
    std::FILE* in = ::fdopen(ends[0], "rb");
    const CliResult r = RunCli({"-"}, in);
    std::fclose(in);
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    EXPECT_EQ(r.out, RunCli({golden}).out);
}

// A link to the other output's file, which is not there yet, is found out before either is made.
TEST_F(DesignFileErrorTest, SaveAndReportThroughALinkToOneFileAreBadUsage) {
    const std::filesystem::path link = dir_ / "link.sav";
    std::filesystem::create_symlink("design.sav", link);
    const CliResult r =
        RunCli({"--save", link.string(), "--report", (dir_ / "design.sav").string()});
    EXPECT_EQ(r.exitCode, kExitUsage);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "design.sav"));
}

TEST_F(DesignFileErrorTest, SetsApplyOverTheFile) {
    const std::string golden = std::string(TOROGLAV_GOLDEN_DIR) + "/golden_01.sav";
    const CliResult r = RunCli({golden, "--set", "m_strFrequency=42"});
    ASSERT_EQ(r.exitCode, kExitOk);
    EXPECT_EQ(Member(r.out, "m_strDimD"), "57.0");  // from the file
    EXPECT_EQ(Member(r.out, "m_strFrequency"), "42");
}

// What a shell command prints, then its exit status as a last line "rc=N".
std::string ShellOutput(const std::string& command) {
    std::FILE* pipe = popen((command + "; echo rc=$?").c_str(), "r");
    if (pipe == nullptr) return "popen failed";
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

TEST(CalculatorProgram, RunsAsAProcess) {
    const std::string output = ShellOutput(TOROGLAV_CALC_PROGRAM " --set m_nCoreType=9 2>&1");
    EXPECT_NE(output.find("m_nCoreType"), std::string::npos);
    EXPECT_TRUE(output.ends_with("rc=2\n")) << output;
}

// "-" reads descriptor 0 itself, not only a stream handed over.
TEST(CalculatorProgram, ReadsTheDesignFromItsStandardInput) {
    const std::string golden = std::string(TOROGLAV_GOLDEN_DIR) + "/golden_01.sav";
    EXPECT_EQ(ShellOutput(TOROGLAV_CALC_PROGRAM " - <'" + golden + "'"),
              RunCli({golden}).out + "rc=0\n");
}

// Real designs of every core type and converter: the numbers an engineer would expect.
struct RealDesign {
    const char* name;
    std::vector<std::string> sets;
    int minTurns, maxTurns;  // primary turns (one half for push-pull)
    double outputVolts;      // wanted voltage of output 1
    double above;            // how far whole turns may lift it without regulation, as a fraction
};

class RealDesignTest : public testing::TestWithParam<RealDesign> {};

TEST_P(RealDesignTest, GivesPlausibleResults) {
    std::vector<std::string> args;
    for (const std::string& set : GetParam().sets) {
        args.push_back("--set");
        args.push_back(set);
    }
    const CliResult r = RunCli(args);
    ASSERT_EQ(r.exitCode, kExitOk) << r.err;
    const int turns = std::stoi(Member(r.out, "m_strPrimaryTurns"));
    EXPECT_GE(turns, GetParam().minTurns);
    EXPECT_LE(turns, GetParam().maxTurns);
    auto number = [&](const std::string& name) {
        std::string text = Member(r.out, name);
        std::replace(text.begin(), text.end(), ',', '.');
        return std::stod(text);
    };
    const double volts = number("m_strOutVnom[1]");
    EXPECT_GE(volts, GetParam().outputVolts * 0.99);
    EXPECT_LE(volts, GetParam().outputVolts * (1 + GetParam().above));
    const double efficiency = number("m_strEfficiency");
    EXPECT_GT(efficiency, 85);
    EXPECT_LT(efficiency, 100);
    EXPECT_GT(number("m_strPowerOverall"), number("m_strPowerLoad"));
    EXPECT_GT(number("m_strChoke[1]"), 0);
    EXPECT_LT(number("m_strCoreLoss"), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, RealDesignTest,
    testing::Values(
        RealDesign{
            "RingHalfBridgeMains",
            {"m_nSupplyKind=1", "m_strSupplyMin=198", "m_strSupplyNom=220", "m_strSupplyMax=242",
             "m_strOutVoltage[1]=24", "m_strOutCurrent[1]=5", "m_strFrequency=50"},
            30,
            80,
            24,
            0.01},
        RealDesign{"EPushPull12V",
                   {"m_nConverter=0", "m_nCoreType=1", "m_strDimD=12", "m_strDimd=42",
                    "m_strDimh=30", "m_strDimho=15", "m_strDimHs=21", "m_strDimL=15",
                    "m_strSupplyMin=11", "m_strSupplyNom=12", "m_strSupplyMax=14",
                    "m_nSwitchDrop=1", "m_strOutVoltage[1]=30", "m_strOutCurrent[1]=3",
                    "m_strOutCurrentMin[1]=0,3", "m_strFrequency=40", "m_nStabilization=1"},
                   2,
                   8,
                   30,
                   0.01},
        RealDesign{"EtdBridge",
                   {"m_nConverter=2", "m_nCoreType=2", "m_strDimD=11,1", "m_strDimd=34,2",
                    "m_strDimh=25,6", "m_strDimho=11,8", "m_strDimHs=17,3", "m_strSupplyMin=300",
                    "m_strSupplyNom=310", "m_strSupplyMax=350", "m_strOutVoltage[1]=12",
                    "m_strOutCurrent[1]=15", "m_strFrequency=60", "m_nRectifier[1]=2",
                    "m_nStabilization=0"},
                   40,
                   120,
                   12,
                   0.2},  // 4 turns where 3.55 were wanted
        RealDesign{
            "OtherCoreDeadTimeN27",
            {"m_nCoreType=3", "m_strDimD=97", "m_strDimd=78", "m_strDimh=160", "m_strDimho=7,6",
             "m_nController=1", "m_strDeadTime=0,8", "m_nMaterial=1", "m_strFrequency=40",
             "m_strOutVoltage[1]=48", "m_strOutCurrent[1]=2", "m_strOutCurrentMin[1]=0,2"},
            40,
            200,
            48,
            0.01}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace toroglav::cli
