#pragma once
// Little-endian integers on a byte sink or source; every call says whether it succeeded.

#include <concepts>
#include <cstddef>

#include "files/byte_stream.h"

namespace toroglav {

template <std::unsigned_integral T>
bool WriteLittleEndian(ByteSink& sink, T value) {
    char bytes[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(value >> (8 * i)));
    return sink.Write(bytes, sizeof(T));
}

template <std::unsigned_integral T>
bool ReadLittleEndian(ByteSource& source, T& value) {
    unsigned char bytes[sizeof(T)];
    if (source.Read(reinterpret_cast<char*>(bytes), sizeof(T)) != sizeof(T)) return false;
    value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(T{bytes[i]} << (8 * i));
    return true;
}

}  // namespace toroglav
