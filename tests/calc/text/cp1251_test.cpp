#include "calc/text/cp1251.h"

#include <gtest/gtest.h>

namespace toroglav {
namespace {

TEST(Cp1251, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, EveryByteHasItsOwnCodePoint) {
    for (int a = 0; a < 256; ++a)
        for (int b = a + 1; b < 256; ++b)
            ASSERT_NE(Cp1251ToUnicode(a), Cp1251ToUnicode(b)) << a << " " << b;
}

TEST(Cp1251, ConvertsRussianTexts) {
    EXPECT_EQ(Utf8ToCp1251("мГн"), "\xEC\xC3\xED");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xC1 \xB8\xA8"), "АБ ёЁ");
    EXPECT_EQ(Cp1251<"Внимание!">, Utf8ToCp1251("Внимание!"));
}

TEST(Cp1251, CharactersWithoutACp1251FormBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("α→😀x"), "???x");
    EXPECT_EQ(Utf8ToCp1251("\xFF\x80z"), "??z");  // malformed UTF-8
}

}  // namespace
}  // namespace toroglav
