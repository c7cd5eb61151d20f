#include "files/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace toroglav {

bool StringSink::Write(const char* data, std::size_t size) {
    out_.append(data, size);
    return true;
}

std::size_t MemorySource::Read(char* data, std::size_t size) {
    const std::size_t count = std::min(size, bytes_.size());
    if (count > 0) std::memcpy(data, bytes_.data(), count);
    bytes_.remove_prefix(count);
    return count;
}

bool FileSink::Write(const char* data, std::size_t size) {
    return std::fwrite(data, 1, size, file_) == size;
}

namespace {

// The bytes between the current position and the end, or nothing for a stream that cannot seek.
std::optional<std::uint64_t> BytesToEnd(std::FILE* file) {
    const long start = std::ftell(file);
    if (start < 0 || std::fseek(file, 0, SEEK_END) != 0) return std::nullopt;
    const long end = std::ftell(file);
    if (std::fseek(file, start, SEEK_SET) != 0) return std::nullopt;
    if (end < start) return std::nullopt;
    return static_cast<std::uint64_t>(end - start);
}

}  // namespace

FileSource::FileSource(std::FILE* file) : file_(file), remaining_(BytesToEnd(file)) {}

std::size_t FileSource::Read(char* data, std::size_t size) {
    const std::size_t count = std::fread(data, 1, size, file_);
    if (remaining_) *remaining_ -= std::min<std::uint64_t>(*remaining_, count);
    return count;
}

bool FileSource::Failed() const {
    return std::ferror(file_) != 0;
}

}  // namespace toroglav
