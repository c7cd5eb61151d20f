#pragma once
// Builds a text from pieces in one allocation.

#include <initializer_list>
#include <string>
#include <string_view>

namespace toroglav {

inline void AppendJoined(std::string& text, std::initializer_list<std::string_view> pieces) {
    std::size_t size = text.size();
    for (std::string_view piece : pieces) size += piece.size();
    text.reserve(size);
    for (std::string_view piece : pieces) text.append(piece);
}

inline std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    AppendJoined(text, pieces);
    return text;
}

}  // namespace toroglav
