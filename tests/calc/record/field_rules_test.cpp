// The record side of the field rules: supply kind, limits and the switchable edit pairs.

#include "calc/record/field_rules.h"

#include <gtest/gtest.h>

#include <array>

namespace toroglav {
namespace {

struct SupplyCase {
    const char* name;
    std::int32_t kind;
    std::array<const char*, 3> texts;
    std::int32_t kindAfter;
    std::array<const char*, 3> textsAfter;
};

class DcSupplyTest : public testing::TestWithParam<SupplyCase> {};

TEST_P(DcSupplyTest, ConvertsMainsTextsOnly) {
    const SupplyCase& c = GetParam();
    DesignRecord record;
    record.m_nSupplyKind = c.kind;
    record.m_strSupplyMin = c.texts[0];
    record.m_strSupplyNom = c.texts[1];
    record.m_strSupplyMax = c.texts[2];
    DesignRecord expected = record;
    expected.m_nSupplyKind = c.kindAfter;
    expected.m_strSupplyMin = c.textsAfter[0];
    expected.m_strSupplyNom = c.textsAfter[1];
    expected.m_strSupplyMax = c.textsAfter[2];
    SelectDcSupply(record);
    EXPECT_EQ(record, expected);  // nothing else in the record moves
}

INSTANTIATE_TEST_SUITE_P(
    Supplies, DcSupplyTest,
    testing::Values(
        SupplyCase{"Mains", 1, {"198", "220", "242"}, 0, {"270", "300", "330"}},
        SupplyCase{"CommaAndPoint", 1, {"200,5", "100.4", "1e2"}, 0, {"273", "137", "136"}},
        SupplyCase{"NotNumbers", 1, {"", "abc", "-10"}, 0, {"0", "0", "-14"}},
        SupplyCase{"AlreadyDc", 0, {"198", "220", "242"}, 0, {"198", "220", "242"}},
        SupplyCase{"KindOutOfRange", 2, {"198", "220", "242"}, 2, {"198", "220", "242"}}),
    [](const auto& info) { return info.param.name; });

TEST(MainsSupply, AlwaysSetsTheMainsVoltages) {
    for (const std::int32_t kind : {0, 1, 7}) {
        DesignRecord record;
        record.m_nSupplyKind = kind;
        record.m_strSupplyNom = "12,5";
        SelectMainsSupply(record);
        EXPECT_EQ(record.m_nSupplyKind, 1);
        EXPECT_EQ(record.m_strSupplyMin + record.m_strSupplyNom + record.m_strSupplyMax,
                  "198220242");
    }
}

// Typing in the window covers the usual texts; here the working numbers and odd texts.
struct LimitCase {
    const char* name;
    bool induction;
    const char* text;
    const char* textAfter;
    double number;
};

class LimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(LimitTest, CutsTextsAboveTheLimitAndKeepsTheNumber) {
    const LimitCase& c = GetParam();
    DesignRecord record;
    Text& field = c.induction ? record.m_strInductionMax : record.m_strFrequency;
    WorkingNumber& working = c.induction ? record.m_dInduction : record.m_dFrequency;
    field = c.text;
    c.induction ? LimitInduction(record) : LimitFrequency(record);
    EXPECT_EQ(field, c.textAfter);
    EXPECT_EQ(working, c.number);
    EXPECT_FALSE((c.induction ? record.m_dFrequency : record.m_dInduction).has_value());
}

INSTANTIATE_TEST_SUITE_P(Limits, LimitTest,
                         testing::Values(LimitCase{"B035", true, "0,35", "0,3", 0.35},
                                         LimitCase{"B03KeepsItsPoint", true, "0.3", "0.3", 0.3},
                                         LimitCase{"BNegative", true, "-5", "-5", -5.0},
                                         LimitCase{"BExponent", true, "3e-1x", "3e-1x", 0.3},
                                         LimitCase{"F3005", false, "300,5", "300", 300.5},
                                         LimitCase{"FText", false, "abc", "abc", 0.0}),
                         [](const auto& info) { return info.param.name; });

// Option 1 uses the second edit of each pair; any other value, the first.
TEST(SwitchableEdits, OneOfEachPair) {
    for (const std::int32_t option : {0, 1, 2, -1}) {
        const bool second = option == 1;
        const ControllerEdits controller = ControllerEditsFor(option);
        EXPECT_EQ(controller.dutyMax, !second) << option;
        EXPECT_EQ(controller.deadTime, second) << option;
        const SwitchDropEdits drop = SwitchDropEditsFor(option);
        EXPECT_EQ(drop.usat, !second) << option;
        EXPECT_EQ(drop.rdsOn, second) << option;
    }
}

}  // namespace
}  // namespace toroglav
