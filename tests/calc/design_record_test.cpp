#include "calc/design_record.h"

#include <gtest/gtest.h>

#include "calc/cp1251.h"

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

TEST(RecordFields, ListsSixtyMembersWithUniqueNames) {
    const auto fields = RecordFields();
    ASSERT_EQ(fields.size(), 60u);
    EXPECT_EQ(fields.front().name, "m_nConverter");
    EXPECT_EQ(fields[12].name, "m_dCoreVolume");
    EXPECT_EQ(fields.back().name, "m_dCoreLoss");
    for (std::size_t i = 0; i < fields.size(); ++i)
        for (std::size_t j = i + 1; j < fields.size(); ++j)
            EXPECT_NE(fields[i].name, fields[j].name);
}

TEST(RecordFields, AddressesTheNamedMember) {
    DesignRecord r;
    for (const RecordField& field : RecordFields())
        if (field.name == "m_strFrequency") r.*std::get<Text DesignRecord::*>(field.member) = "64";
    EXPECT_EQ(r.m_strFrequency, "64");
}

}  // namespace
}  // namespace toroglav
