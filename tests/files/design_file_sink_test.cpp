// A sink that stops accepting bytes ends the write, and the failure reaches the caller.

#include <gtest/gtest.h>

#include "file_test_support.h"
#include "files/design_file.h"

namespace toroglav::test {
namespace {

DesignRecord Defaults() {
    return {};
}

DesignRecord WithLongTexts() {
    DesignRecord record;
    record.m_strDimHs = std::string(300, 'h');
    record.m_strWireOut[4] = std::string(65534, 'w');
    return record;
}

struct RecordCase {
    const char* description;
    DesignRecord (*make)();
};

class SinkCapacity : public ::testing::TestWithParam<RecordCase> {};

// Every capacity from none to the whole file, so the sink fails inside each option, prefix
// and text in turn.
TEST_P(SinkCapacity, WriteSucceedsOnlyWhenEveryByteFits) {
    const DesignRecord record = GetParam().make();
    const std::size_t fileSize = Written(record).size();
    for (std::size_t capacity = 0; capacity <= fileSize + 1; ++capacity) {
        FailAfterSink sink(capacity);
        EXPECT_EQ(WriteDesignRecord(sink, record), capacity >= fileSize) << "capacity " << capacity;
        EXPECT_FALSE(sink.WroteAfterFailure()) << "capacity " << capacity;
    }
}

INSTANTIATE_TEST_SUITE_P(Records, SinkCapacity,
                         ::testing::Values(RecordCase{"Defaults", &Defaults},
                                           RecordCase{"LongTexts", &WithLongTexts}),
                         [](const auto& info) { return std::string(info.param.description); });

}  // namespace
}  // namespace toroglav::test
