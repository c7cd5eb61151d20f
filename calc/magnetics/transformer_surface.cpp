#include "calc/magnetics/transformer_surface.h"

#include <algorithm>
#include <cmath>

#include "calc/constants.h"

namespace toroglav {

namespace {

constexpr double kMetresPerMm = 1e-3;
constexpr double kSquareMetresPerMm2 = 1e-6;

void Add(TransformerSurface& s, double areaMm2, FaceFacing facing, double lengthMm,
         double flowLengthMm, bool cylinder = false) {
    if (!(areaMm2 > 0 && lengthMm > 0)) return;
    s.faces[static_cast<std::size_t>(s.count++)] = {areaMm2 * kSquareMetresPerMm2, facing,
                                                    lengthMm * kMetresPerMm,
                                                    flowLengthMm * kMetresPerMm, cylinder};
}

}  // namespace

double TransformerSurface::AreaM2() const {
    double area = 0;
    for (int i = 0; i < count; ++i) area += faces[static_cast<std::size_t>(i)].areaM2;
    return area;
}

TransformerSurface ECoreSurface(double aMm, double bMm, double cMm, double dMm, double eMm,
                                double fMm, bool roundLeg, double buildMm) {
    using constants::kPi;
    const double height = 2 * bMm, windowHeight = 2 * dMm;
    const double build = std::clamp(buildMm, 0.0, (eMm - fMm) / 2);
    // The window's opening in the front and in the back, and the coil outside the core's depth
    // on each side: the length of its outline and the plan area it covers.
    double opening = 0, outline = 0, plan = 0;
    if (roundLeg) {
        const double halfDepth = std::min(cMm / 2, eMm / 2);
        opening = 2 * std::sqrt(eMm * eMm / 4 - halfDepth * halfDepth);
        const double radius = fMm / 2 + build;
        if (radius > cMm / 2) {
            const double angle = 2 * std::acos(cMm / 2 / radius);
            outline = radius * angle;
            plan = radius * radius * (angle - std::sin(angle)) / 2;
        }
    } else {  // a rectangular leg as deep as the core, its coil's corners rounded to the build
        opening = eMm - fMm;
        outline = fMm + kPi * build;
        plan = fMm * build + kPi * build * build / 2;
    }
    TransformerSurface s;
    Add(s, aMm * cMm, FaceFacing::Up, aMm * cMm / (2 * (aMm + cMm)), aMm);
    Add(s, 2 * cMm * height, FaceFacing::Side, height, cMm);
    Add(s, 2 * (aMm * height - opening * windowHeight), FaceFacing::Side, height, aMm);
    if (outline > 0) {
        const double coilDiameter = fMm + 2 * build;
        Add(s, 2 * outline * windowHeight, FaceFacing::Side, windowHeight, coilDiameter, true);
        Add(s, 2 * plan, FaceFacing::Up, plan / outline, coilDiameter);
        Add(s, 2 * plan, FaceFacing::Down, plan / outline, coilDiameter);
    }
    return s;
}

TransformerSurface RingSurface(double outerMm, double innerMm, double heightMm, double buildMm) {
    using constants::kPi;
    const double build = std::clamp(buildMm, 0.0, innerMm / 2);
    const double outer = outerMm + 2 * build, inner = innerMm - 2 * build;
    const double height = heightMm + 2 * build;
    TransformerSurface s;
    Add(s, kPi * outer * height, FaceFacing::Side, height, outer, true);
    Add(s, kPi / 4 * (outer * outer - inner * inner), FaceFacing::Up, (outer - inner) / 4, outer);
    Add(s, kPi * inner * height, FaceFacing::Side, height, inner);
    return s;
}

TransformerSurface TransformerSurfaceOf(CoreType coreType, double dimD, double dimd, double dimh,
                                        double dimho, double dimHs, double dimL, double aeMm2,
                                        double soMm2, double buildMm) {
    const bool full = buildMm < 0;
    switch (coreType) {
        case CoreType::E:
            return ECoreSurface(dimd, dimHs, dimL, dimho, dimh, dimD, false,
                                full ? (dimh - dimD) / 2 : buildMm);
        case CoreType::Etd:
            return ECoreSurface(dimd, dimHs, dimD, dimho, dimh, dimD, true,
                                full ? (dimh - dimD) / 2 : buildMm);
        case CoreType::Other: {
            const double leg = std::sqrt(4 * aeMm2 / constants::kPi);
            const double window = std::sqrt(soMm2 / 2);
            const double wall = aeMm2 / 2 / leg;
            return ECoreSurface(leg + 2 * window + 2 * wall, window + wall, leg, window,
                                leg + 2 * window, leg, true, full ? window : buildMm);
        }
        case CoreType::Ring:
            break;
    }
    return RingSurface(dimD, dimd, dimh, full ? dimd / 4 : buildMm);
}

}  // namespace toroglav
