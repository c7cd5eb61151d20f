#pragma once
// The winding's materials, compiled in from winding_data.inc (scripts/import-windings): the
// bobbins of the catalogue's cores, the windows of the catalogue's cores with a centre leg, how
// much of a window catalogue bobbins take (for the bobbins derived for cores without one), the
// round enamelled wires of IEC 60317 and the winding tapes. Lengths in mm.

#include <array>
#include <span>
#include <string_view>

#include "calc/catalogue/core_catalogue.h"

namespace toroglav::winding {

// A bobbin's winding space: the room of one window, `depthMm` across it from the tube and
// `breadthMm` along the leg between the flanges, the least room its drawing allows. The first
// layer lies on the tube's outer side, a circle (`tubeDiameterMm`) or a rectangle
// (`tubeWidthMm` across the window by `tubeDepthMm`, when the diameter is 0).
struct Bobbin {
    std::string_view name;
    std::string_view core;  // the catalogue name of the core it is made for
    double depthMm, breadthMm;
    double tubeDiameterMm, tubeWidthMm, tubeDepthMm;
    double legWallMm;  // the tube's wall
    double legGapMm;   // from the core's centre leg to the tube's outer side
};

// The window beside a catalogue core's centre leg (width across, height along the leg, both
// halves) and the leg, round (`legDiameterMm`) or rectangular (`legWidthMm` across the window by
// `legDepthMm`), middle values of its letters.
struct CoreWindow {
    std::string_view core;
    double widthMm, heightMm;
    double legDiameterMm, legWidthMm, legDepthMm;
};

// What catalogue bobbins take of their core's window, w wide and h high (mm): the radial loss
// a + b w off the width (leg wall and clearances) and the flange loss c + d h off each end of
// the height; and the median leg wall.
struct WallFit {
    double radialA, radialB, flangeC, flangeD, legWallMm;
};
struct FamilyWallFit {
    CoreFamily family;
    WallFit fit;
};

// A round enamelled copper wire: its conductor and the largest outer diameter of grades 1 to 3.
struct EnamelledWire {
    double conductorMm;
    std::array<double, 3> outerMm;
};

struct InsulationTape {
    std::string_view name, composition;
    double thicknessMm;
    double breakdownVolts;  // of one layer
    int temperatureClassC;  // the hottest it is rated for
};

std::span<const Bobbin> Bobbins();
std::span<const CoreWindow> CoreWindows();
std::span<const FamilyWallFit> WallFits();
const WallFit& WallFitOfAll();                    // over every family's bobbins
std::span<const EnamelledWire> EnamelledWires();  // by conductor, thinnest first
std::span<const InsulationTape> InsulationTapes();

// The wire whose conductor is nearest `conductorMm` (the thicker of two as near).
const EnamelledWire& NearestEnamelledWire(double conductorMm);

// The tape of that name, or nullptr.
const InsulationTape* FindInsulationTape(std::string_view name);

}  // namespace toroglav::winding
