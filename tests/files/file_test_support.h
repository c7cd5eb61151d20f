#pragma once
// Shared pieces of the design file tests: hex byte strings, the file order of the stored
// members written out independently of the library, and sources and sinks that misbehave.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/record/design_record.h"
#include "files/byte_stream.h"

namespace toroglav {
// Failure output names the stored members instead of dumping the record's bytes.
void PrintTo(const DesignRecord& record, std::ostream* out);
}  // namespace toroglav

namespace toroglav::test {

// "03 30 2C 32" -> the four bytes.
std::string Hex(std::string_view hex);

std::string Written(const DesignRecord& record);

struct StoredOption {
    const char* name;
    std::int32_t& (*get)(DesignRecord&);
};
struct StoredText {
    const char* name;
    Text& (*get)(DesignRecord&);
};

// Items 1..12 and 13..56 of a design file, in file order.
const std::vector<StoredOption>& StoredOptions();
const std::vector<StoredText>& StoredTexts();

// Every option 0 and every stored text empty: the 92-byte file.
DesignRecord EmptyInputs();

// Bytes of the length prefix the writer uses for a text of n bytes.
std::size_t PrefixSize(std::size_t n);

// A sink that accepts `capacity` bytes and fails from then on; records any write after a failure.
class FailAfterSink final : public ByteSink {
public:
    explicit FailAfterSink(std::size_t capacity) : capacity_(capacity) {}
    bool Write(const char* data, std::size_t size) override;
    bool WroteAfterFailure() const { return wroteAfterFailure_; }

private:
    std::size_t capacity_;
    std::size_t written_ = 0;
    bool failed_ = false;
    bool wroteAfterFailure_ = false;
};

// Memory bytes behind a source that does not know its size, as a pipe would.
class UnsizedSource final : public ByteSource {
public:
    explicit UnsizedSource(std::string_view bytes) : inner_(bytes) {}
    std::size_t Read(char* data, std::size_t size) override { return inner_.Read(data, size); }

private:
    MemorySource inner_;
};

// Memory bytes behind a device that fails once `good` bytes have been delivered.
class FailingDeviceSource final : public ByteSource {
public:
    FailingDeviceSource(std::string_view bytes, std::size_t good) : bytes_(bytes), good_(good) {}
    std::size_t Read(char* data, std::size_t size) override;
    std::optional<std::uint64_t> Remaining() const override { return bytes_.size() - position_; }
    bool Failed() const override { return failed_; }

private:
    std::string_view bytes_;
    std::size_t good_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

}  // namespace toroglav::test
