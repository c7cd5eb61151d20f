#pragma once
// The two kinds of item a design file is made of.
//
// Option: a signed 32-bit integer, little-endian.
// Text: a length prefix, then the bytes. The writer uses the shortest of three prefixes:
//   n < 255          n as one byte
//   n < 65534        FF, then n as 16 bits
//   n < 4294967295   FF FF FF, then n as 32 bits
// The reader also accepts the UTF-16 tag FF FE FF ahead of such a prefix (n then counts 16-bit
// units) and a 64-bit length after FF FF FF FF FF FF FF, which must not exceed 2147483647.

#include <cstdint>
#include <string>
#include <string_view>

#include "files/byte_stream.h"
#include "files/read_status.h"

namespace toroglav {

bool WriteOptionItem(ByteSink& sink, std::int32_t value);
// False when the sink fails or the text is too long for any prefix.
bool WriteTextItem(ByteSink& sink, std::string_view text);

// On failure `value` and `text` are left as they were.
ReadStatus ReadOptionItem(ByteSource& source, std::int32_t& value);
ReadStatus ReadTextItem(ByteSource& source, std::string& text);

}  // namespace toroglav
