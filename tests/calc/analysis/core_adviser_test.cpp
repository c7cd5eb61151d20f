// Advice over a small catalogue of hand-made rings whose outcome is known, and the criteria at
// their edges.

#include "calc/analysis/core_adviser.h"

#include <gtest/gtest.h>

#include <limits>

#include "calc/analysis/advice_columns.h"
#include "calc/text/number_text.h"

namespace toroglav {
namespace {

// The default design at 0,28 T: a ring of 40 x 25 x 11 fills 0,093 of its window and its core
// settles 24,0 K above the air; one of 100 x 60 x 53,3 gets 4 turns where 4,45 were wanted, and
// the higher induction heats it by 24,6 K (the loss analysis with N87 in 40 C air).
DesignRecord HotterDesign() {
    DesignRecord design;
    design.m_strInductionMax = "0,28";
    return design;
}

constexpr auto R = CoreFamily::Ring;
constexpr auto T = CoreType::Ring;
constexpr CatalogueCore kHandMade[] = {
    {"big", "", R, T, {"60", "30", "20", "", "", ""}},               // 42,4 cm3
    {"window too small", "", R, T, {"40", "10", "11", "", "", ""}},  // fill 0,314
    {"hot", "", R, T, {"100", "60", "53,3", "", "", ""}},            // 24,6 K
    {"no cross-section", "", R, T, {"40", "40", "11", "", "", ""}},  // inf, a warning
    {"small", "", R, T, {"40", "25", "11", "", "", ""}},             // 8,4 cm3
    {"small", "", R, T, {"40", "25", "11", "", "", ""}},             // listed once
};
constexpr double kMaxRise = 24.4;

std::vector<std::string_view> Names(const Advice& advice) {
    std::vector<std::string_view> names;
    for (const CoreAdvice& a : advice.cores) names.push_back(a.core->name);
    return names;
}

TEST(CoreAdviser, KeepsTheCoresThatCarryTheDesignSmallestFirst) {
    const DesignRecord design = HotterDesign();
    const Advice advice = AdviseCores(design, kHandMade, kMaxRise);
    EXPECT_EQ(Names(advice), (std::vector<std::string_view>{"small", "big"}));
    EXPECT_EQ(advice.cores[0].primaryTurns, "57 (57,49)");
    // The rise leaves out the hot ring and the one whose window is too small (26,5 K).
    EXPECT_EQ(advice.failures, (std::array<int, kAdviceCriteria>{1, 1, 1, 0, 2}));
    EXPECT_EQ(design, HotterDesign());  // advising changes nothing of the design
}

// 20 A from 17 V at 10 A/mm2: the copper heats the small ring's core (listed twice) by 53,4 K,
// the big one's by 28,8 K, the hot one's by 25,7 K and the one with too small a window by 55,2 K.
TEST(CoreAdviser, ACoreThatRisesAboveTheLimitIsLeftOut) {
    DesignRecord design = HotterDesign();
    design.m_strOutCurrent[0] = "20";
    design.m_strCurrentDensity = "10";
    const Advice advice = AdviseCores(design, kHandMade, 28);
    EXPECT_EQ(Names(advice), std::vector<std::string_view>{"hot"});
    EXPECT_EQ(advice.failures[static_cast<std::size_t>(AdviceCriterion::TemperatureRise)], 4);
    EXPECT_LE(advice.cores[0].analysis.temperatureRiseK, 28);
}

// Every figure of a row from the one model: its core and copper loss add up to its total.
TEST(CoreAdviser, ColumnsOfTheLossesAddUp) {
    const Advice advice = AdviseCores(HotterDesign(), kHandMade, kMaxRise);
    ASSERT_FALSE(advice.cores.empty());
    const auto column = [](std::string_view heading, const CoreAdvice& a) {
        for (const AdviceColumn& c : AdviceColumns())
            if (c.heading == heading) return ParseNumberText(c.text(a));
        return std::numeric_limits<double>::quiet_NaN();
    };
    for (const CoreAdvice& a : advice.cores)
        EXPECT_NEAR(column("core loss, W", a) + column("copper loss, W", a),
                    column("total loss, W", a), 0.016)
            << a.core->name;
}

// An output that draws a negative current is no load: no core's losses can be judged, and the
// advice says so.
TEST(CoreAdviser, NegativeOutputCurrentCannotBeJudged) {
    DesignRecord design = HotterDesign();
    design.m_strOutVoltage[1] = "12";
    design.m_strOutCurrent[1] = "-2";
    const Advice advice = AdviseCores(design, kHandMade, kMaxRise);
    EXPECT_TRUE(advice.cores.empty());
    EXPECT_EQ(advice.MostFailed(), AdviceCriterion::LossesJudged);
    EXPECT_EQ(advice.unjudged, Unjudged::NegativeOutputCurrent);
    EXPECT_EQ(advice.unjudgedOutput, 2);
}

TEST(CoreAdviser, WindowFillEqualToTheEnteredOnePasses) {
    DesignRecord design = HotterDesign();
    design.m_strWindowFill = "0,093";
    EXPECT_EQ(Names(AdviseCores(design, kHandMade, kMaxRise)).front(), "small");
    design.m_strWindowFill = "0,092";
    EXPECT_EQ(Names(AdviseCores(design, kHandMade, kMaxRise)).front(), "big");
}

TEST(CoreAdviser, NothingKeptSaysWhatFailedMostOften) {
    const Advice advice = AdviseCores(HotterDesign(), kHandMade, 0);
    EXPECT_TRUE(advice.cores.empty());
    EXPECT_EQ(advice.MostFailed(), AdviceCriterion::TemperatureRise);
}

TEST(CoreAdviser, FamiliesByNameAndByCoreType) {
    EXPECT_EQ(AdviceFamilyNamed("Etd"), AdviceFamily::Etd);
    EXPECT_EQ(AdviceFamilyNamed("OTHER"), AdviceFamily::Other);
    EXPECT_EQ(AdviceFamilyNamed("rings"), std::nullopt);
    EXPECT_EQ(AdviceFamilyOf(1), AdviceFamily::E);
    EXPECT_EQ(AdviceFamilyOf(3), AdviceFamily::All);
    // The round centre legs, ETD and ER, then every core given by its parameters.
    const auto etd = AdviceCandidates(AdviceFamily::Etd);
    EXPECT_EQ(etd.front().family, CoreFamily::Etd);
    EXPECT_EQ(etd.back().coreType(), 2);
    const auto other = AdviceCandidates(AdviceFamily::Other);
    EXPECT_EQ(other.data(), etd.data() + etd.size());
    EXPECT_EQ(other.back().coreType(), 3);
    EXPECT_EQ(AdviceCandidates(AdviceFamily::All).size(), CatalogueCores().size());
}

}  // namespace
}  // namespace toroglav
