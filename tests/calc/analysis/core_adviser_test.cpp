// Advice over a small catalogue of hand-made rings whose outcome is known, and the criteria at
// their edges.

#include "calc/analysis/core_adviser.h"

#include <gtest/gtest.h>

#include "calc/design/core_loss_table.h"

namespace toroglav {
namespace {

// The default design at 0,28 T: a ring of 40 x 25 x 11 fills 0,093 of its window at a specific
// loss of 203 mW/cm3 ("< 25"); one of 100 x 60 x 53,3 gets 4 turns where 4,45 were wanted, and
// the higher induction heats it by "25 - 30" degrees.
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
    {"hot", "", R, T, {"100", "60", "53,3", "", "", ""}},            // "25 - 30"
    {"no cross-section", "", R, T, {"40", "40", "11", "", "", ""}},  // inf, a warning
    {"small", "", R, T, {"40", "25", "11", "", "", ""}},             // 8,4 cm3
    {"small", "", R, T, {"40", "25", "11", "", "", ""}},             // listed once
};
constexpr double kMaxRise = 25;

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
    EXPECT_EQ(advice.failures, (std::array<int, kAdviceCriteria>{1, 1, 1, 2, 0}));
    EXPECT_EQ(design, HotterDesign());  // advising changes nothing of the design
}

// 20 A from 17 V at 10 A/mm2: the small ring's copper heats its core to 108 C in 40 C air, the
// big one's to 69 C; the calculation's own overheating band, from the core loss alone, keeps both.
TEST(CoreAdviser, ACoreHotterThan100CIsLeftOut) {
    DesignRecord design = HotterDesign();
    design.m_strOutCurrent[0] = "20";
    design.m_strCurrentDensity = "10";
    const Advice advice = AdviseCores(design, kHandMade, kMaxRise);
    EXPECT_EQ(Names(advice), std::vector<std::string_view>{"big"});
    EXPECT_EQ(advice.failures[static_cast<std::size_t>(AdviceCriterion::CoreTemperature)], 2);
    EXPECT_GT(advice.cores[0].analysis.totalLossW, 0);
    EXPECT_LE(advice.cores[0].analysis.coreTemperatureC, limits::kMaxCoreTemperatureC);
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
    EXPECT_EQ(advice.MostFailed(), AdviceCriterion::Overheat);
}

struct RiseCase {
    double density;  // mW/cm3
    double maxRise;
    bool within;
};

class RiseLimitTest : public testing::TestWithParam<RiseCase> {};

TEST_P(RiseLimitTest, BandTopAtOrBelowTheLimit) {
    EXPECT_EQ(RiseWithin(OverheatFor(GetParam().density), GetParam().maxRise), GetParam().within)
        << GetParam().density;
}

INSTANTIATE_TEST_SUITE_P(Edges, RiseLimitTest,
                         testing::Values(RiseCase{300, 40, true},  // 35 - 40
                                         RiseCase{320, 40, false}, RiseCase{100, 25, true},
                                         RiseCase{100, 24.9, false}, RiseCase{400, 1000, false},
                                         RiseCase{0, 1000, false}));

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
