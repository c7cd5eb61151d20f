#pragma once
// Where design files come from and go to: a byte source and a byte sink.
//
// The reader needs to know how many bytes a source still holds, when that is known, so that a
// length prefix can be checked against the data before any memory is set aside for the text.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace toroglav {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all `size` bytes or returns false.
    virtual bool Write(const char* data, std::size_t size) = 0;
};

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes and returns how many were read; fewer than asked means the data
    // has ended or the device failed (see Failed()).
    virtual std::size_t Read(char* data, std::size_t size) = 0;
    // Bytes still to come, when the source knows it.
    virtual std::optional<std::uint64_t> Remaining() const { return std::nullopt; }
    // True once a read fell short because of a device error rather than the end of the data.
    virtual bool Failed() const { return false; }
};

// Appends to a string owned by the caller.
class StringSink final : public ByteSink {
public:
    explicit StringSink(std::string& out) : out_(out) {}
    bool Write(const char* data, std::size_t size) override;

private:
    std::string& out_;
};

// Reads from bytes owned by the caller.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Read(char* data, std::size_t size) override;
    std::optional<std::uint64_t> Remaining() const override { return bytes_.size(); }

private:
    std::string_view bytes_;
};

// Writes to a stream opened by the caller; buffered bytes may fail only at fflush or fclose,
// so whoever writes a file must check those too.
class FileSink final : public ByteSink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool Write(const char* data, std::size_t size) override;

private:
    std::FILE* file_;
};

// Reads from a stream opened by the caller. The remaining byte count is known for seekable
// files and unknown for pipes and devices.
class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* file);
    std::size_t Read(char* data, std::size_t size) override;
    std::optional<std::uint64_t> Remaining() const override { return remaining_; }
    bool Failed() const override;

private:
    std::FILE* file_;
    std::optional<std::uint64_t> remaining_;
};

}  // namespace toroglav
