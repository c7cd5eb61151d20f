#pragma once
// The winding of a calculated design as it is built: which bobbin (or ring) it goes on, the
// standard wire of each winding, the order and insulation of the windings, their layers, builds,
// turn lengths and DC resistance, whether they fit, and the leakage inductance between the
// primary and each output. Numbers in, numbers out: it reads the calculation's numbers
// (DesignResult) and the plan's options, never a text.
//
// Wire: each strand is the IEC 60317 round wire nearest the diameter entered, of the grade
// asked; its largest outer diameter is what it takes in a layer (a triple-insulated wire's adds
// constants::kTripleInsulationMm all round). All strands of a turn lie side by side.
// Centre-tapped windings (a push-pull primary, an output with a unipolar or bipolar rectifier)
// are wound bifilar: both halves side by side, so each layer holds as many turns of one half as
// of the other and both halves have the same layers and resistance.
//
// Order: the primary next to the leg, then the outputs in use in their order; or, interleaved,
// the first half of the primary's turns (P1), the outputs, the second half (P2). Tape of
// limits::kWindingTape lies over every winding. A design on the mains ("Сетевое") has reinforced
// insulation between the primary and the outputs: at least constants::kReinforcedTapeLayers of
// tape between them and over an outer output, and a margin at each end of the breadth of half the
// reinforced creepage distance (the path from primary to output at that end crosses both the
// primary's and the output's margin); with triple-insulated outputs there are no margins and the
// tape is basic. A DC design has limits::kDefaultTapeLayers of tape between windings and no
// margin. The options replace either.
//
// Layers: a layer holds floor(length / (halves x strands x outer diameter)) turns, the length
// being the breadth between the margins (a ring's inner circumference at that depth, each layer
// shortening the next); the windings' turns fill each layer before the next, and a layer's turn
// is as long as the turn round its middle. DC resistance at 20 C sums the turns of the layers.
//
// Fit: the build of every layer and tape against the depth (a ring's: the hole's radius); fill
// is build over depth. A winding too wide for one turn across the breadth, or a ring whose hole
// closes before its turns are laid, does not fit.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/design/calculation.h"
#include "calc/limits.h"
#include "calc/winding/winding_data.h"
#include "calc/winding/winding_space.h"

namespace toroglav::winding {

struct PlanOptions {
    const Bobbin* bobbin = nullptr;  // one of the core's (BobbinsOf); none: the first of them
    int wireGrade = limits::kDefaultWireGrade;  // IEC 60317 enamel grade, 1 to 3
    bool interleave = false;                    // P1, the outputs, P2
    std::optional<int> tapeLayers;              // between windings where not reinforced
    std::optional<double> marginMm;             // at each end of the breadth
    bool tripleInsulated = false;  // outputs of triple-insulated wire instead of margins
};

// A winding, or the part of an interleaved primary.
enum class Part { Whole, FirstHalf, SecondHalf };

struct Layer {
    double radialMm;    // from the tube (a ring's surface) to the layer's inner side
    int turns;          // of each half of a centre-tapped winding
    int conductors;     // side by side: turns x strands x halves
    double lengthMm;    // along which they lie (the layer's share of the breadth or circumference)
    double meanTurnMm;  // of a turn round the layer's middle
};

struct Winding {
    int output = 0;  // 0 the primary, 1 to 5 an output
    Part part = Part::Whole;
    int halves = 1;  // 2: centre-tapped, both halves wound side by side
    int turns = 0;   // of each half
    int strands = 0;
    double enteredWireMm = 0;  // the design's conductor diameter
    double wireMm = 0;         // the standard one wound
    double wireOuterMm = 0;    // the most a strand takes in a layer
    bool tripleInsulated = false;
    int turnsPerLayer = 0;  // the most a layer of it holds (a ring's first)
    std::vector<Layer> layers;
    double buildMm = 0;  // layers x outer diameter
    int tapeLayers = 0;  // over it
    double tapeMm = 0;
    double meanTurnMm = 0;       // over all its turns
    double resistanceDcOhm = 0;  // of each half at 20 C

    bool StandardWire() const { return wireMm == enteredWireMm; }
    // The pitch of its conductors along a layer: its length over the conductors in it.
    static double PitchMm(const Layer& layer) { return layer.lengthMm / layer.conductors; }
};

struct Plan {
    // False when the design's turns or strands are not finite numbers a winding can be made of,
    // or need more than limits::kMostLayers layers: `reason` says why, and there are no windings.
    bool planned = true;
    std::string_view reason;

    Space space;
    double marginMm = 0;      // at each end of the breadth
    bool reinforced = false;  // mains insulation between the primary and the outputs
    int wireGrade = limits::kDefaultWireGrade;
    const InsulationTape* tape = nullptr;
    std::vector<Winding> windings;  // inner to outer
    double buildMm = 0;             // of every layer and tape
    double fillPercent = 0;         // build over depth
    bool fits = false;
    // Between the primary and each output in use (the others open), referred to the primary;
    // NaN for an output not in use, where a ring's hole closes, or where the margins leave no
    // breadth.
    std::array<double, kOutputCount> leakageH{};
};

Plan PlanWinding(const DesignResult& design, const PlanOptions& options = {});

}  // namespace toroglav::winding
