// The loss and heating analysis: each effect against a figure worked by hand, and the analysis as
// a whole where it must hold whatever the figures.
#include "calc/analysis/loss_analysis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/analysis/loss_optimum.h"
#include "calc/magnetics/core_temperature.h"
#include "calc/magnetics/winding_build.h"
#include "calc/magnetics/winding_resistance.h"

namespace toroglav {
namespace {

struct TurnCase {
    const char* name;
    WindingSpace space;
    double conductors, wireMm, buildUnderMm;
    int layers;
    double meanTurnMm;  // worked by hand, see each row
};

class MeanTurnTest : public testing::TestWithParam<TurnCase> {};

TEST_P(MeanTurnTest, MatchesTheHandWorkedTurn) {
    const TurnCase& c = GetParam();
    const WindingBuild build = BuildWinding(c.space, c.conductors, c.wireMm, c.buildUnderMm);
    EXPECT_EQ(build.layers, c.layers);
    EXPECT_NEAR(build.meanTurnLengthMm, c.meanTurnMm, 1e-9);
}

// Wire 0.5 mm is 0.54 mm enamelled, 1 mm is 1.08 mm.
INSTANTIATE_TEST_SUITE_P(
    CoreTypes, MeanTurnTest,
    testing::Values(
        // Ring 40 x 25 x 11: section 7.5 x 11, layer pi 25 = 78.5 mm holds 145; one layer, its
        // middle 0.27 mm out: 2 (7.5 + 11) + 2 pi 0.27 = 38.696.
        TurnCase{"Ring", WindingSpaceOf(CoreType::Ring, 40, 25, 11, 0, 0, 0, 0), 10, 0.5, 0, 1,
                 38.696460032938},
        // E leg 10 x 12, window 2 x 5 mm high holds 18 a layer: 30 wires make 2 layers, 1.08 mm
        // over 1 mm of windings: 2 (10 + 12) + 2 pi 1.54 = 53.676.
        TurnCase{"E", WindingSpaceOf(CoreType::E, 10, 0, 0, 5, 12, 0, 0), 30, 0.5, 1, 2,
                 53.676105373057},
        // ETD leg 12.8 mm round: pi (12.8 + 2 0.54) = 43.605.
        TurnCase{"Etd", WindingSpaceOf(CoreType::Etd, 12.8, 0, 0, 14.2, 0, 0, 0), 20, 1, 0, 1,
                 43.605306031826},
        // Given Ae 125 mm2: a round leg of 12.616 mm, pi (12.616 + 1.08) = 43.026.
        TurnCase{"Other", WindingSpaceOf(CoreType::Other, 0, 0, 0, 0, 0, 125, 200), 5, 1, 0, 1,
                 43.026193041937}),
    [](const auto& info) { return info.param.name; });

// Three layers of 0.63 mm wire at 0.7 mm pitch at 100 kHz, copper at 20 C: skin depth 0.20897
// mm, Delta 2.3861, F_R 14.941 (the formula worked separately in double precision). One layer
// at Delta = 1 gives 1.0857, as Dowell's curves read.
TEST(WindingResistance, DowellFactorOfWorkedCases) {
    const double skin = SkinDepth(CopperResistivity(20), 100e3);
    EXPECT_NEAR(skin, 0.20897231909955822e-3, 1e-12);
    EXPECT_NEAR(DowellFactor(0.63, 0.7, 3, skin), 14.940743036304402, 1e-9);
    const double deltaOne = std::pow(std::numbers::pi / 4, 0.75);  // d = p = skin depth
    EXPECT_NEAR(DowellFactor(1, 1, 1, deltaOne * 1e-3), 1.0857, 1e-4);
}

// 170 W through a ring of 10 x 6 x 4 mm heats it past any balance.
TEST(LossAnalysis, SmallHotCoreRunsAway) {
    DesignRecord record;
    record.m_strFrequency = "100";
    record.m_strInductionMax = "0,3";
    record.m_strDimD = "10";
    record.m_strDimd = "6";
    record.m_strDimh = "4";
    const LossAnalysis a = AnalyseLosses(DesignResult(record), MaterialOfDesign(0));
    EXPECT_TRUE(a.judged);
    EXPECT_TRUE(a.thermalRunaway);
    EXPECT_TRUE(std::isnan(a.coreTemperatureC));
}

// The default design settles where its losses and the heat it gives off balance.
TEST(LossAnalysis, SettledTemperatureBalancesTheLosses) {
    const DesignRecord record;
    const LossAnalysis a = AnalyseLosses(DesignResult(record), MaterialOfDesign(0), 40);
    ASSERT_FALSE(a.thermalRunaway);
    EXPECT_NEAR(a.coreTemperatureC, 40 + a.thermalResistanceKPerW * a.totalLossW, 0.05);
    EXPECT_NEAR(a.efficiency, 170 / (170 + a.totalLossW), 1e-11);
}

// The optimum is a minimum: a tenth more or less induction loses more or the same (the turns
// change in whole steps, so the loss is flat between them).
TEST(LossAnalysis, OptimumIsTheLeastLoss) {
    const DesignRecord record;
    const FerriteMaterial& material = MaterialOfDesign(0);
    const LossOptimum optimum = FindLossOptimum(stages::ConvertInputs(record), material);
    ASSERT_TRUE(optimum.inductionMaxT);
    for (const double factor : {0.9, 1.1}) {
        stages::Inputs inputs = stages::ConvertInputs(record);
        inputs.inductionMax = *optimum.inductionMaxT * factor;
        const LossAnalysis near = AnalyseLosses(DesignResult(inputs), material);
        EXPECT_GT(near.totalLossW, optimum.totalLossW) << factor;
    }
}

}  // namespace
}  // namespace toroglav
