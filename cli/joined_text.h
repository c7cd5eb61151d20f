#pragma once
// Builds a message from pieces in one allocation.

#include <initializer_list>
#include <string>
#include <string_view>

namespace toroglav::cli {

inline std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view piece : pieces) size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces) text.append(piece);
    return text;
}

}  // namespace toroglav::cli
