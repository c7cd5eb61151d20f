#include "files/stored_items.h"

#include <algorithm>
#include <new>

#include "files/little_endian.h"
#include "files/utf16_text.h"

namespace toroglav {

namespace {

constexpr std::uint8_t kLongerPrefix8 = 0xFF;
constexpr std::uint16_t kUtf16Tag = 0xFFFE;
constexpr std::uint16_t kLongerPrefix16 = 0xFFFF;
constexpr std::uint32_t kLongerPrefix32 = 0xFFFFFFFF;
constexpr std::uint64_t kLargestLength64 = 2147483647;
// The writer leaves the tag and escape values out of the lengths it writes with each prefix.
constexpr std::size_t kFirstLength16 = kLongerPrefix8;
constexpr std::size_t kFirstLength32 = kUtf16Tag;
constexpr std::size_t kFirstUnwritableLength = kLongerPrefix32;

// Without a known size, a text grows by at most this much beyond the bytes actually read.
constexpr std::size_t kReadChunk = 64 * 1024;

ReadStatus ShortRead(const ByteSource& source) {
    return source.Failed() ? ReadStatus::kArchiveError : ReadStatus::kEndOfFile;
}

template <typename T>
bool Read(ByteSource& source, T& value) {
    return ReadLittleEndian(source, value);
}

struct TextLength {
    std::uint64_t units = 0;
    std::size_t unitSize = 1;
};

ReadStatus ReadLength(ByteSource& source, TextLength& length) {
    std::uint8_t byte = 0;
    if (!Read(source, byte)) return ShortRead(source);
    if (byte != kLongerPrefix8) {
        length.units = byte;
        return ReadStatus::kOk;
    }
    std::uint16_t word = 0;
    if (!Read(source, word)) return ShortRead(source);
    if (word == kUtf16Tag) {
        length.unitSize = 2;
        if (!Read(source, byte)) return ShortRead(source);
        if (byte != kLongerPrefix8) {
            length.units = byte;
            return ReadStatus::kOk;
        }
        if (!Read(source, word)) return ShortRead(source);
    }
    if (word != kLongerPrefix16) {
        length.units = word;
        return ReadStatus::kOk;
    }
    std::uint32_t dword = 0;
    if (!Read(source, dword)) return ShortRead(source);
    if (dword != kLongerPrefix32) {
        length.units = dword;
        return ReadStatus::kOk;
    }
    std::uint64_t qword = 0;
    if (!Read(source, qword)) return ShortRead(source);
    if (qword > kLargestLength64) return ReadStatus::kArchiveError;
    length.units = qword;
    return ReadStatus::kOk;
}

// Reads exactly `count` bytes. The length came from the file, so it is trusted only as far as
// the data goes: a source that knows its size is checked before anything is allocated, and one
// that does not is read in chunks.
ReadStatus ReadBytes(ByteSource& source, std::uint64_t count, std::string& bytes) {
    if (count > bytes.max_size()) return ReadStatus::kOutOfMemory;
    const auto size = static_cast<std::size_t>(count);
    if (const auto remaining = source.Remaining()) {
        if (*remaining < count) return ReadStatus::kEndOfFile;
        bytes.resize(size);
        return source.Read(bytes.data(), size) == size ? ReadStatus::kOk : ShortRead(source);
    }
    while (bytes.size() < size) {
        const std::size_t done = bytes.size();
        const std::size_t step = std::min(kReadChunk, size - done);
        bytes.resize(done + step);
        if (source.Read(bytes.data() + done, step) != step) return ShortRead(source);
    }
    return ReadStatus::kOk;
}

}  // namespace

bool WriteOptionItem(ByteSink& sink, std::int32_t value) {
    return WriteLittleEndian(sink, static_cast<std::uint32_t>(value));
}

bool WriteTextItem(ByteSink& sink, std::string_view text) {
    const std::size_t n = text.size();
    bool prefixed = false;
    if (n < kFirstLength16) {
        prefixed = WriteLittleEndian(sink, static_cast<std::uint8_t>(n));
    } else if (n < kFirstLength32) {
        prefixed = WriteLittleEndian(sink, kLongerPrefix8) &&
                   WriteLittleEndian(sink, static_cast<std::uint16_t>(n));
    } else if (n < kFirstUnwritableLength) {
        prefixed = WriteLittleEndian(sink, kLongerPrefix8) &&
                   WriteLittleEndian(sink, kLongerPrefix16) &&
                   WriteLittleEndian(sink, static_cast<std::uint32_t>(n));
    }
    return prefixed && sink.Write(text.data(), n);
}

ReadStatus ReadOptionItem(ByteSource& source, std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!Read(source, bits)) return ShortRead(source);
    value = static_cast<std::int32_t>(bits);
    return ReadStatus::kOk;
}

ReadStatus ReadTextItem(ByteSource& source, std::string& text) {
    TextLength length;
    if (const auto status = ReadLength(source, length); status != ReadStatus::kOk) return status;
    try {
        std::string bytes;
        const auto status = ReadBytes(source, length.units * length.unitSize, bytes);
        if (status != ReadStatus::kOk) return status;
        text = length.unitSize == 1 ? std::move(bytes) : Utf16LeToCp1251(bytes);
    } catch (const std::bad_alloc&) {
        return ReadStatus::kOutOfMemory;
    }
    return ReadStatus::kOk;
}

}  // namespace toroglav
