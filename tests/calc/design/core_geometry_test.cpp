#include <gtest/gtest.h>

#include "calc/design/calculation.h"

namespace toroglav {
namespace {

struct GeometryCase {
    const char* name;
    int coreType;
    const char* dims[6];  // D, d, h, ho, Hs, L
    double ae, so, le, ve;
    const char* aeText;
    const char* soText;
};

class CoreGeometryTest : public testing::TestWithParam<GeometryCase> {};

TEST_P(CoreGeometryTest, GivesAreasPathAndVolume) {
    const GeometryCase& c = GetParam();
    DesignRecord record;
    record.m_nCoreType = c.coreType;
    record.m_strDimD = c.dims[0];
    record.m_strDimd = c.dims[1];
    record.m_strDimh = c.dims[2];
    record.m_strDimho = c.dims[3];
    record.m_strDimHs = c.dims[4];
    record.m_strDimL = c.dims[5];
    const stages::CoreGeometry core = CalculateRecord(record, {}).core;
    EXPECT_DOUBLE_EQ(core.ae, c.ae);
    EXPECT_DOUBLE_EQ(core.so, c.so);
    EXPECT_DOUBLE_EQ(core.le, c.le);
    EXPECT_DOUBLE_EQ(core.ve, c.ve);
    EXPECT_EQ(record.m_dCoreVolume, core.ve);
    EXPECT_EQ(record.m_strAe, c.aeText);
    EXPECT_EQ(record.m_strSo, c.soText);
}

INSTANTIATE_TEST_SUITE_P(
    CoreTypes, CoreGeometryTest,
    testing::Values(
        GeometryCase{"Ring",
                     0,
                     {"40", "25", "11", "0", "", ""},
                     82.5,
                     490.8738521234052,
                     102.10176124166827,
                     8.423395302437633,
                     "82,50",
                     "490,87"},
        GeometryCase{
            "E", 1, {"12", "42", "30", "15", "21", "15"}, 180, 270, 102, 18.36, "180,00", "270,00"},
        GeometryCase{"Etd",
                     2,
                     {"12", "42", "30", "15", "21", "15"},
                     113.09733552923255,
                     270,
                     102,
                     13.760920065876977,
                     "113,10",
                     "270,00"},
        GeometryCase{"EtdIgnoresL",
                     2,
                     {"12", "42", "30", "15", "21", "99"},
                     113.09733552923255,
                     270,
                     102,
                     13.760920065876977,
                     "113,10",
                     "270,00"},
        GeometryCase{
            "Other", 3, {"100", "80", "150", "5", "7", "9"}, 100, 150, 80, 5, "100,00", "150,00"},
        GeometryCase{
            "RingReadAsOther", 3, {"40", "25", "11", "0", "", ""}, 40, 11, 25, 0, "40,00", "11,00"},
        GeometryCase{"RingWithInnerAboveOuter",
                     0,
                     {"25", "40", "11", "0", "", ""},
                     -82.5,
                     1256.6370614359173,
                     102.10176124166827,
                     -8.423395302437633,
                     "-82,50",
                     "1256,64"},
        GeometryCase{"UnknownTypeReadsAsRing",
                     7,
                     {"40", "25", "11", "0", "", ""},
                     82.5,
                     490.8738521234052,
                     102.10176124166827,
                     8.423395302437633,
                     "82,50",
                     "490,87"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace toroglav
