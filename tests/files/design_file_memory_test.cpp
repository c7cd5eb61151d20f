// A length prefix is never trusted beyond the data: hostile files cost no memory, and a real
// shortage of memory is reported rather than thrown.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "allocation_probe.h"
#include "file_test_support.h"
#include "files/design_file.h"

namespace toroglav::test {
namespace {

namespace probe = allocation_probe;

constexpr std::size_t kBoundedAllocation = 1 << 20;

struct HostileCase {
    const char* description;
    const char* item;  // the first text's prefix, claiming far more than the file holds
};

class HostileLength : public ::testing::TestWithParam<std::tuple<HostileCase, bool>> {};

TEST_P(HostileLength, IsEndOfFileWithoutAllocatingTheClaimedSize) {
    const auto& [param, sourceKnowsSize] = GetParam();
    const std::string bytes = std::string(48, '\0') + Hex(param.item) + std::string(100, 'x');
    DesignRecord record;
    const DesignRecord previous = record;
    MemorySource sized(bytes);
    UnsizedSource unsized(bytes);
    ByteSource& source = sourceKnowsSize ? static_cast<ByteSource&>(sized) : unsized;

    probe::Reset();
    const ReadStatus status = ReadDesignRecord(source, record);
    const std::size_t largest = probe::Largest();

    EXPECT_EQ(status, ReadStatus::kEndOfFile);
    EXPECT_EQ(record.m_strDimD, previous.m_strDimD);
    // A source that knows its size allows no allocation beyond the file; one that does not is
    // read in bounded pieces.
    EXPECT_LE(largest, sourceKnowsSize ? bytes.size() : kBoundedAllocation);
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, HostileLength,
    ::testing::Combine(
        ::testing::Values(HostileCase{"SixteenBit", "FF FD FF"},
                          HostileCase{"ThirtyTwoBit", "FF FF FF FE FF FF FF"},
                          HostileCase{"SixtyFourBit",
                                      "FF FF FF FF FF FF FF FF FF FF 7F 00 00 00 00"},
                          HostileCase{"Utf16SixtyFourBit",
                                      "FF FE FF FF FF FF FF FF FF FF FF FF FF 7F 00 00 00 00"}),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).description) +
               (std::get<1>(info.param) ? "Sized" : "Unsized");
    });

// Serves `head`, then zeros without end, and claims as much data as anyone asks for: the
// length check passes, so only memory can run out.
class EndlessSource final : public ByteSource {
public:
    explicit EndlessSource(std::string head) : head_(std::move(head)) {}
    std::size_t Read(char* data, std::size_t size) override {
        const std::size_t fromHead = std::min(size, head_.size() - position_);
        std::memcpy(data, head_.data() + position_, fromHead);
        std::memset(data + fromHead, 0, size - fromHead);
        position_ += fromHead;
        return size;
    }
    std::optional<std::uint64_t> Remaining() const override {
        return std::numeric_limits<std::uint64_t>::max();
    }

private:
    std::string head_;
    std::size_t position_ = 0;
};

TEST(DesignFileMemory, ShortageOfMemoryIsReportedAndKeepsTheMember) {
    std::string head(48, '\0');
    head.replace(0, 4, Hex("02000000"));
    head += Hex("02") + "ab" + Hex("FF FF FF FF FF FF FF FF FF FF 7F 00 00 00 00");
    EndlessSource source(head);
    DesignRecord record;
    const DesignRecord previous = record;

    ReadStatus status;
    {
        probe::LimitGuard limit(kBoundedAllocation);
        status = ReadDesignRecord(source, record);
    }
    EXPECT_EQ(status, ReadStatus::kOutOfMemory);
    EXPECT_EQ(record.m_nConverter, 2);
    EXPECT_EQ(record.m_strDimD, "ab");
    EXPECT_EQ(record.m_strDimd, previous.m_strDimd);
}

}  // namespace
}  // namespace toroglav::test
