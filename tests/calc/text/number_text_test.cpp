#include "calc/text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace toroglav {
namespace {

struct NumberCase {
    const char* text;
    double value;
};

class ParseNumberTextTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTextTest, ReadsLongestNumericPrefix) {
    EXPECT_EQ(ParseNumberText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTextTest,
    testing::Values(NumberCase{"0,2", 0.2}, NumberCase{"0.2", 0.2}, NumberCase{"1e3", 1000},
                    NumberCase{"1E3", 1000}, NumberCase{"1d3", 1000}, NumberCase{"1D3", 1000},
                    NumberCase{"", 0}, NumberCase{" 5", 5}, NumberCase{"\t\n 7", 7},
                    NumberCase{"12abc", 12}, NumberCase{"abc", 0}, NumberCase{"1,2,3", 1.2},
                    NumberCase{"-0,5", -0.5}, NumberCase{"+2,5", 2.5}, NumberCase{",5", 0.5},
                    NumberCase{"5,", 5}, NumberCase{"-", 0}, NumberCase{",", 0},
                    NumberCase{"0x10", 0}, NumberCase{"inf", 0}, NumberCase{"nan", 0},
                    NumberCase{"12e", 12}, NumberCase{"12e+", 12}, NumberCase{"1.5e-3", 0.0015},
                    NumberCase{"2000,7", 2000.7}, NumberCase{"80 (80,49)", 80},
                    NumberCase{"1e-400", 0}));

TEST(ParseNumberText, HugeValuesOverflowToInfinityTinyOnesUnderflowToZero) {
    EXPECT_EQ(ParseNumberText("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumberText("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumberText(std::string(400, '9')), std::numeric_limits<double>::infinity());
    // 1e-324: the exponent is positive, the leading fractional zeros decide.
    const double tiny = ParseNumberText("-0." + std::string(324, '0') + "1e1");
    EXPECT_EQ(tiny, 0.0);
    EXPECT_TRUE(std::signbit(tiny));
}

TEST(ParseNumberText, LongTextsReadInFull) {
    EXPECT_DOUBLE_EQ(ParseNumberText("0," + std::string(600, '0') + "1e605"),
                     1e4);  // 1e-601 x 1e605
}

struct WholeCase {
    const char* text;
    std::int32_t value;
};

class ParseWholeNumberTextTest : public testing::TestWithParam<WholeCase> {};

TEST_P(ParseWholeNumberTextTest, ReadsSignAndDigits) {
    EXPECT_EQ(ParseWholeNumberText(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseWholeNumberTextTest,
                         testing::Values(WholeCase{"2000", 2000}, WholeCase{"2000,7", 2000},
                                         WholeCase{"2000.7", 2000}, WholeCase{"", 0},
                                         WholeCase{"abc", 0}, WholeCase{"  -12x", -12},
                                         WholeCase{"+7", 7}, WholeCase{"1e3", 1},
                                         WholeCase{"2147483647", 2147483647},
                                         WholeCase{"2147483648", 2147483647},
                                         WholeCase{"99999999999999999999", 2147483647},
                                         WholeCase{"-2147483648", -2147483647 - 1},
                                         WholeCase{"-99999999999999999999", -2147483647 - 1}));

}  // namespace
}  // namespace toroglav
