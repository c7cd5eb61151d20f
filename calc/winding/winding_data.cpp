#include "calc/winding/winding_data.h"

#include <algorithm>

namespace toroglav::winding {

namespace {

#include "calc/winding/winding_data.inc"

static_assert(std::ranges::is_sorted(kEnamelledWires, {}, &EnamelledWire::conductorMm),
              "the wires stand thinnest first");

}  // namespace

std::span<const Bobbin> Bobbins() {
    return kBobbins;
}
std::span<const CoreWindow> CoreWindows() {
    return kCoreWindows;
}
std::span<const FamilyWallFit> WallFits() {
    return kWallFits;
}
const WallFit& WallFitOfAll() {
    return kWallFitOfAll;
}
std::span<const EnamelledWire> EnamelledWires() {
    return kEnamelledWires;
}
std::span<const InsulationTape> InsulationTapes() {
    return kInsulationTapes;
}

const EnamelledWire& NearestEnamelledWire(double conductorMm) {
    const auto wires = EnamelledWires();
    const auto above =
        std::ranges::lower_bound(wires, conductorMm, {}, &EnamelledWire::conductorMm);
    if (above == wires.begin()) return *above;
    if (above == wires.end()) return wires.back();
    const auto below = above - 1;
    return conductorMm - below->conductorMm < above->conductorMm - conductorMm ? *below : *above;
}

const InsulationTape* FindInsulationTape(std::string_view name) {
    const auto tapes = InsulationTapes();
    const auto found = std::ranges::find(tapes, name, &InsulationTape::name);
    return found == tapes.end() ? nullptr : &*found;
}

}  // namespace toroglav::winding
