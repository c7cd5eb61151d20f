// The ferrite library: the loss surface against the makers' data, the flags, the rectangular-wave
// factor against figures worked by hand, the saturation flux.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/magnetics/core_loss_density.h"
#include "calc/magnetics/ferrite_material.h"
#include "calc/magnetics/rectangular_wave_loss.h"
#include "calc/magnetics/saturation_flux_density.h"

namespace toroglav {
namespace {

const FerriteMaterial& Material(const char* name) {
    const FerriteMaterial* material = FindFerriteMaterial(name);
    EXPECT_NE(material, nullptr) << name;
    return material ? *material : FerriteMaterials().front();
}

struct DataPoint {
    const char* material;  // in lower case: names are found whatever their case
    double frequencyHz, fluxDensityPeakT, temperatureC;
    double wattsPerCubicMetre;  // a point of the maker's curve, as the imported data give it
};

class LossDataTest : public testing::TestWithParam<DataPoint> {};

// Within 10 %, the bound the import script holds every material to for 95 % of its points.
TEST_P(LossDataTest, ReproducesTheMakersCurve) {
    const DataPoint& p = GetParam();
    const LossDensity loss =
        SineLossDensity(Material(p.material), p.frequencyHz, p.fluxDensityPeakT, p.temperatureC);
    EXPECT_NEAR(loss.wattsPerCubicMetre / p.wattsPerCubicMetre, 1, 0.10);
    EXPECT_FALSE(loss.outsideData);
}

// Each material at its lowest, middle and highest temperature of the data.
INSTANTIATE_TEST_SUITE_P(Materials, LossDataTest,
                         testing::Values(DataPoint{"n87", 61642, 0.0999, 25, 69255.9453},
                                         DataPoint{"n87", 152693, 0.1616, 65, 526338.938},
                                         DataPoint{"n87", 378232, 0.0333, 100, 48887.1445},
                                         DataPoint{"n27", 56166, 0.0709, 20, 60726.0508},
                                         DataPoint{"n27", 95896, 0.1616, 60, 582284.5},
                                         DataPoint{"n27", 163727, 0.0382, 100, 46296.1563},
                                         DataPoint{"n49", 61642, 0.0999, 25, 57310.1367},
                                         DataPoint{"n49", 156286, 0.1616, 65, 506908.594},
                                         DataPoint{"n49", 396241, 0.0333, 100, 18975.0723},
                                         DataPoint{"3c90", 56166, 0.1409, 100, 83351.7734},
                                         DataPoint{"3c90", 98152, 0.2128, 100, 549649.375},
                                         DataPoint{"3c94", 56166, 0.1792, 100, 133886.719},
                                         DataPoint{"3c94", 171523, 0.0842, 100, 89135.1719},
                                         DataPoint{"3f4", 61642, 0.1146, 100, 157648},
                                         DataPoint{"3f4", 396241, 0.0469, 100, 91585.4688},
                                         DataPoint{"77", 60225, 0.0965, 25, 112746.992},
                                         DataPoint{"77", 139128, 0.0999, 65, 260342.031},
                                         DataPoint{"77", 321404, 0.0262, 100, 51010.2188},
                                         DataPoint{"78", 53613, 0.1731, 10, 273164.531},
                                         DataPoint{"78", 156286, 0.1361, 65, 317616.813},
                                         DataPoint{"78", 91537, 0.1562, 115, 284865.844}));

// Below the data's frequencies the loss goes on as a power law with the exponent at the edge.
TEST(LossDensity, BelowTheDataExtrapolatesWithTheEdgeExponentAndSaysSo) {
    const FerriteMaterial& n87 = Material("N87");
    const LossDensity edge = SineLossDensity(n87, 50e3, 0.1, 100);
    const LossDensity below = SineLossDensity(n87, 20e3, 0.1, 100);
    EXPECT_FALSE(edge.outsideData);
    EXPECT_TRUE(below.outsideData);
    EXPECT_GT(edge.frequencyExponent, 1);
    EXPECT_NEAR(below.wattsPerCubicMetre,
                edge.wattsPerCubicMetre * std::pow(20.0 / 50, edge.frequencyExponent),
                edge.wattsPerCubicMetre * 1e-9);
}

// Past the hottest curve the loss goes on with the slope in ln Pv per K between the two hottest
// curves where the loss rises there (N27 at 60 kHz, 0,1 T: 1,44 %/K), and flat where it falls
// (N87 at 100 kHz, 0,1 T), since a ferrite's loss rises again past its minimum.
TEST(LossDensity, AboveTheDataGoesOnWithTheSlopeOfTheHottestCurvesNeverFalling) {
    const FerriteMaterial& n27 = Material("N27");
    const double at95 = SineLossDensity(n27, 60e3, 0.1, 95).wattsPerCubicMetre;
    const double at100 = SineLossDensity(n27, 60e3, 0.1, 100).wattsPerCubicMetre;
    ASSERT_GT(at100, at95);
    const LossDensity hot = SineLossDensity(n27, 60e3, 0.1, 130);
    EXPECT_NEAR(hot.wattsPerCubicMetre, at100 * std::pow(at100 / at95, 30.0 / 5), at100 * 1e-9);
    EXPECT_TRUE(hot.outsideData);
    const FerriteMaterial& n87 = Material("N87");
    EXPECT_EQ(SineLossDensity(n87, 100e3, 0.1, 130).wattsPerCubicMetre,
              SineLossDensity(n87, 100e3, 0.1, 100).wattsPerCubicMetre);
}

TEST(LossDensity, OutsideTheDataIsFlagged) {
    const FerriteMaterial& n87 = Material("N87");
    EXPECT_TRUE(SineLossDensity(n87, 100e3, 0.3, 100).outsideData);  // above the flux
    EXPECT_TRUE(SineLossDensity(n87, 50e3, 0.03, 100).outsideData);  // no curve down there
    EXPECT_TRUE(SineLossDensity(n87, 100e3, 0.1, 120).outsideData);  // above the temperatures
    // 3C90 is given at 100 degrees only: 80 degrees takes that curve.
    const FerriteMaterial& c90 = Material("3C90");
    const LossDensity at80 = SineLossDensity(c90, 100e3, 0.1, 80);
    EXPECT_TRUE(at80.outsideData);
    EXPECT_EQ(at80.wattsPerCubicMetre, SineLossDensity(c90, 100e3, 0.1, 100).wattsPerCubicMetre);
}

struct FactorCase {
    double alpha, conduction, factor;  // worked by hand from the formula
};

class RectangularWaveTest : public testing::TestWithParam<FactorCase> {};

TEST_P(RectangularWaveTest, FactorMatchesTheHandFigure) {
    EXPECT_NEAR(RectangularWaveLossFactor(GetParam().alpha, GetParam().conduction),
                GetParam().factor, 5e-4);
}

// Below alpha 1 a shorter conduction leaves the factor as it is (1,02543 at alpha 0,8 worked
// from the gamma functions): the loss per cycle does not fall as the flux ramps faster.
INSTANTIATE_TEST_SUITE_P(Figures, RectangularWaveTest,
                         testing::Values(FactorCase{1.0, 1.0, 1.0}, FactorCase{1.5, 1.0, 0.913},
                                         FactorCase{1.5, 0.5, 1.291}, FactorCase{0.8, 1.0, 1.0254},
                                         FactorCase{0.8, 0.05, 1.0254}));

// 78 at 100 kHz, 45 mT, 60 C is inside the data; conducting 0,1 % of the period, the flux ramps
// as at 100 MHz, far above them.
TEST(RectangularWave, EquivalentFrequencyAboveTheDataIsFlagged) {
    const FerriteMaterial& m78 = Material("78");
    EXPECT_FALSE(RectangularWaveLossDensity(m78, 100e3, 0.045, 60, 1).outsideData);
    EXPECT_TRUE(RectangularWaveLossDensity(m78, 100e3, 0.045, 60, 0.001).outsideData);
}

// Above 100 degrees it falls on with the slope between 25 and 100, 1,4 mT/K: 0,362 T at 120,
// nothing at 400.
TEST(SaturationFluxDensity, LinearBetweenTheMakersTemperaturesFallingBeyondAndFlagged) {
    const FerriteMaterial& n87 = Material("N87");  // 0.495 T at 25 degrees, 0.390 T at 100
    const SaturationFluxDensity middle = SaturationFluxDensityAt(n87, 62.5);
    EXPECT_NEAR(middle.tesla, (0.495 + 0.390) / 2, 1e-12);
    EXPECT_FALSE(middle.outsideData);
    const SaturationFluxDensity hot = SaturationFluxDensityAt(n87, 120);
    EXPECT_NEAR(hot.tesla, 0.390 - 20 * 0.105 / 75, 1e-12);
    EXPECT_TRUE(hot.outsideData);
    EXPECT_EQ(SaturationFluxDensityAt(n87, 400).tesla, 0);
    EXPECT_DOUBLE_EQ(SaturationFluxDensityAt(n87, 0).tesla, 0.495);
}

}  // namespace
}  // namespace toroglav
