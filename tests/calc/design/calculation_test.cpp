#include "calc/design/calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "calc/design/core_loss_table.h"
#include "calc/design/stages.h"
#include "calc/text/cp1251.h"
#include "calc/text/number_text.h"
#include "calc/text/result_format.h"

namespace toroglav {
namespace {

// Material 9 has no loss data and raises no warning: the core loss is 0, which reproduces the
// hand-worked figures of the default design.
constexpr int kNoLossMaterial = 9;

struct CalculatedRun {
    DesignRecord record;
    std::vector<std::string> warnings;
};

CalculatedRun Calculated(const std::function<void(DesignRecord&)>& edit = {}) {
    CalculatedRun run;
    if (edit) edit(run.record);
    CalculateRecord(run.record, [&](std::string_view w) { run.warnings.emplace_back(w); });
    return run;
}

// ---- Default design -------------------------------------------------------------------------

TEST(DefaultDesign, PrimaryAndSummary) {
    const CalculatedRun run = Calculated();
    const DesignRecord& r = run.record;
    EXPECT_EQ(r.m_strPrimaryTurns, "80 (80,49)");
    EXPECT_EQ(r.m_strInductionRange, "0,154; 0,178; 0,201");
    EXPECT_DOUBLE_EQ(*r.m_dInduction, 0.17754608585858586);
    EXPECT_EQ(r.m_strInductance, "12,997");
    EXPECT_EQ(r.m_strInductanceUnit, Cp1251<"мГн">);
    EXPECT_EQ(r.m_strSkinDiameter, "0,738");
    EXPECT_EQ(r.m_strAe, "82,50");
    EXPECT_EQ(r.m_strSo, "490,87");
    EXPECT_EQ(r.m_strCoreLoss, "0,78");
    EXPECT_EQ(r.m_strOverheat, "< 25");
    EXPECT_EQ(r.m_strPowerLoad, "170,0");
    EXPECT_EQ(r.m_strMagnetizingCurrent, "0,074");
    EXPECT_EQ(r.m_strPrimaryCurrentPeak, "1,704");
    EXPECT_EQ(r.m_strSupplyCurrent, "0,589");
    EXPECT_EQ(r.m_strEfficiency, "96,28");
    EXPECT_EQ(r.m_strPowerOverall, "371,6");
    EXPECT_EQ(r.m_strPrimaryWire, "0,63 x 1");
    EXPECT_EQ(r.m_strWindowFillResult, Cp1251<"0,133 (расчет)">);
    EXPECT_TRUE(run.warnings.empty());
}

TEST(DefaultDesign, FiguresWithoutCoreLoss) {
    const DesignRecord r =
        Calculated([](DesignRecord& d) { d.m_nMaterial = kNoLossMaterial; }).record;
    EXPECT_EQ(r.m_strCoreLoss, "?  ");
    EXPECT_EQ(r.m_strMagnetizingCurrent, "0,074");
    EXPECT_EQ(r.m_strPrimaryCurrentPeak, "1,699");
    EXPECT_EQ(r.m_strSupplyCurrent, "0,587");
    EXPECT_EQ(r.m_strEfficiency, "96,59");
    EXPECT_EQ(r.m_strPowerOverall, "372,9");
}

TEST(DefaultDesign, InputsShowPointsAndDerivedValues) {
    const DesignRecord r = Calculated().record;
    EXPECT_EQ(r.m_strInductionMax, "0.2");
    EXPECT_EQ(r.m_strWindowFill, "0.25");
    EXPECT_EQ(r.m_strDutyMax, "0.45");
    EXPECT_EQ(r.m_strRdsOn, "0.008");
    for (const Text& drop : r.m_strDiodeDrop) EXPECT_EQ(drop, "0.6");
    EXPECT_EQ(r.m_strDeadTime, "1,562");
    EXPECT_EQ(r.m_strUsat, "0,009");
}

TEST(DefaultDesign, SecondRunGivesTheSameRecord) {
    CalculatedRun run = Calculated();
    const DesignRecord first = run.record;
    CalculateRecord(run.record, {});
    EXPECT_EQ(run.record, first);
}

// ---- Operating point ------------------------------------------------------------------------

TEST(OperatingPoint, DeadTimeControllerDerivesDuty) {
    DesignRecord r;
    r.m_nController = 1;
    const stages::OperatingPoint op = CalculateRecord(r, {}).operatingPoint;
    EXPECT_DOUBLE_EQ(op.dutyMax, 0.4616);
    EXPECT_EQ(r.m_strDutyMax, "0,462");
    EXPECT_EQ(r.m_strDeadTime, "1.2");  // the input stays as typed, with a point
}

TEST(OperatingPoint, MainsSupplyIsRectified) {
    DesignRecord r;
    r.m_nSupplyKind = 1;
    const stages::OperatingPoint op = Calculate(r).operatingPoint;
    EXPECT_DOUBLE_EQ(op.supplyMin, 354.64);
    EXPECT_DOUBLE_EQ(op.supplyNom, 409.2);
    EXPECT_DOUBLE_EQ(op.supplyMax, 463.76);
}

struct DropCase {
    const char* name;
    int converter;
    int switchDrop;
    double primaryNom;
    const char* usatText;
};

class SwitchDropTest : public testing::TestWithParam<DropCase> {};

TEST_P(SwitchDropTest, GivesPrimaryVoltage) {
    DesignRecord r;
    r.m_nConverter = GetParam().converter;
    r.m_nSwitchDrop = GetParam().switchDrop;
    const stages::OperatingPoint op = CalculateRecord(r, {}).operatingPoint;
    EXPECT_NEAR(op.primaryNom, GetParam().primaryNom, 1e-9);
    EXPECT_EQ(r.m_strUsat, GetParam().usatText);
}

INSTANTIATE_TEST_SUITE_P(
    Converters, SwitchDropTest,
    testing::Values(DropCase{"HalfBridgeRdsOn", 1, 1, 149.99093333333334, "0,009"},
                    DropCase{"PushPullRdsOn", 0, 1, 300 - 170.0 / 300 * 0.008, "0,005"},
                    DropCase{"BridgeRdsOn", 2, 1, 300 - 2 * (170.0 / 300 * 0.008), "0,005"},
                    DropCase{"BridgeUsat", 2, 0, 298, "1"},
                    DropCase{"HalfBridgeUsat", 1, 0, 149, "1"},
                    DropCase{"UnknownConverterIsHalfBridge", 3, 1, 149.99093333333334, "0,009"}),
    [](const auto& info) { return info.param.name; });

TEST(OperatingPoint, PermeabilityIsAWholeNumber) {
    const DesignRecord a =
        Calculated([](DesignRecord& d) { d.m_strPermeability = "2000,7"; }).record;
    EXPECT_EQ(a.m_strPermeability, "2000.7");
    EXPECT_EQ(a.m_strInductance, "12,997");
}

// ---- Primary --------------------------------------------------------------------------------

TEST(Primary, PushPullHasTwoHalves) {
    const DesignRecord r = Calculated([](DesignRecord& d) { d.m_nConverter = 0; }).record;
    EXPECT_EQ(r.m_strPrimaryTurns, "161 + 161 (160,98)");
    EXPECT_EQ(r.m_strUsat, "0,005");
}

TEST(Primary, TurnsRoundHalfUpAndCarryOnAsPrinted) {
    // 12.5 exact turns: ring Ae chosen so that U / f / B / Ae * 250 = 12.5 exactly.
    const DesignRecord r = Calculated([](DesignRecord& d) {
                               d.m_nCoreType = 3;  // Ae, le, So, Ve typed directly
                               d.m_nSwitchDrop = 0;
                               d.m_strUsat = "0";
                               d.m_strSupplyMax = "400";  // half-bridge: 200 V on the primary
                               d.m_strFrequency = "32";
                               d.m_strInductionMax = "0,25";
                               d.m_strDimD = "500";  // 200 / 32 / 0.25 / 500 * 250 = 12.5
                               d.m_strDimd = "100";
                               d.m_strDimh = "500";
                               d.m_strDimho = "10";
                           }).record;
    EXPECT_EQ(r.m_strPrimaryTurns, "13 (12,50)");
    // The induction range is worked out with 13 turns: 200/32/13/500*250 = 0.2404
    EXPECT_EQ(r.m_strInductionRange.substr(r.m_strInductionRange.rfind(' ') + 1), "0,240");
}

// The turns go on as their text reads back, for every kind of count the text can show.
TEST(Primary, TurnsAsPrintedReadBackTheirText) {
    for (const double turns :
         std::initializer_list<double>{12.5, -2.5, 80.49999999999999, 0.49999999999999994,
                                       1e6 + 0.5, 9007199254740993.0, 1e300, -0.3, INFINITY, NAN})
        EXPECT_EQ(stages::TurnsAsPrinted(turns), ParseNumberText(FormatFixed(turns, 0))) << turns;
}

struct InductanceCase {
    const char* permeability;
    const char* text;
    std::string_view unit;
};

class InductanceUnitTest : public testing::TestWithParam<InductanceCase> {};

TEST_P(InductanceUnitTest, SwitchesToMicrohenryBelowOneTenth) {
    // Other core with Ae = 100, le = 100 and 10 turns: L = mu * 4pi e-7 * 100 mH.
    const DesignRecord r = Calculated([](DesignRecord& d) {
                               d.m_nCoreType = 3;
                               d.m_nSwitchDrop = 0;
                               d.m_strUsat = "0";
                               d.m_strSupplyMax = "2";  // 1 V on the primary
                               d.m_strFrequency = "25";
                               d.m_strInductionMax = "0,01";
                               d.m_strDimD = "100";  // 1 / 25 / 0.01 / 100 * 250 = 10 turns
                               d.m_strDimd = "100";
                               d.m_strDimh = "100";
                               d.m_strPermeability = GetParam().permeability;
                           }).record;
    EXPECT_EQ(r.m_strPrimaryTurns, "10 (10,00)");
    EXPECT_EQ(r.m_strInductance, GetParam().text);
    EXPECT_EQ(r.m_strInductanceUnit, GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(Units, InductanceUnitTest,
                         testing::Values(InductanceCase{"796", "0,100", Cp1251<"мГн">},
                                         InductanceCase{"795", "99,903", Cp1251<"мкГн">},
                                         InductanceCase{"2000", "0,251", Cp1251<"мГн">}));

TEST(Primary, SkinEffectLimitsThickWire) {
    EXPECT_DOUBLE_EQ(stages::StrandArea(0.63, 0.3689506407536108), 0.31172453105244724);
    EXPECT_DOUBLE_EQ(stages::StrandArea(1.0, 0.3689506407536108), 0.7314446567540102);
}

TEST(Primary, StrandCountRoundsUpPastWholeSections) {
    EXPECT_EQ(stages::StrandCount(1, 4, 0.25), 1);  // exactly one strand's area
    EXPECT_EQ(stages::StrandCount(2, 4, 0.25), 3);  // exactly two: one more
    EXPECT_EQ(stages::StrandCount(3, 4, 0.25), 4);
    EXPECT_EQ(stages::StrandCount(2.5, 4, 0.25), 3);
}

// ---- Secondaries ----------------------------------------------------------------------------

struct OutputCase {
    const char* name;
    int stabilization;
    int rectifier;
    const char* minimumCurrent;
    const char* turns;
    const char* vmin;
    const char* vnom;
    const char* vmax;
    const char* wire;
    const char* choke;
    const char* minimumCurrentAfter;
};

class OutputOneTest : public testing::TestWithParam<OutputCase> {};

TEST_P(OutputOneTest, TurnsVoltagesWireAndChoke) {
    const OutputCase& c = GetParam();
    const DesignRecord r = Calculated([&](DesignRecord& d) {
                               d.m_nStabilization = c.stabilization;
                               d.m_nRectifier[0] = c.rectifier;
                               d.m_strOutCurrentMin[0] = c.minimumCurrent;
                           }).record;
    EXPECT_EQ(r.m_strOutTurns[0], c.turns);
    EXPECT_EQ(r.m_strOutVmin[0], c.vmin);
    EXPECT_EQ(r.m_strOutVnom[0], c.vnom);
    EXPECT_EQ(r.m_strOutVmax[0], c.vmax);
    EXPECT_EQ(r.m_strOutWire[0], c.wire);
    EXPECT_EQ(r.m_strChoke[0], c.choke);
    EXPECT_EQ(r.m_strOutCurrentMin[0], c.minimumCurrentAfter);
    for (int i = 1; i < kOutputCount; ++i) EXPECT_EQ(r.m_strOutTurns[i], "");
}

INSTANTIATE_TEST_SUITE_P(
    Rectifiers, OutputOneTest,
    testing::Values(OutputCase{"Stabilized", 1, 0, "1", "13 + 13(12,04)", "", "17,0", "",
                               "0,63 x 5", "76,42", "1"},
                    OutputCase{"Unregulated", 0, 0, "1", "11 + 11(10,43)", "15,5", "18,0", "20,4",
                               "0,63 x 5", "29,00", "1"},
                    OutputCase{"UnregulatedBridge", 0, 2, "1", "11(10,79)", "14,9", "17,4", "19,8",
                               "0,63 x 7", "29,00", "1"},
                    OutputCase{"UnregulatedBipolarDefaultMinimum", 0, 1, "", "11 + 11(10,43)",
                               "15,5", "18,0", "20,4", "0,63 x 7", "14,50", "2,00"},
                    OutputCase{"UnregulatedUnipolarDefaultMinimum", 0, 0, "", "11 + 11(10,43)",
                               "15,5", "18,0", "20,4", "0,63 x 5", "29,00", "1,00"},
                    OutputCase{"UnknownRectifierIsUnipolar", 0, 5, "1", "11 + 11(10,43)", "15,5",
                               "18,0", "20,4", "0,63 x 5", "29,00", "1"}),
    [](const auto& info) { return info.param.name; });

// 16 V on the winding with 25 primary turns at 200 V and duty 0.5 needs exactly 2 turns: a whole
// count is kept, not rounded up.
TEST(Secondaries, WholeExactTurnsAreNotRoundedUp) {
    const DesignRecord r = Calculated([](DesignRecord& d) {
                               d.m_nCoreType = 3;
                               d.m_nSwitchDrop = 0;
                               d.m_strUsat = "0";
                               d.m_strSupplyNom = "400";
                               d.m_strSupplyMax = "400";  // half-bridge: 200 V on the primary
                               d.m_strFrequency = "32";
                               d.m_strInductionMax = "0,25";
                               d.m_strDimD = "250";  // 200 / 32 / 0.25 / 250 * 250 = 25 turns
                               d.m_strDimd = "100";
                               d.m_strDimh = "500";
                               d.m_strDimho = "10";
                               d.m_strDutyMax = "0,5";
                               d.m_nStabilization = 0;
                               d.m_strOutVoltage[0] = "15";
                               d.m_strDiodeDrop[0] = "1";  // 16 * 0.5 / 0.5 * 25 / 200 = 2
                           }).record;
    EXPECT_EQ(r.m_strPrimaryTurns, "25 (25,00)");
    EXPECT_EQ(r.m_strOutTurns[0], "2 + 2(2,00)");
}

TEST(Secondaries, BipolarLoadCountsTwice) {
    const DesignRecord r = Calculated([](DesignRecord& d) {
                               d.m_nStabilization = 0;
                               d.m_nRectifier[0] = 1;
                           }).record;
    EXPECT_EQ(r.m_strOutVnom[0], "18,0");
    EXPECT_EQ(r.m_strPowerLoad, "359,2");  // 17.96 V x 2 x 10 A
}

TEST(Secondaries, SecondOutputFollowsTheFirstOnesDuty) {
    const DesignRecord r = Calculated([](DesignRecord& d) {
                               d.m_strOutVoltage[1] = "5";
                               d.m_strOutCurrent[1] = "2";
                               d.m_strOutCurrentMin[1] = "0,2";
                           }).record;
    EXPECT_EQ(r.m_strOutTurns[1], "5 + 5(4,14)");
    EXPECT_EQ(r.m_strOutVnom[1], "6,2");
    EXPECT_EQ(r.m_strOutVmin[1], "");
    EXPECT_EQ(r.m_strChoke[1], "146,97");
}

TEST(Secondaries, WithoutOutputOneTheDutyStaysAtMaximum) {
    const DesignRecord r = Calculated([](DesignRecord& d) {
                               d.m_strOutVoltage[0] = "";
                               d.m_strOutVoltage[2] = "17";
                               d.m_strOutCurrent[2] = "10";
                               d.m_strOutCurrentMin[2] = "1";
                           }).record;
    EXPECT_EQ(r.m_strOutTurns[0], "");
    // Computed at minimum supply with D = 0.45: 17.6 * 0.5 / 0.45 * 80 / 129.99 = 12.03
    EXPECT_EQ(r.m_strOutTurns[2], "13 + 13(12,04)");
    EXPECT_EQ(r.m_strOutVnom[2], "21,3");  // 2 * 13 * 149.99 / 80 * 0.45 - 0.6
    EXPECT_EQ(r.m_strChoke[2], "34,28");   // (0.6 + 21.336) * 1000 * 0.05 / 32 / 1
}

TEST(Secondaries, OutputsInUseAreThoseWithANonZeroVoltage) {
    const DesignRecord r = Calculated([](DesignRecord& d) {
                               d.m_strOutVoltage[1] = "0";
                               d.m_strOutCurrent[1] = "5";
                               d.m_strOutVoltage[2] = "-5";
                               d.m_strOutCurrent[2] = "1";
                               d.m_strOutCurrentMin[2] = "0,1";
                           }).record;
    EXPECT_EQ(r.m_strOutTurns[1], "");
    EXPECT_EQ(r.m_strOutWire[1], "");
    EXPECT_NE(r.m_strOutTurns[2], "");
}

TEST(Secondaries, EarlierResultsAreClearedEachRun) {
    CalculatedRun run = Calculated([](DesignRecord& d) { d.m_strOutVoltage[1] = "5"; });
    EXPECT_NE(run.record.m_strOutTurns[1], "");
    run.record.m_strOutVoltage[1] = "";
    CalculateRecord(run.record, {});
    EXPECT_EQ(run.record.m_strOutTurns[1], "");
    EXPECT_EQ(run.record.m_strChoke[1], "");
}

// ---- Degenerate inputs ----------------------------------------------------------------------

TEST(Degenerate, NoOutputsStillGivesThePrimary) {
    const DesignRecord r = Calculated([](DesignRecord& d) { d.m_strOutVoltage[0] = ""; }).record;
    EXPECT_EQ(r.m_strPrimaryTurns, "80 (80,49)");
    EXPECT_EQ(r.m_strInductionRange, "0,154; 0,178; 0,201");
    EXPECT_EQ(r.m_strInductance, "12,997");
    EXPECT_EQ(r.m_strSkinDiameter, "0,738");
    EXPECT_EQ(r.m_strPowerLoad, "0,0");
    EXPECT_EQ(r.m_strPowerOverall, "nan");
    for (const OutputTexts* column : {&r.m_strOutTurns, &r.m_strOutWire, &r.m_strOutVmin,
                                      &r.m_strOutVnom, &r.m_strOutVmax, &r.m_strChoke})
        EXPECT_EQ(*column, OutputTexts{});
}

TEST(Degenerate, EmptyInputsGiveNonFiniteTextsWithoutFailing) {
    const CalculatedRun run = Calculated([](DesignRecord& d) {
        for (const RecordField& field : RecordFields())
            if (auto* text = std::get_if<Text DesignRecord::*>(&field.member)) d.*(*text) = "";
        d.m_strOutVoltage[0] = "12";
    });
    EXPECT_EQ(run.record.m_strAe, "0,00");
    EXPECT_EQ(run.record.m_strPrimaryTurns, "nan (nan)");
    EXPECT_EQ(run.record.m_strInductionRange, "nan; nan; nan");
}

TEST(Degenerate, WithoutCurrentDensityTheStrandCountIsNotANumber) {
    const DesignRecord r = Calculated([](DesignRecord& d) { d.m_strCurrentDensity = ""; }).record;
    EXPECT_EQ(r.m_strPrimaryWire, "0,63 x inf");
    EXPECT_EQ(r.m_strOutWire[0], "0,63 x inf");
}

struct OptionCase {
    const char* name;
    std::int32_t DesignRecord::*option;
    std::int32_t value;
};

class OutOfRangeOptionTest : public testing::TestWithParam<OptionCase> {};

// A crafted design file can hold any index; each reads as a defined choice.
TEST_P(OutOfRangeOptionTest, RunsToTheEnd) {
    for (std::int32_t value : {GetParam().value, -1, 2147483647}) {
        const CalculatedRun run =
            Calculated([&](DesignRecord& d) { d.*GetParam().option = value; });
        EXPECT_FALSE(run.record.m_strPrimaryTurns.empty());
        EXPECT_FALSE(run.record.m_strPowerOverall.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Options, OutOfRangeOptionTest,
                         testing::Values(OptionCase{"Converter", &DesignRecord::m_nConverter, 3},
                                         OptionCase{"Controller", &DesignRecord::m_nController, 2},
                                         OptionCase{"SwitchDrop", &DesignRecord::m_nSwitchDrop, 2},
                                         OptionCase{"Stabilization",
                                                    &DesignRecord::m_nStabilization, 2},
                                         OptionCase{"CoreType", &DesignRecord::m_nCoreType, 4},
                                         OptionCase{"Material", &DesignRecord::m_nMaterial, 2},
                                         OptionCase{"SupplyKind", &DesignRecord::m_nSupplyKind, 2}),
                         [](const auto& info) { return info.param.name; });

TEST(Warnings, OverheatWarningReachesTheHandlerAndTheRunGoesOn) {
    const CalculatedRun run = Calculated([](DesignRecord& d) { d.m_strFrequency = "100"; });
    ASSERT_EQ(run.warnings.size(), 1u);
    EXPECT_EQ(run.warnings[0], kOverheatWarning);
    EXPECT_FALSE(run.record.m_strPowerOverall.empty());
}

TEST(Warnings, NoDataWarningLeavesQuestionMarks) {
    const CalculatedRun run = Calculated([](DesignRecord& d) {
        d.m_strFrequency = "150";
        d.m_strInductionMax = "0,3";
    });
    ASSERT_EQ(run.warnings.size(), 1u);
    EXPECT_EQ(run.warnings[0], kNoLossDataWarning);
    EXPECT_EQ(run.record.m_strCoreLoss, "?  ");
    EXPECT_EQ(run.record.m_strOverheat, "?  ");
    EXPECT_EQ(*run.record.m_dCoreLoss, 0);
}

}  // namespace
}  // namespace toroglav
