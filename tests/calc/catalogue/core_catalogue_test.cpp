#include "calc/catalogue/core_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "calc/design/stages.h"

namespace toroglav {
namespace {

std::vector<std::string_view> NamesOf(const std::vector<const CatalogueCore*>& cores) {
    std::vector<std::string_view> names;
    for (const CatalogueCore* core : cores) names.push_back(core->name);
    return names;
}

// One core of each family whose letters the fields hold, its fields worked out by hand from the
// letters of its data sheet (mm; a range gives its middle).
struct MappingCase {
    const char* test;
    const char* name;
    CoreFamily family;
    int coreType;
    std::array<std::string_view, 6> dimensions;  // D, d, h, ho, Hs, L
};

class CoreMappingTest : public testing::TestWithParam<MappingCase> {};

TEST_P(CoreMappingTest, FieldsFromTheLetters) {
    const MappingCase& c = GetParam();
    const CatalogueCore* core = FindCore(c.name);
    ASSERT_NE(core, nullptr);
    EXPECT_EQ(core->name, c.name);
    EXPECT_EQ(core->family, c.family);
    EXPECT_EQ(core->coreType(), c.coreType);
    EXPECT_EQ(core->dimensions, c.dimensions);
    const auto ofItsType = CatalogueCores(core->type);
    EXPECT_TRUE(std::ranges::any_of(ofItsType, [&](const auto& entry) { return &entry == core; }));
}

INSTANTIATE_TEST_SUITE_P(
    Families, CoreMappingTest,
    testing::Values(
        // A 75,65, B 37,6, C 13,6. The name stands twice in the data, with A 75,65 and 75,85: the
        // first is kept. The other three fields are not the ring's.
        MappingCase{
            "Ring", "T 76/38/13.6", CoreFamily::Ring, 0, {"75,65", "37,6", "13,6", "", "", ""}},
        // F (1,1 + 1,2)/2 = 1,15; A (4,25 + 4,45)/2 = 4,35; E (3,05 + 3,25)/2 = 3,15;
        // D (0,95 + 1,06)/2 = 1,005, rounded up to 1,01; B (1,44 + 1,56)/2 = 1,5;
        // C (1,25 + 1,45)/2 = 1,35.
        MappingCase{"E", "E 4", CoreFamily::E, 1, {"1,15", "4,35", "3,15", "1,01", "1,5", "1,35"}},
        // F (12,2 + 12,8)/2 = 12,5; A (38,2 + 40)/2 = 39,1; E (29,3 + 30,9)/2 = 30,1;
        // D (14,2 + 15)/2 = 14,6; B (19,6 + 20)/2 = 19,8; the depth is the centre leg, no L.
        MappingCase{"Etd",
                    "ETD 39/20/13",
                    CoreFamily::Etd,
                    2,
                    {"12,5", "39,1", "30,1", "14,6", "19,8", ""}},
        // F (11 + 11,6)/2 = 11,3; A (34,2 + 35,8)/2 = 35; E (25,3 + 26,9)/2 = 26,1;
        // D (14,4 + 15)/2 = 14,7; B (20,4 + 21)/2 = 20,7.
        MappingCase{
            "Er", "ER 35/20/11", CoreFamily::Er, 2, {"11,3", "35", "26,1", "14,7", "20,7", ""}}),
    [](const auto& info) { return info.param.test; });

struct NameForm {
    const char* test;
    const char* typed;
    const char* finds;
};

class CoreNameFormTest : public testing::TestWithParam<NameForm> {};

TEST_P(CoreNameFormTest, FindsItsCore) {
    const CatalogueCore* core = FindCore(GetParam().typed);
    ASSERT_NE(core, nullptr) << GetParam().typed;
    EXPECT_EQ(core->name, GetParam().finds);
}

INSTANTIATE_TEST_SUITE_P(Forms, CoreNameFormTest,
                         testing::Values(NameForm{"Alias", "ETD 39", "ETD 39/20/13"},
                                         NameForm{"LowerCaseNoBlank", "etd39", "ETD 39/20/13"},
                                         NameForm{"RingAsR", "R 25/15/10", "T 25/15/10"},
                                         NameForm{"TimesAsX", "R25x15x10", "T 25/15/10"},
                                         NameForm{"ToroidWithX", "T 25x15x10", "T 25/15/10"},
                                         NameForm{"TimesSign", "t 25 × 15 × 10", "T 25/15/10"},
                                         NameForm{"ECore", "E 32/16/9", "E 32/16/9"},
                                         NameForm{"OtherMakersName", "EF 32", "E 32/16/9"},
                                         NameForm{"DecimalComma", "ER 25,5", "ER 25.5"},
                                         NameForm{"TrailingZero", "T 4.0/2.40/1.6", "T 4/2.4/1.6"},
                                         NameForm{"CyrillicLetters", "Е 32/16/9", "E 32/16/9"}),
                         [](const auto& info) { return info.param.test; });

TEST(CoreCatalogue, UnknownNameGivesTheClosest) {
    EXPECT_EQ(FindCore("ETD 40"), nullptr);
    EXPECT_EQ(NamesOf(ClosestCores("ETD 40", 2)),
              (std::vector<std::string_view>{"ETD 44/22/15", "ETD 49/25/16"}));
}

struct DistanceCase {
    const char* test;
    std::string typed;
    const char* name;
    std::size_t distance;
};

class NameDistanceTest : public testing::TestWithParam<DistanceCase> {};

TEST_P(NameDistanceTest, CountsTheTypingChanges) {
    EXPECT_EQ(NameDistance(GetParam().typed, GetParam().name), GetParam().distance);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameDistanceTest,
    testing::Values(DistanceCase{"EmptyNameInsertsEveryCharacter", "", "ETD 39", 6},
                    DistanceCase{"ExtraDigitIsOneDeletion", "ETD 399", "ETD 39", 1},
                    DistanceCase{"MissingDigitIsOneInsertion", "ETD 3", "ETD 39", 1},
                    // Only the compared length of a name that goes on and on: each of its
                    // characters replaced or deleted, the rest never looked at.
                    DistanceCase{"VeryLongName", std::string(100000, 'z'), "ETD 39",
                                 kComparedNameLength}),
    [](const auto& info) { return info.param.test; });

struct FilterCase {
    const char* test;
    const char* filter;
    std::vector<std::string_view> finds;
};

class CoreFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(CoreFilterTest, FindsTheCoresWithAWordBeginningSo) {
    EXPECT_EQ(NamesOf(CoresMatching(GetParam().filter)), GetParam().finds);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, CoreFilterTest,
    testing::Values(FilterCase{"PartOfANumber", "ETD 3", {"ETD 34/17/11", "ETD 39/20/13"}},
                    // "r" stands for the rings, not for the r inside "er".
                    FilterCase{"RingLetter", "r 25/15/1", {"T 25/15/10", "T 25/15/13"}},
                    FilterCase{"AliasWord", "42/44", {"ER 42/22/15"}}),
    [](const auto& info) { return info.param.test; });

TEST(CoreCatalogue, EmptyFilterFindsEveryCore) {
    EXPECT_EQ(CoresMatching("").size(), CatalogueCores().size());
}

TEST(CoreCatalogue, CoreTypesTakeEveryEntryOnce) {
    std::size_t total = 0;
    for (CoreType type : {CoreType::Ring, CoreType::E, CoreType::Etd, CoreType::Other}) {
        const auto entries = CatalogueCores(type);
        EXPECT_FALSE(entries.empty());
        for (const CatalogueCore& entry : entries) EXPECT_EQ(entry.type, type) << entry.name;
        total += entries.size();
    }
    EXPECT_EQ(total, CatalogueCores().size());
}

// The makers' published effective parameters against what the calculation makes of a core's
// fields: a shape the fields describe through the formulas of its core type (the volume of those
// is rough), every other one through the parameters worked out for it.
struct PublishedCase {
    const char* name;
    double ae, le, ve;  // mm2, mm, mm3
};

class PublishedFiguresTest : public testing::TestWithParam<PublishedCase> {};

TEST_P(PublishedFiguresTest, WithinFivePercent) {
    const PublishedCase& c = GetParam();
    const CatalogueCore* entry = FindCore(c.name);
    ASSERT_NE(entry, nullptr);
    DesignRecord record;
    ApplyCore(*entry, record);
    const stages::CoreGeometry core = stages::ComputeCoreGeometry(stages::ConvertInputs(record));
    const double veTolerance = entry->type == CoreType::Other ? 0.05 : 0.15;
    EXPECT_NEAR(core.ae, c.ae, 0.05 * c.ae);
    EXPECT_NEAR(core.le, c.le, 0.05 * c.le);
    EXPECT_NEAR(core.ve * 1000, c.ve, veTolerance * c.ve);
}

INSTANTIATE_TEST_SUITE_P(
    Makers, PublishedFiguresTest,
    testing::Values(PublishedCase{"T 25/15/10", 48.9, 60.2, 2940},   // Ferroxcube TX25/15/10
                    PublishedCase{"E 25/13/7", 52, 58, 2990},        // Ferroxcube
                    PublishedCase{"ETD 39", 125, 92.2, 11500},       // Ferroxcube
                    PublishedCase{"ER 18/3/10", 30.2, 22.1, 667},    // Ferroxcube, planar
                    PublishedCase{"EQ 30", 108, 46, 4970},           // Ferroxcube
                    PublishedCase{"EC 70", 279, 144, 40100},         // Ferroxcube
                    PublishedCase{"EFD 25", 58, 57, 3300},           // Ferroxcube
                    PublishedCase{"EP 13", 19.5, 24.2, 472},         // Ferroxcube
                    PublishedCase{"EP 7", 10.3, 15.7, 162},          // TDK (MKF's record)
                    PublishedCase{"EPX 10", 15.9, 21.7, 345},        // TDK (MKF's record)
                    PublishedCase{"PM 114/93", 1720, 200, 344000},   // TDK (MKF's record)
                    PublishedCase{"P 26/16", 93.9, 37.5, 3530},      // Ferroxcube
                    PublishedCase{"PQ 26/25", 120, 54.3, 6530},      // TDK
                    PublishedCase{"RM 10/I", 96.6, 44.6, 4310},      // Ferroxcube
                    PublishedCase{"U 67/27/14", 204, 172, 35200},    // Ferroxcube
                    PublishedCase{"U 26/22/16", 131, 98, 12800},     // TDK (MKF's record)
                    PublishedCase{"UR 70/33/17", 214, 197, 43800}),  // TDK (MKF's record)
    [](const auto& info) {
        std::string name;
        for (char c : std::string_view(info.param.name))
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        return name;
    });

// Shapes whose letters contradict their makers are not offered: a centre hole no maker's RM 14 or
// low-profile RM has (RM 7LP named one), EPX 7's letters under EPX 9, UT 20's open outline.
TEST(CoreCatalogue, ShapesContradictingTheirMakersAreLeftOut) {
    for (const char* name : {"RM 14", "RM 7LP", "EPX 9", "UT 20"})
        EXPECT_EQ(FindCore(name), nullptr) << name;
}

// No two entries share a name in the form names are found by, however the data spells them.
TEST(CoreCatalogue, EveryNameAndAliasFindsItsEntry) {
    for (const CatalogueCore& entry : CatalogueCores()) {
        EXPECT_EQ(FindCore(entry.name), &entry) << entry.name;
        for (std::string_view alias : entry.aliasList())
            EXPECT_EQ(FindCore(alias), &entry) << entry.name << " as " << alias;
    }
}

TEST(CoreCatalogue, EveryEntryIsARealCoreToTheCalculation) {
    for (const CatalogueCore& entry : CatalogueCores()) {
        DesignRecord record;
        ApplyCore(entry, record);
        const stages::CoreGeometry core =
            stages::ComputeCoreGeometry(stages::ConvertInputs(record));
        EXPECT_GT(core.ae, 0) << entry.name;
        EXPECT_GT(core.so, 0) << entry.name;
        EXPECT_GT(core.le, 0) << entry.name;
        EXPECT_GT(core.ve, 0) << entry.name;
    }
}

// The window's radios keep the texts of fields a core type does not read; so does a pick.
TEST(CoreCatalogue, ApplyKeepsTheFieldsTheCoreDoesNotGive) {
    DesignRecord record;
    record.m_nCoreType = 1;
    record.m_strDimho = "7";
    record.m_strDimHs = "8";
    record.m_strDimL = "9";
    ApplyCore(*FindCore("T 25/15/10"), record);
    EXPECT_EQ(record.m_nCoreType, 0);
    EXPECT_EQ((std::array<std::string, 6>{record.m_strDimD, record.m_strDimd, record.m_strDimh,
                                          record.m_strDimho, record.m_strDimHs, record.m_strDimL}),
              (std::array<std::string, 6>{"25", "15", "10", "7", "8", "9"}));
}

}  // namespace
}  // namespace toroglav
