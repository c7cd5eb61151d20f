// Cross-section, window area, path length and volume of the core from its six dimension fields.
#include "calc/constants.h"
#include "calc/design/stages.h"

namespace toroglav::stages {

CoreGeometry ComputeCoreGeometry(const Inputs& in) {
    using constants::kPi;
    CoreGeometry core;
    switch (in.coreType) {
        case CoreType::E: {  // E/EI: D = centre-leg width, d = overall width A, h = span B, L =
                             // depth
            const double dc = in.dimD, a = in.dimd, b = in.dimh;
            core.ae = in.dimL * dc;
            core.so = (b - dc) * in.dimho;
            core.le = ((b - dc) + (a - b)) + (in.dimHs + in.dimho) * 2;
            core.ve = ((a - b) * in.dimL * in.dimho * 2 + core.ae * in.dimho * 2 +
                       (in.dimHs - in.dimho) * (a * 2) * in.dimL) /
                      1000;
            break;
        }
        case CoreType::Etd: {  // ETD/ER: round centre leg, whose diameter is also the depth
            const double dc = in.dimD, a = in.dimd, b = in.dimh;
            core.ae = kPi * (dc * dc * 0.25);
            core.so = (b - dc) * in.dimho;
            core.le = ((b - dc) + (a - b)) + (in.dimHs + in.dimho) * 2;
            core.ve = ((a - b) * dc * in.dimho * 2 + core.ae * in.dimho * 2 +
                       (a * 2) * (in.dimHs - in.dimho) * dc) /
                      1000;
            break;
        }
        case CoreType::Other:  // other: the maker's Ae, le, So and Ve typed directly
            core.ae = in.dimD;
            core.le = in.dimd;
            core.so = in.dimh;
            core.ve = in.dimho;
            break;
        case CoreType::Ring: {  // also any core type outside the four known ones
            const double outer = in.dimD, inner = in.dimd, height = in.dimh;
            core.ae = (outer - inner) * height * 0.5;
            core.so = inner * kPi * inner * 0.25;
            core.le = 0.5 * (inner + outer) * kPi;
            core.ve = (outer * outer - inner * inner) / 4000 * kPi * height;
            break;
        }
    }
    return core;
}

}  // namespace toroglav::stages
