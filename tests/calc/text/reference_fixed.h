#pragma once
// A plain reference for the fixed-point formatter: printf's own 17 significant digits, cut at the
// requested place and rounded half up in magnitude with decimal string arithmetic.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace toroglav {

inline std::string ReferenceFixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.16e", std::fabs(value));
    std::string digits;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exponent = std::atoi(p + 1);
    // Place the digits on a fixed grid of 400 integer and 400 fraction positions.
    std::string grid(800, '0');
    for (std::size_t i = 0; i < digits.size(); ++i) grid[399 - exponent + i] = digits[i];
    const std::size_t cut = 400 + decimals;
    bool up = grid[cut] >= '5';
    grid.resize(cut);
    for (std::size_t i = cut; up && i-- > 0;) {
        if (grid[i] == '9') {
            grid[i] = '0';
        } else {
            ++grid[i];
            up = false;
        }
    }
    std::string integer = grid.substr(0, 400);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    std::string out = (std::signbit(value) ? "-" : "") + integer;
    if (decimals > 0) out += "," + grid.substr(400, decimals);
    return out;
}

}  // namespace toroglav
