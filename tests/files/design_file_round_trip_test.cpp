// Any record written and read back gives the same stored members, byte for byte.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "file_test_support.h"
#include "files/design_file.h"

namespace toroglav::test {
namespace {

// Lengths at and around every prefix boundary, mixed with short random ones.
std::size_t RandomLength(std::mt19937& random) {
    static constexpr std::size_t kBoundaries[] = {0, 1, 254, 255, 256, 65533, 65534, 65535, 70000};
    if (std::uniform_int_distribution<int>(0, 3)(random) == 0)
        return kBoundaries[std::uniform_int_distribution<std::size_t>(
            0, std::size(kBoundaries) - 1)(random)];
    return std::uniform_int_distribution<std::size_t>(0, 300)(random);
}

DesignRecord RandomInputs(std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::int32_t> anyInt(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int> anyByte(0, 255);
    DesignRecord record;
    for (const auto& option : StoredOptions()) option.get(record) = anyInt(random);
    for (const auto& text : StoredTexts()) {
        std::string bytes(RandomLength(random), '\0');
        for (char& byte : bytes) byte = static_cast<char>(anyByte(random));
        text.get(record) = std::move(bytes);
    }
    return record;
}

// A target whose results, which a file never holds, must survive the read.
DesignRecord TargetWithResults() {
    DesignRecord record;
    record.m_strAe = "120";
    record.m_strOutTurns = {"5", "6", "7", "8", "9"};
    record.m_strInductanceUnit = "unit";
    record.m_dCoreLoss = 1.5;
    return record;
}

class RoundTrip : public ::testing::TestWithParam<std::tuple<std::uint32_t, bool>> {};

TEST_P(RoundTrip, StoredMembersComeBackByteExact) {
    const auto [seed, sourceKnowsSize] = GetParam();
    DesignRecord original = RandomInputs(seed);
    const std::string bytes = Written(original);

    std::size_t expectedSize = 48;
    for (const auto& text : StoredTexts()) {
        const std::size_t n = text.get(original).size();
        expectedSize += PrefixSize(n) + n;
    }
    EXPECT_EQ(bytes.size(), expectedSize);

    DesignRecord record = TargetWithResults();
    MemorySource sized(bytes);
    UnsizedSource unsized(bytes);
    ByteSource& source = sourceKnowsSize ? static_cast<ByteSource&>(sized) : unsized;
    ASSERT_EQ(ReadDesignRecord(source, record), ReadStatus::kOk);

    DesignRecord expected = TargetWithResults();
    for (const auto& option : StoredOptions()) option.get(expected) = option.get(original);
    for (const auto& text : StoredTexts()) text.get(expected) = text.get(original);
    EXPECT_EQ(record, expected);
    EXPECT_EQ(Written(record), bytes);
}

INSTANTIATE_TEST_SUITE_P(RandomRecords, RoundTrip,
                         ::testing::Combine(::testing::Range<std::uint32_t>(1, 33),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             return "Seed" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Sized" : "Unsized");
                         });

}  // namespace
}  // namespace toroglav::test
