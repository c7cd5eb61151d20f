// Wire of a winding: effective strand area under the skin effect and the number of strands.
#include <cmath>

#include "calc/result_format.h"
#include "calc/stages.h"

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
    // The count is a whole number, so this prints it like "%i" does; a count that is not a
    // number (no current density, say) shows as "inf" or "nan" rather than a wrapped integer.
    AppendFixed(out, strands, 0);
}

}  // namespace toroglav::stages
