#include "calc/winding/winding_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/constants.h"
#include "calc/limits.h"
#include "calc/units.h"
#include "calc/winding/leakage_inductance.h"

namespace toroglav::winding {

namespace {

using constants::kPi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The conductor diameters of the data are to the micrometre.
constexpr double kSameWireMm = 5e-4;
constexpr double kLengthSlack = 1e-9;

// What a winding is made of, as the calculation leaves it: a negative output's turns by their
// magnitude.
struct Wound {
    int output;
    Part part;
    int halves;
    double turns;  // of each half
    double strands;
    double wireMm;
    bool tripleInsulated;
};

bool Countable(double value, double most) {
    return std::isfinite(value) && value >= 1 && value <= most;
}

// The windings in the order they are laid, or the reason they cannot be.
std::string_view WindingsInOrder(const DesignResult& d, const PlanOptions& options,
                                 std::vector<Wound>& order) {
    const stages::Inputs& in = d.inputs;
    const Wound primary{0,
                        Part::Whole,
                        in.converter == Converter::PushPull ? 2 : 1,
                        std::abs(d.primary.turns),
                        d.power.primaryStrands,
                        in.wirePrimary,
                        false};
    std::vector<Wound> outputs;
    for (int i = 0; i < kOutputCount; ++i) {
        const stages::Output& output = d.outputs.each[i];
        if (!output.inUse) continue;
        outputs.push_back({i + 1, Part::Whole, output.rectifier == Rectifier::Bridge ? 1 : 2,
                           std::abs(output.turns), output.strands, in.wireOut[i],
                           options.tripleInsulated});
    }
    // A turn count an int holds; more layers than that are refused while laying.
    constexpr double kMostTurns = 1e8;
    const auto sound = [](const Wound& w) {
        return Countable(w.turns, kMostTurns) && Countable(w.strands, limits::kMostStrands) &&
               w.wireMm > 0 && std::isfinite(w.wireMm);
    };
    if (!sound(primary) || !std::ranges::all_of(outputs, sound))
        return "a winding's turns, strands or wire are not numbers a winding can be made of";

    const bool split = options.interleave && primary.turns >= 2;
    if (split) {
        Wound first = primary;
        first.part = Part::FirstHalf;
        first.turns = std::floor(primary.turns / 2);
        order.push_back(first);
    } else {
        order.push_back(primary);
    }
    order.insert(order.end(), outputs.begin(), outputs.end());
    if (split) {
        Wound second = primary;
        second.part = Part::SecondHalf;
        second.turns = primary.turns - std::floor(primary.turns / 2);
        order.push_back(second);
    }
    return {};
}

double OuterDiameterMm(const EnamelledWire& wire, int grade, bool tripleInsulated) {
    if (tripleInsulated) return wire.conductorMm + 2 * constants::kTripleInsulationMm;
    return wire.outerMm[static_cast<std::size_t>(grade - 1)];
}

// The leakage inductance between the primary and output `output`, the others open.
double LeakageH(const Plan& plan, int output, double breadthMm, std::vector<FieldRegion>& regions) {
    double primaryTurns = 0, outputTurns = 0;
    for (const Winding& w : plan.windings) {
        if (w.output == 0) primaryTurns += w.turns;
        if (w.output == output) outputTurns = w.turns;
    }
    regions.clear();
    double mmf = 0;
    for (const Winding& w : plan.windings) {
        const double perTurn = w.output == 0        ? 1
                               : w.output == output ? -primaryTurns / outputTurns
                                                    : 0;
        for (const Layer& layer : w.layers) {
            const double next = mmf + perTurn * layer.turns;
            regions.push_back({layer.radialMm, w.wireOuterMm, layer.meanTurnMm, mmf, next});
            mmf = next;
        }
        const double tapeAt = w.layers.back().radialMm + w.wireOuterMm;
        regions.push_back(
            {tapeAt, w.tapeMm, plan.space.TurnLengthMm(tapeAt + w.tapeMm / 2), mmf, mmf});
    }
    const Space& s = plan.space;
    if (s.kind == SpaceKind::Ring)
        return ToroidalLeakageH(regions, s.innerDiameterMm, s.outerDiameterMm, s.heightMm);
    return ConcentricLeakageH(regions, breadthMm);
}

Plan Unplanned(const Space& space, std::string_view reason) {
    Plan plan;
    plan.planned = false;
    plan.reason = reason;
    plan.space = space;
    plan.buildMm = plan.fillPercent = kNaN;
    plan.leakageH.fill(kNaN);
    return plan;
}

}  // namespace

Plan PlanWinding(const DesignResult& d, const PlanOptions& options) {
    Plan plan;
    plan.leakageH.fill(kNaN);
    const stages::Inputs& in = d.inputs;
    plan.space = SpaceOf(in, d.core, options.bobbin);
    const Space& space = plan.space;
    const bool ring = space.kind == SpaceKind::Ring;
    plan.wireGrade = std::clamp(options.wireGrade, 1, 3);
    plan.tape = FindInsulationTape(limits::kWindingTape);
    plan.reinforced = in.supplyKind == SupplyKind::Mains && !options.tripleInsulated;
    // A ring has no bobbin ends to leave margins at: its tape wraps the whole section.
    plan.marginMm =
        options.marginMm.value_or(plan.reinforced && !ring ? constants::kBasicCreepage250VrmsMm *
                                                                 constants::kReinforcedOverBasic / 2
                                                           : 0);
    const int tapeLayers = options.tapeLayers.value_or(limits::kDefaultTapeLayers);
    const int reinforcedTapeLayers = std::max(tapeLayers, constants::kReinforcedTapeLayers);

    std::vector<Wound> order;
    if (const std::string_view reason = WindingsInOrder(d, options, order); !reason.empty())
        return Unplanned(space, reason);

    // Lay the layers from the tube out.
    const double breadthMm = space.breadthMm - 2 * plan.marginMm;
    bool allLaid = breadthMm > 0;
    double radialMm = 0;
    plan.windings.reserve(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Wound& wound = order[k];
        Winding& w = plan.windings.emplace_back();
        w.output = wound.output;
        w.part = wound.part;
        w.halves = wound.halves;
        w.turns = static_cast<int>(wound.turns);
        w.strands = static_cast<int>(wound.strands);
        w.enteredWireMm = wound.wireMm;
        const EnamelledWire& wire = NearestEnamelledWire(wound.wireMm);
        w.wireMm = std::abs(wire.conductorMm - wound.wireMm) < kSameWireMm ? wound.wireMm
                                                                           : wire.conductorMm;
        w.tripleInsulated = wound.tripleInsulated;
        w.wireOuterMm = OuterDiameterMm(wire, plan.wireGrade, wound.tripleInsulated);
        const double across = w.halves * w.strands * w.wireOuterMm;  // of one turn
        double turnLengths = 0;                                      // mm, of every turn of a half
        for (int left = w.turns; left > 0;) {
            if (static_cast<int>(w.layers.size()) == limits::kMostLayers)
                return Unplanned(space, "a winding needs more layers than any transformer has");
            const double lengthMm =
                ring ? kPi * (space.innerDiameterMm - 2 * radialMm - w.wireOuterMm) -
                           2 * plan.marginMm
                     : breadthMm;
            // A length of exactly so many wires holds them, whatever its last bit says.
            int perLayer =
                lengthMm > 0 ? static_cast<int>(std::floor(lengthMm / across + kLengthSlack)) : 0;
            if (perLayer < 1) {  // not one turn across: too wide, or the hole has closed
                allLaid = false;
                perLayer = 1;
            }
            const int turns = std::min(perLayer, left);
            const double meanTurnMm = space.TurnLengthMm(radialMm + w.wireOuterMm / 2);
            w.layers.push_back({radialMm, turns, turns * w.strands * w.halves,
                                std::max(lengthMm, turns * across), meanTurnMm});
            w.turnsPerLayer = std::max(w.turnsPerLayer, perLayer);
            turnLengths += turns * meanTurnMm;
            radialMm += w.wireOuterMm;
            left -= turns;
        }
        w.buildMm = static_cast<double>(w.layers.size()) * w.wireOuterMm;
        w.meanTurnMm = turnLengths / w.turns;
        const double areaM2 = w.strands * kPi * w.wireMm * w.wireMm / 4 *
                              units::kMetresPerMillimetre * units::kMetresPerMillimetre;
        w.resistanceDcOhm =
            constants::kCopperResistivity20C * turnLengths * units::kMetresPerMillimetre / areaM2;
        // The tape over it is reinforced where it parts the primary from an output, and over an
        // outer output.
        const bool primary = w.output == 0;
        const bool parts = k + 1 < order.size() ? primary != (order[k + 1].output == 0) : !primary;
        w.tapeLayers = plan.reinforced && parts ? reinforcedTapeLayers : tapeLayers;
        w.tapeMm = w.tapeLayers * plan.tape->thicknessMm;
        radialMm += w.tapeMm;
    }
    plan.buildMm = radialMm;
    plan.fillPercent = space.depthMm > 0 ? units::kPercent * plan.buildMm / space.depthMm : kNaN;
    plan.fits = allLaid && plan.buildMm <= space.depthMm;

    if (!ring && breadthMm <= 0) return plan;  // the margins leave no breadth for a field
    std::vector<FieldRegion> regions;
    for (const Winding& w : plan.windings)
        if (w.output > 0)
            plan.leakageH[w.output - 1] = LeakageH(plan, w.output, breadthMm, regions);
    return plan;
}

}  // namespace toroglav::winding
