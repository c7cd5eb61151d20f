// The loss and heating analysis: each effect against a figure worked by hand, and the analysis as
// a whole where it must hold whatever the figures.
#include "calc/analysis/loss_analysis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/analysis/loss_optimum.h"
#include "calc/magnetics/core_temperature.h"
#include "calc/magnetics/harmonic_winding_loss.h"
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

// The effective factor of a pulse train against an independent sum of the same closed-form
// harmonics, each at Dowell's formula itself (not the table), up to the same 0,1 %; a direct
// current has none, a sine the fundamental's (the worked case above, Delta 2,3861).
struct HarmonicCase {
    const char* name;
    CurrentSpectrum (*spectrum)(double duty);
    double duty, delta;
    int layers;
    double factor;
};

class HarmonicFactorTest : public testing::TestWithParam<HarmonicCase> {};

TEST_P(HarmonicFactorTest, MatchesTheIndependentSum) {
    const HarmonicCase& c = GetParam();
    EXPECT_NEAR(c.spectrum(c.duty).AcFactor(c.delta, c.layers) / c.factor, 1, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Waveforms, HarmonicFactorTest,
    testing::Values(
        HarmonicCase{"Direct", [](double) { return CurrentSpectrum::Direct(); }, 0, 3, 4, 1},
        HarmonicCase{"Sine", [](double) { return CurrentSpectrum::Sine(); }, 0, 2.386109955938106,
                     3, 14.940743036304402},
        HarmonicCase{"PushPullHalf", CurrentSpectrum::Pulse, 0.45, 2, 3, 8.815436295},
        HarmonicCase{"ThinWireManyLayers", CurrentSpectrum::Pulse, 0.1, 0.5, 12, 36.13186113},
        HarmonicCase{"Bipolar", CurrentSpectrum::BipolarPulses, 0.45, 2, 3, 13.138632798},
        HarmonicCase{"BipolarThickWire", CurrentSpectrum::BipolarPulses, 0.25, 8, 2, 31.8797756},
        HarmonicCase{"CentreTappedHalf", CurrentSpectrum::CentreTappedHalf, 0.3131255, 3.2, 1,
                     2.10807645}),
    [](const auto& info) { return info.param.name; });

double kOneKPerW(double) {
    return 1;
}

// A loss that would settle the core at or above the limit, or nowhere, runs away; one that is not
// a number cannot be judged.
TEST(CoreTemperature, SettlesOnlyBelowTheLimit) {
    const auto settle = [](double lossW) {
        return SettledTemperature(40, kOneKPerW, 210, [lossW](double) { return lossW; });
    };
    EXPECT_EQ(settle(171).outcome, SettledCore::Outcome::RunsAway);  // 211 C
    EXPECT_EQ(settle(170).outcome, SettledCore::Outcome::RunsAway);  // 210 C
    EXPECT_EQ(settle(NAN).outcome, SettledCore::Outcome::NotANumber);
    const SettledCore settled = settle(160);
    ASSERT_EQ(settled.outcome, SettledCore::Outcome::Settled);
    EXPECT_NEAR(settled.temperatureC, 200, limits::kSettledToleranceK);
    // Losses that grow ever faster pass the limit on the way: the scan finds no balance below.
    EXPECT_EQ(
        SettledTemperature(40, kOneKPerW, 210, [](double t) { return t < 205 ? 0.9 * t : 1e9; })
            .outcome,
        SettledCore::Outcome::RunsAway);
}

DesignRecord SmallRing() {
    DesignRecord record;
    record.m_strFrequency = "100";
    record.m_strInductionMax = "0,3";
    record.m_strDimD = "14";
    record.m_strDimd = "8";
    record.m_strDimh = "5";
    return record;
}

// 170 W through a ring of 14 x 8 x 5 mm heats it past any balance below N87's Curie temperature.
TEST(LossAnalysis, SmallHotCoreRunsAway) {
    const LossAnalysis a = AnalyseLosses(DesignResult(SmallRing()), MaterialOfDesign(0));
    EXPECT_TRUE(a.judged);
    EXPECT_TRUE(a.thermalRunaway);
    EXPECT_TRUE(std::isnan(a.coreTemperatureC));
}

// The default design settles where its losses and the heat it gives off balance, and its primary
// carries, while it has voltage, the loads, the rectifiers' drop and both losses.
TEST(LossAnalysis, SettledTemperatureAndPowerBalance) {
    const DesignRecord record;
    const DesignResult design(record);
    const LossAnalysis a = AnalyseLosses(design, MaterialOfDesign(0), 40);
    ASSERT_FALSE(a.thermalRunaway);
    EXPECT_NEAR(a.coreTemperatureC, 40 + a.thermalResistanceKPerW * a.totalLossW, 0.05);
    EXPECT_NEAR(a.efficiency, 170 / (170 + a.totalLossW), 1e-11);
    const stages::Output& output = design.outputs.each[0];
    const double primaryCurrent = a.primary.currentRmsA / std::sqrt(a.conduction);  // one half
    EXPECT_NEAR(a.conduction * design.operatingPoint.primaryNom * primaryCurrent,
                170 + output.drop * output.current + a.totalLossW, 1e-9);
}

// A -12 V output is a winding like any other; an output drawing -2 A is no load at all.
TEST(LossAnalysis, NegativeOutputs) {
    DesignRecord record;
    record.m_strOutVoltage[1] = "-12";
    record.m_strOutCurrent[1] = "2";
    const LossAnalysis negativeVoltage = AnalyseLosses(DesignResult(record), MaterialOfDesign(0));
    EXPECT_TRUE(negativeVoltage.judged);
    EXPECT_FALSE(negativeVoltage.thermalRunaway);
    ASSERT_TRUE(negativeVoltage.outputs[1]);
    EXPECT_GT(negativeVoltage.outputs[1]->resistanceDcOhm, 0);
    EXPECT_GE(negativeVoltage.outputs[1]->acFactor, 1);
    EXPECT_GT(negativeVoltage.loadPowerW, 170);
    EXPECT_LT(negativeVoltage.efficiency, 1);

    record.m_strOutVoltage[1] = "12";
    record.m_strOutCurrent[1] = "-2";
    const LossAnalysis negativeCurrent = AnalyseLosses(DesignResult(record), MaterialOfDesign(0));
    EXPECT_FALSE(negativeCurrent.judged);
    EXPECT_EQ(negativeCurrent.unjudged, Unjudged::NegativeOutputCurrent);
    EXPECT_EQ(negativeCurrent.unjudgedOutput, 2);
    EXPECT_TRUE(std::isnan(negativeCurrent.efficiency));
}

// The optimum is a value the designer may use: typed in, the design's windings fit, its core
// settles within N87's data with the worst-case peak flux at most 0,8 of saturation, and the
// analysis gives the optimum's loss.
TEST(LossAnalysis, OptimumIsAdmissible) {
    const DesignRecord record;
    const FerriteMaterial& material = MaterialOfDesign(0);
    const LossOptimum optimum = FindLossOptimum(stages::ConvertInputs(record), material);
    ASSERT_TRUE(optimum.inductionMaxT);
    EXPECT_EQ(optimum.samples.size(), 281u);
    EXPECT_LE(*optimum.inductionMaxT, 0.3);
    stages::Inputs inputs = stages::ConvertInputs(record);
    inputs.inductionMax = *optimum.inductionMaxT;
    const DesignResult design(inputs);
    const LossAnalysis a = AnalyseLosses(design, material);
    EXPECT_LE(design.power.windowFill, inputs.windowFill);
    EXPECT_LE(a.coreTemperatureC, 100);
    EXPECT_LE(a.fluxDensityPeakWorstT, 0.8 * a.saturationFluxDensityT);
    EXPECT_EQ(a.totalLossW, optimum.totalLossW);
    EXPECT_EQ(a.fluxDensityPeakT, optimum.fluxDensityPeakT);
}

}  // namespace
}  // namespace toroglav
