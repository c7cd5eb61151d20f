// Wire of a winding: effective strand area under the skin effect and the number of strands.
#include <climits>
#include <cmath>

#include "result_format.h"
#include "stages.h"

namespace toroglav::stages {

double StrandArea(double wire, double skinDepth) {
    if (wire <= skinDepth + skinDepth) return wire * wire * 0.25 * kPi;
    return (wire * skinDepth - skinDepth * skinDepth) * kPi;
}

double StrandCount(double current, double density, double area) {
    if (area >= current / density) return 1;
    // One more strand than the whole part, so an exact 2.0 strands of section gives 3.
    return std::trunc(current / density / area + 1);
}

void AppendWireText(Text& out, double diameter, double strands) {
    AppendFixed(out, diameter, 2);
    out += " x ";
    // A count with no 32-bit value prints as the integer conversion of the hardware gives it.
    const bool representable = strands >= INT_MIN && strands <= INT_MAX;
    out += std::to_string(representable ? static_cast<int>(strands) : INT_MIN);
}

}  // namespace toroglav::stages
