#include "calc/record/design_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "calc/text/cp1251.h"

namespace toroglav {
namespace {

// The default inputs show in the default design's figures; a new record holds no results yet.
TEST(DesignRecord, NewRecordHoldsNoResults) {
    const DesignRecord r;
    EXPECT_EQ(r.m_strPrimaryTurns, "");
    EXPECT_EQ(r.m_strOutTurns, OutputTexts{});
    EXPECT_EQ(r.m_strInductanceUnit, Cp1251<"мГн">);
    EXPECT_FALSE(r.m_dInduction.has_value());
    EXPECT_FALSE(r.m_dCoreLoss.has_value());
}

// The table is whole: every member of the record once, each kind with its type, and the design
// file's items numbered without gaps, options first. A member missing from the table leaves a
// hole in the record's layout at least as wide as its alignment.
TEST(RecordFields, ListEveryMemberOnceWithItsKindAndFileItems) {
    struct Place {
        std::size_t offset, size, align;
    };
    const DesignRecord r;
    std::vector<Place> places;
    std::vector<std::pair<int, bool>> fileItems;  // position, is an option
    std::set<std::string_view> names;
    for (const RecordField& field : RecordFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        std::visit(
            [&](auto member) {
                using Type = std::remove_cvref_t<decltype(r.*member)>;
                const auto offset =
                    static_cast<std::size_t>(reinterpret_cast<const char*>(&(r.*member)) -
                                             reinterpret_cast<const char*>(&r));
                places.push_back({offset, sizeof(Type), alignof(Type)});
                constexpr bool isOption = std::is_same_v<Type, std::int32_t> ||
                                          std::is_same_v<Type, std::array<std::int32_t, 5>>;
                constexpr bool isWorking = std::is_same_v<Type, WorkingNumber>;
                EXPECT_EQ(field.kind == MemberKind::Option, isOption) << field.name;
                EXPECT_EQ(field.kind == MemberKind::Working, isWorking) << field.name;
                const bool stored =
                    field.kind == MemberKind::Option || field.kind == MemberKind::Input;
                EXPECT_EQ(field.filePosition != RecordField::kNotStored, stored) << field.name;
                if (stored)
                    for (int k = 0; k < (field.IsArray() ? kOutputCount : 1); ++k)
                        fileItems.emplace_back(field.filePosition + k, isOption);
            },
            field.member);
    }

    std::ranges::sort(places, {}, &Place::offset);
    std::size_t end = 0;
    for (const Place& place : places) {
        EXPECT_GE(place.offset, end);
        EXPECT_LT(place.offset - end, place.align) << "a member at " << end << " is not listed";
        end = place.offset + place.size;
    }
    EXPECT_LT(sizeof(DesignRecord) - end, alignof(DesignRecord));

    std::ranges::sort(fileItems);
    ASSERT_EQ(fileItems.size(), 56u);  // the design file's twelve options and forty-four texts
    for (std::size_t i = 0; i < fileItems.size(); ++i) {
        EXPECT_EQ(fileItems[i].first, static_cast<int>(i));
        EXPECT_EQ(fileItems[i].second, i < 12) << i;
    }
}

TEST(RecordFields, AddressesTheNamedMember) {
    DesignRecord r;
    for (const RecordField& field : RecordFields())
        if (field.name == "m_strFrequency") r.*std::get<Text DesignRecord::*>(field.member) = "64";
    EXPECT_EQ(r.m_strFrequency, "64");
}

}  // namespace
}  // namespace toroglav
