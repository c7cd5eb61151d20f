#include "calc/magnetics/winding_build.h"

#include <algorithm>
#include <cmath>

#include "calc/constants.h"

namespace toroglav {

WindingSpace WindingSpaceOf(CoreType coreType, double dimD, double dimd, double dimh, double dimho,
                            double dimL, double aeMm2, double soMm2) {
    using constants::kPi;
    WindingSpace space{.coreType = coreType};
    switch (coreType) {
        case CoreType::Ring:  // D outer, d inner diameter, h height
            space.breadthMm = kPi * dimd;
            space.legWidthMm = (dimD - dimd) / 2;
            space.legDepthMm = dimh;
            break;
        case CoreType::E:  // D the centre leg's width, L the depth, ho half the window's height
            space.breadthMm = 2 * dimho;
            space.legWidthMm = dimD;
            space.legDepthMm = dimL;
            break;
        case CoreType::Etd:  // D the round centre leg
            space.breadthMm = 2 * dimho;
            space.legDiameterMm = dimD;
            break;
        case CoreType::Other:
            space.breadthMm = std::sqrt(2 * soMm2);
            space.legDiameterMm = std::sqrt(4 * aeMm2 / kPi);
            break;
    }
    return space;
}

WindingBuild BuildWinding(const WindingSpace& space, double conductors, double wireMm,
                          double buildUnderMm) {
    if (!(conductors > 0 && conductors < 1e9)) return {};  // nothing to wind, or not a number
    const double outer = wireMm * constants::kEnamelledOverBareDiameter;
    const double perLayer = std::max(1.0, std::floor(space.breadthMm / outer));
    WindingBuild build;
    build.layers = static_cast<int>(std::max(1.0, std::ceil(conductors / perLayer)));
    build.pitchMm = space.breadthMm / std::min(conductors, perLayer);
    build.thicknessMm = build.layers * outer;
    const double middle = buildUnderMm + build.thicknessMm / 2;
    if (space.legWidthMm > 0)
        build.meanTurnLengthMm =
            2 * (space.legWidthMm + space.legDepthMm) + 2 * constants::kPi * middle;
    else
        build.meanTurnLengthMm = constants::kPi * (space.legDiameterMm + 2 * middle);
    return build;
}

}  // namespace toroglav
