#pragma once
// Number texts of the program: results with a fixed number of decimals and a decimal comma, and
// the shortest round-trip form of a working number. Locale-independent.

#include <string>
#include <string_view>

namespace toroglav {

// The most decimals a fixed-point text can have; the formatter's digit buffers are sized for it.
// A double carries 17 significant digits, so more decimals than this show nothing but zeros for
// every result size the program writes.
inline constexpr int kMaxFixedDecimals = 20;

// A count of decimals from 0 to kMaxFixedDecimals, chosen where the text's format is chosen. The
// constructor runs while compiling, so a count out of range, or one only known at run time, does
// not build: `AppendFixed(text, value, 3)` does, `AppendFixed(text, value, 21)` does not.
class FixedDecimals {
public:
    consteval FixedDecimals(int count) : count_(count) {
        if (count < 0 || count > kMaxFixedDecimals) throw "decimals out of range";
    }
    constexpr int count() const { return count_; }

private:
    int count_;
};

// Appends `value` like printf's "%.<decimals>f" but with a decimal comma and this rounding:
// the value is first written with 17 significant digits, and that digit string is cut at the
// requested place and rounded half up in magnitude (80.5 -> "81", -2.5 -> "-3",
// 1.5624999999999996 with 3 decimals -> "1,562"). Non-finite values give "inf", "-inf", "nan".
void AppendFixed(std::string& out, double value, FixedDecimals decimals);

// The text becomes `value` with `decimals` decimals, as AppendFixed writes it.
inline void SetFixed(std::string& text, double value, FixedDecimals decimals) {
    text.clear();
    AppendFixed(text, value, decimals);
}

inline std::string FormatFixed(double value, FixedDecimals decimals) {
    std::string out;
    AppendFixed(out, value, decimals);
    return out;
}

// The shortest text that reads back as the same double, with a decimal point: "84.0", "0.1",
// "1e-05", "1e+16", "inf", "nan".
std::string FormatShortest(double value);

}  // namespace toroglav
