#include "calc/text/result_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "reference_fixed.h"

namespace toroglav {
namespace {

struct FixedCase {
    double value;
    FixedDecimals decimals;
    const char* text;
};

class FormatFixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTest, RoundsTheSeventeenDigitString) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text)
        << c.value << " with " << c.decimals.count();
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedTest,
    testing::Values(FixedCase{80.5, 0, "81"}, FixedCase{-2.5, 0, "-3"},
                    FixedCase{1.5624999999999996, 3, "1,562"},
                    FixedCase{80.48813131313132, 0, "80"}, FixedCase{80.48813131313132, 2, "80,49"},
                    FixedCase{12.5, 0, "13"}, FixedCase{0.1, 3, "0,100"},
                    FixedCase{99.9, 3, "99,900"}, FixedCase{0, 2, "0,00"}, FixedCase{0, 0, "0"},
                    FixedCase{9.996, 2, "10,00"}, FixedCase{999.95, 1, "1000,0"},
                    FixedCase{0.0006, 3, "0,001"}, FixedCase{0.0004, 3, "0,000"},
                    FixedCase{0.00004, 1, "0,0"}, FixedCase{0.05, 1, "0,1"},
                    FixedCase{-0.004, 2, "-0,00"}, FixedCase{0.125, 2, "0,13"},
                    FixedCase{1e20, 0, "100000000000000000000"}, FixedCase{170, 1, "170,0"},
                    FixedCase{2.675, 2, "2,67"},  // 17 digits: 2.6749999999999998
                    FixedCase{kInf, 2, "inf"}, FixedCase{-kInf, 1, "-inf"},
                    FixedCase{std::numeric_limits<double>::quiet_NaN(), 3, "nan"}));

struct ShortestCase {
    double value;
    const char* text;
};

class FormatShortestTest : public testing::TestWithParam<ShortestCase> {};

TEST_P(FormatShortestTest, ReadsBackAsTheSameDouble) {
    const ShortestCase& c = GetParam();
    EXPECT_EQ(FormatShortest(c.value), c.text);
    if (std::isfinite(c.value)) {
        EXPECT_EQ(std::stod(FormatShortest(c.value)), c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatShortestTest,
    testing::Values(ShortestCase{84, "84.0"}, ShortestCase{0.1, "0.1"},
                    ShortestCase{0.17754608585858586, "0.17754608585858586"},
                    ShortestCase{-2.5, "-2.5"}, ShortestCase{0, "0.0"}, ShortestCase{1e-5, "1e-05"},
                    ShortestCase{0.0001, "0.0001"}, ShortestCase{1e16, "1e+16"},
                    ShortestCase{1234567890123456.0, "1234567890123456.0"},
                    ShortestCase{1.5e300, "1.5e+300"}, ShortestCase{kInf, "inf"},
                    ShortestCase{-kInf, "-inf"},
                    ShortestCase{std::numeric_limits<double>::quiet_NaN(), "nan"}));

TEST(FormatFixed, AgreesWithDecimalRoundingOfPrintfDigits) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> decade(-7, 18);
    for (int i = 0; i < 200000; ++i) {
        double value = std::pow(10.0, decade(random));
        if (i % 4 == 1) value = std::round(value * 1000) / 1000 + 0.0005;  // near ties
        if (i % 4 == 2) value = std::ldexp(static_cast<double>(random() >> 11), -60 + i % 70);
        if (i % 2) value = -value;
        constexpr FixedDecimals kDecimals[] = {0, 1, 2, 3};
        const FixedDecimals decimals = kDecimals[i % 4];
        ASSERT_EQ(FormatFixed(value, decimals), ReferenceFixed(value, decimals.count()))
            << std::hexfloat << value << " with " << decimals.count();
    }
}

// The extremes of the double range with the most decimals the format allows fill the digit
// buffers to their last place.
TEST(FormatFixed, ExtremeValuesWithTheMostDecimals) {
    for (const double value :
         {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
          std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min()}) {
        EXPECT_EQ(FormatFixed(value, kMaxFixedDecimals), ReferenceFixed(value, kMaxFixedDecimals));
    }
}

}  // namespace
}  // namespace toroglav
