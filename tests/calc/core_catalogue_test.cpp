#include "calc/core_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/stages.h"

namespace toroglav {
namespace {

std::vector<std::string_view> NamesOf(const std::vector<const CatalogueCore*>& cores) {
    std::vector<std::string_view> names;
    for (const CatalogueCore* core : cores) names.push_back(core->name);
    return names;
}

// One core of each family, its fields worked out by hand from the letters of its data sheet
// (mm; a range gives its middle).
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
    const auto family = CatalogueCores(c.family);
    EXPECT_TRUE(std::ranges::any_of(family, [&](const auto& entry) { return &entry == core; }));
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
            "Er", "ER 35/20/11", CoreFamily::Er, 2, {"11,3", "35", "26,1", "14,7", "20,7", ""}},
        // F (11,3 + 11,9)/2 = 11,6; A (39,6 + 41,6)/2 = 40,6; E (26,3 + 27,8)/2 = 27,05;
        // D (13,5 + 14,3)/2 = 13,9; B (19,35 + 19,65)/2 = 19,5.
        MappingCase{
            "Ec", "EC 41", CoreFamily::Ec, 2, {"11,6", "40,6", "27,05", "13,9", "19,5", ""}}),
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

TEST(CoreCatalogue, FamiliesTakeEveryEntryOnce) {
    std::size_t total = 0;
    for (CoreFamily family :
         {CoreFamily::Ring, CoreFamily::E, CoreFamily::Etd, CoreFamily::Er, CoreFamily::Ec}) {
        const auto entries = CatalogueCores(family);
        EXPECT_FALSE(entries.empty());
        for (const CatalogueCore& entry : entries) EXPECT_EQ(entry.family, family) << entry.name;
        total += entries.size();
    }
    EXPECT_EQ(total, CatalogueCores().size());
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
