#include "calc/design/core_loss_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/design/result_texts.h"
#include "calc/record/option_values.h"
#include "calc/text/result_format.h"

namespace toroglav {
namespace {

constexpr int kN87 = IndexOf(Material::N87);
constexpr int kN27 = IndexOf(Material::N27);
enum Warning { kNone, kOverheat, kNoData };

struct LossCase {
    const char* name;
    int material;
    double induction, frequency;
    double density;  // expected within 0.01 %
    const char* lossText;
    const char* band;
    Warning warning;
};

class CoreLossTest : public testing::TestWithParam<LossCase> {};

// A 10 cm3 core; the texts as the calculation writes them.
TEST_P(CoreLossTest, InterpolatesTheTablesAndWarns) {
    const LossCase& c = GetParam();
    const CoreLoss loss = EstimateCoreLoss(c.material, c.induction, c.frequency, 10.0);

    EXPECT_NEAR(loss.density, c.density, c.density * 1e-4);
    EXPECT_DOUBLE_EQ(loss.loss, loss.density / 1000 * 10);
    EXPECT_EQ(loss.hasData ? FormatFixed(loss.loss, 2) : std::string(kNoLossDataText), c.lossText);
    EXPECT_EQ(OverheatText(loss.overheat), c.band);
    switch (c.warning) {
        case kNone:
            EXPECT_TRUE(loss.warning.empty());
            break;
        case kOverheat:
            EXPECT_EQ(loss.warning, kOverheatWarning);
            break;
        case kNoData:
            EXPECT_EQ(loss.warning, kNoLossDataWarning);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    OperatingPoints, CoreLossTest,
    testing::Values(
        LossCase{"N87OnGrid", kN87, 0.1, 100, 93.97, "0,94", "< 25", kNone},
        LossCase{"N27OnGrid", kN27, 0.05, 25, 5.66, "0,06", "< 25", kNone},
        LossCase{"N87GridLineSelectsUpperRow", kN87, 0.2, 100, 525.6, "5,26", "> 55", kOverheat},
        LossCase{"N87Between", kN87, 0.15, 70, 163.43, "1,63", "< 25", kNone},
        LossCase{"N27Between", kN27, 0.15, 40, 140.57, "1,41", "< 25", kNone},
        LossCase{"N87BelowTables", kN87, 0.03, 20, 0.3713, "0,00", "< 25", kNone},
        LossCase{"N87AtFrequencyLimit", kN87, 0.21, 100, 589.77, "5,90", "> 55", kOverheat},
        LossCase{"N87AboveLimit", kN87, 0.21, 101, 0, "?  ", "?  ", kNoData},
        LossCase{"N27AboveLimit", kN27, 0.21, 51, 0, "?  ", "?  ", kNoData},
        LossCase{"N27InductionOnLimit", kN27, 0.2, 300, 4791.99, "47,92", "> 55", kOverheat},
        // Rows 0.2 and 0.4 T at 25 and 50 kHz: 149.7 * 1.4^log2(356 / 149.7) = 227.957 and
        // 578.2 * 1.4^log2(1408.8 / 578.2) = 890.896, then 227.957 * 1.5^log2(890.896 / 227.957).
        LossCase{"N27AboveTwoTenthsTesla", kN27, 0.3, 35, 505.983, "5,06", "> 55", kOverheat},
        LossCase{"ZeroInduction", kN87, 0, 100, 0, "0,00", "?  ", kNone},
        LossCase{"UnknownMaterialHasNoDataAndNoWarning", 2, 0.1, 100, 0, "?  ", "?  ", kNone},
        LossCase{"NegativeMaterial", -1, 0.1, 100, 0, "?  ", "?  ", kNone}),
    [](const auto& info) { return info.param.name; });

TEST(CoreLoss, IndexBoundariesFollowTheGridLines) {
    // Just below a grid line the lower cell extrapolates to the same point on the line.
    EXPECT_NEAR(EstimateCoreLoss(kN87, 0.0999999, 100, 1).density, 93.97, 0.01);
    EXPECT_NEAR(EstimateCoreLoss(kN87, 0.1, 49.9999, 1).density, 40, 0.01);
    EXPECT_NEAR(EstimateCoreLoss(kN87, 0.1, 50, 1).density, 40, 1e-9);
}

TEST(CoreLoss, BeyondTheTablesExtrapolatesTheLastCells) {
    // 0.4 T at 50 kHz is on the last row; above it the last pair of rows carries on.
    const double onEdge = EstimateCoreLoss(kN87, 0.4, 50, 1).density;
    EXPECT_NEAR(onEdge, 1000.1, 1e-9);
    const double beyond = EstimateCoreLoss(kN87, 0.8, 50, 1).density;
    EXPECT_NEAR(beyond, 1000.1 * 1000.1 / 213.44, 1e-6);  // same power law, one more doubling
    // 800 kHz at a low induction: beyond the last column.
    const double high = EstimateCoreLoss(kN87, 0.05, 800, 1).density;
    EXPECT_NEAR(high, 143.8 * 143.8 / 35, 1e-6);
    EXPECT_TRUE(std::isfinite(EstimateCoreLoss(kN27, 1e6, 1e6 / 1e5, 1).density));
}

struct BandCase {
    double density;
    const char* band;
};

class OverheatBandTest : public testing::TestWithParam<BandCase> {};

TEST_P(OverheatBandTest, MapsSpecificLossToBand) {
    EXPECT_EQ(OverheatText(OverheatFor(GetParam().density)), GetParam().band) << GetParam().density;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, OverheatBandTest,
                         testing::Values(BandCase{388, "> 55"}, BandCase{387, "50 - 55"},
                                         BandCase{360, "50 - 55"}, BandCase{359.99, "45 - 50"},
                                         BandCase{338, "45 - 50"}, BandCase{320, "40 - 45"},
                                         BandCase{300, "35 - 40"}, BandCase{270, "30 - 35"},
                                         BandCase{235, "25 - 30"}, BandCase{234.999, "< 25"},
                                         BandCase{1e-9, "< 25"}, BandCase{0, "?  "},
                                         BandCase{-1, ""}, BandCase{NAN, ""}));

// 360 mW/cm3 itself reads "50 - 55" without a warning; only above it the core overheats.
TEST(CoreLoss, OverheatEdgeIsStrictlyAboveThreeSixty) {
    EXPECT_FALSE(Overheats(360));
    EXPECT_TRUE(Overheats(std::nextafter(360.0, 400.0)));
}

}  // namespace
}  // namespace toroglav
