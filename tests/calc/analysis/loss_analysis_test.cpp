// The loss and heating analysis: each effect against a figure worked by hand, and the analysis as
// a whole where it must hold whatever the figures.
#include "calc/analysis/loss_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/analysis/loss_optimum.h"
#include "calc/constants.h"
#include "calc/magnetics/core_temperature.h"
#include "calc/magnetics/harmonic_winding_loss.h"
#include "calc/magnetics/winding_resistance.h"
#include "calc/winding/winding_plan.h"

namespace toroglav {
namespace {

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

// The windings lie as --winding lays them: each one's layers, porosity and resistance (at the
// core's temperature) are the plan's.
TEST(LossAnalysis, WindingsAreThePlans) {
    const DesignResult design{DesignRecord()};
    const LossAnalysis a = AnalyseLosses(design, MaterialOfDesign(0));
    const winding::Plan plan = winding::PlanWinding(design);
    ASSERT_TRUE(a.judged);
    EXPECT_EQ(a.windingsFit, plan.fits);
    std::vector<const WindingLoss*> windings{&a.primary};
    for (const auto& output : a.outputs)
        if (output) windings.push_back(&*output);
    ASSERT_EQ(windings.size(), plan.windings.size());
    const double warm = 1 + constants::kCopperTemperatureCoefficient * (a.coreTemperatureC - 20);
    for (std::size_t k = 0; k < windings.size(); ++k) {
        const winding::Winding& w = plan.windings[k];
        EXPECT_EQ(windings[k]->layers, static_cast<int>(w.layers.size()));
        EXPECT_NEAR(windings[k]->resistanceDcOhm / (w.resistanceDcOhm * warm), 1, 1e-12);
        EXPECT_DOUBLE_EQ(windings[k]->porosity,
                         w.wireMm / winding::Winding::PitchMm(w.layers.front()));
    }
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
    EXPECT_TRUE(a.windingsFit);
    EXPECT_LE(a.coreTemperatureC, 100);
    EXPECT_LE(a.fluxDensityPeakWorstT, 0.8 * a.saturationFluxDensityT);
    EXPECT_EQ(a.totalLossW, optimum.totalLossW);
    EXPECT_EQ(a.fluxDensityPeakT, optimum.fluxDensityPeakT);
}

}  // namespace
}  // namespace toroglav
