// Wire of a winding: effective strand area under the skin effect and the number of strands.
#include <cmath>

#include "calc/constants.h"
#include "calc/design/stages.h"

namespace toroglav::stages {

double StrandArea(double wire, double skinDepth) {
    using constants::kPi;
    if (wire <= skinDepth + skinDepth) return wire * wire * 0.25 * kPi;
    return (wire * skinDepth - skinDepth * skinDepth) * kPi;
}

double StrandCount(double current, double density, double area) {
    if (area >= current / density) return 1;
    // One more strand than the whole part, so an exact 2.0 strands of section gives 3.
    return std::trunc(current / density / area + 1);
}

}  // namespace toroglav::stages
