// The winding as it is built: the bobbins' winding spaces against their drawings' letters, the
// layers against counts worked by hand, the insulation of a mains design, a ring's layers, and
// the leakage inductance against the closed forms worked by hand.
#include "calc/winding/winding_plan.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/winding/leakage_inductance.h"

namespace toroglav::winding {
namespace {

DesignRecord OnCore(std::string_view name) {
    DesignRecord record;
    ApplyCore(*FindCore(name), record);
    return record;
}

const Winding& WindingOf(const Plan& plan, int output) {
    for (const Winding& w : plan.windings)
        if (w.output == output) return w;
    throw std::out_of_range("no such winding");
}

struct SpaceCase {
    const char* family;
    const char* core;
    const char* bobbin;
    double depthMm, breadthMm;  // worked from the letters, see each row
};

class BobbinSpaceTest : public testing::TestWithParam<SpaceCase> {};

// A catalogue core takes the first single-chamber bobbin made for it, whose winding space is
// the least room its drawing's letters leave.
TEST_P(BobbinSpaceTest, FromTheDrawingsLetters) {
    const SpaceCase& c = GetParam();
    const DesignResult design(OnCore(c.core));
    const Space space = SpaceOf(design.inputs, design.core);
    ASSERT_EQ(space.kind, SpaceKind::Bobbin);
    EXPECT_EQ(space.bobbin->name, c.bobbin);
    EXPECT_NEAR(space.depthMm, c.depthMm, 1e-9);
    EXPECT_NEAR(space.breadthMm, c.breadthMm, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Families, BobbinSpaceTest,
    testing::Values(
        // e 29,2 max, f 12,6 min, s1 0,9: (29,2 - 12,6 - 1,8) / 2 = 7,4; l2 29,3, s2 1: 27,3.
        SpaceCase{"E", "E 42/21/15", "Bobbin E42/15", 7.4, 27.3},
        // d1 25,2 max, d2 13,6 max: 5,8; h2 20,9 min.
        SpaceCase{"Etd", "ETD 34", "Bobbin ETD 34", 5.8, 20.9},
        // D1 21,3 min, D2 12,3 max: 4,5; H2 21,4 min.
        SpaceCase{"Ec", "EC 35", "Bobbin EC 35", 4.5, 21.4},
        // e 18 max, f1 11,7, S1 0,55: (18 - 11,7 - 1,1) / 2 = 2,6; d 18, S2 0,55: 16,9.
        SpaceCase{"Efd", "EFD 25", "Bobbin EFD 25/13/9", 2.6, 16.9},
        // d1 9,3 min, d2 5,85 max: 1,725; h 8,6 min, s 0,65 max: 7,3.
        SpaceCase{"Ep", "EP 13", "Bobbin EP 13", 1.725, 7.3},
        // Every limit the wrong way round, so middles: d1 38,4, d2 23,2: 7,6; h 25,8, s1 1,1,
        // s2 1,5: 23,2.
        SpaceCase{"Pm", "PM 50/39", "Bobbin PM 50/39", 7.6, 23.2},
        // D1 26,59, D2 15,9 (nominals): 5,345; H2 18,8.
        SpaceCase{"Pq", "PQ 32/30", "Bobbin PQ 32/30", 5.345, 18.8},
        // D1 20,8 min, D2 12,5 max: 4,15; H2 12 min, H4 1,05, H5 0,7 max: 10,25.
        SpaceCase{"Rm", "RM 10", "Bobbin RM 10", 4.15, 10.25}),
    [](const auto& info) { return info.param.family; });

// A core a hair off the catalogue's ETD 34 takes a bobbin derived from its window, which comes
// within 0,1 mm of the catalogue bobbin's 5,8 x 20,9 mm.
TEST(DerivedBobbin, NearTheCatalogueBobbinOfItsSize) {
    DesignRecord record = OnCore("ETD 34");
    record.m_strDimh = "26,31";
    const DesignResult design(record);
    const Space space = SpaceOf(design.inputs, design.core);
    EXPECT_EQ(space.kind, SpaceKind::Derived);
    EXPECT_NEAR(space.depthMm, 5.8, 0.1);
    EXPECT_NEAR(space.breadthMm, 20.9, 0.1);
}

// The default design on ETD 34: its 72 primary turns of 0,63 mm wire, grade 2 (0,704 mm), on
// the breadth left between margins. Margins of 6,226 mm leave 8,448 mm, 12 wires: 6 layers; a
// hair wider ones leave room for 11: 7 layers.
TEST(Layers, AtABreadthThatJustFitsAndJustDoesNot) {
    const DesignResult design(OnCore("ETD 34"));
    ASSERT_EQ(design.primary.turns, 72);
    for (const auto& [marginMm, perLayer, layers] :
         {std::tuple{6.226, 12, 6u}, std::tuple{6.2261, 11, 7u}}) {
        PlanOptions options;
        options.marginMm = marginMm;
        const Plan plan = PlanWinding(design, options);
        const Winding& primary = WindingOf(plan, 0);
        EXPECT_EQ(primary.turnsPerLayer, perLayer) << marginMm;
        EXPECT_EQ(primary.layers.size(), layers) << marginMm;
    }
}

// On the mains the primary and the output are parted by reinforced insulation: 2,5 mm margins
// (half the 5 mm creepage), three layers of 0,06 mm tape between them and over the output; so
// 15,9 mm of breadth holds 22 turns of 0,704 mm. Triple-insulated outputs need neither.
TEST(Insulation, ReinforcedOnTheMains) {
    DesignRecord record = OnCore("ETD 34");
    record.m_nSupplyKind = IndexOf(SupplyKind::Mains);
    const DesignResult design(record);
    const Plan mains = PlanWinding(design);
    EXPECT_EQ(mains.marginMm, 2.5);
    EXPECT_EQ(WindingOf(mains, 0).turnsPerLayer, 22);
    EXPECT_EQ(WindingOf(mains, 0).tapeLayers, 3);
    EXPECT_NEAR(WindingOf(mains, 0).tapeMm, 0.18, 1e-12);
    EXPECT_EQ(WindingOf(mains, 1).tapeLayers, 3);

    PlanOptions triple;
    triple.tripleInsulated = true;
    const Plan insulated = PlanWinding(design, triple);
    EXPECT_EQ(insulated.marginMm, 0);
    EXPECT_EQ(WindingOf(insulated, 0).tapeLayers, 1);
    EXPECT_NEAR(WindingOf(insulated, 1).wireOuterMm, 0.63 + 0.2, 1e-12);

    const Plan dc = PlanWinding(DesignResult(OnCore("ETD 34")));
    EXPECT_EQ(dc.marginMm, 0);
    EXPECT_EQ(WindingOf(dc, 1).tapeLayers, 1);
}

// The default ring, 40 x 25 x 11, its 80 primary turns of 2 mm wire (2,112 mm, grade 2): each
// layer lies on a shorter circumference, pi (25 - 2 x - 2,112) at depth x: 71,905, 58,635 and
// 45,365 mm hold 34, 27 and 21 turns, so 34 + 27 + 19. A turn round the section 7,5 x 11 at
// its middle: 37 + 2 pi (x + 1,056) = 43,635, 56,905 and 70,175 mm.
TEST(Ring, EachLayerShortensTheNext) {
    DesignRecord record;
    record.m_strWirePrimary = "2";
    const Plan plan = PlanWinding(DesignResult(record));
    EXPECT_EQ(plan.space.kind, SpaceKind::Ring);
    const Winding& primary = WindingOf(plan, 0);
    ASSERT_EQ(primary.turns, 80);
    ASSERT_EQ(primary.layers.size(), 3u);
    const int turns[] = {34, 27, 19};
    const double meanTurnMm[] = {43.635, 56.905, 70.175};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(primary.layers[k].turns, turns[k]);
        EXPECT_NEAR(primary.layers[k].meanTurnMm, meanTurnMm[k], 1e-3);
    }
}

// The wire wound is the standard one nearest the entered: 0,47 mm is 0,475 mm.
TEST(Wire, NearestStandardDiameter) {
    DesignRecord record;
    record.m_strWireOut[0] = "0,47";
    const Plan plan = PlanWinding(DesignResult(record));
    const Winding& output = WindingOf(plan, 1);
    EXPECT_EQ(output.wireMm, 0.475);
    EXPECT_FALSE(output.StandardWire());
}

// 40 primary turns in two layers (h_P 1,132 mm), 0,06 mm of tape, 10 secondary turns (h_S
// 0,884 mm), b = 20,9 mm, one mean turn of 70 mm throughout. By hand:
//   concentric  mu0 40^2 70 / 20,9 (1,132 / 3 + 0,06 + 0,884 / 3) mm = 4,9294 uH;
//   interleaved mu0 40^2 70 / (4 20,9) (1,132 / 3 + 0,884 / 3 + 2 0,06) mm = 1,3334 uH.
TEST(Leakage, ConcentricAndInterleavedAgainstTheClosedForms) {
    const double mlt = 70, b = 20.9, p = 0.566, s = 0.884, tape = 0.06;
    const FieldRegion concentric[] = {{0, p, mlt, 0, 20},
                                      {p, p, mlt, 20, 40},
                                      {2 * p, tape, mlt, 40, 40},
                                      {2 * p + tape, s, mlt, 40, 0}};
    EXPECT_NEAR(ConcentricLeakageH(concentric, b) * 1e6, 4.9294, 1e-4);
    const FieldRegion interleaved[] = {{0, p, mlt, 0, 20},
                                       {p, tape, mlt, 20, 20},
                                       {p + tape, s, mlt, 20, -20},
                                       {p + tape + s, tape, mlt, -20, -20},
                                       {p + 2 * tape + s, p, mlt, -20, 0}};
    EXPECT_NEAR(ConcentricLeakageH(interleaved, b) * 1e6, 1.3334, 1e-4);
}

// T 25/15/10, 30 turns of 0,566 mm, 0,06 mm tape, 30 turns: the energy integral taken in 4000
// steps apart from this code gives 295,92 nH.
TEST(Leakage, ToroidalAgainstAFineIntegral) {
    const FieldRegion regions[] = {
        {0, 0.566, 0, 0, 30}, {0.566, 0.06, 0, 30, 30}, {0.626, 0.566, 0, 30, 0}};
    EXPECT_NEAR(ToroidalLeakageH(regions, 15, 25, 10) * 1e9, 295.92, 0.05);
}

}  // namespace
}  // namespace toroglav::winding
