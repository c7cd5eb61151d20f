#include "cli/winding_command.h"

#include <charconv>
#include <cmath>

#include "calc/text/joined_text.h"
#include "calc/units.h"

namespace toroglav::cli {

namespace {

constexpr double kMicrohenry = 1e6;  // uH per H

// A decimal point and six significant digits, more for a number of a million or above;
// "nan" where there is no figure.
std::string Decimal(double value) {
    if (!std::isfinite(value)) return std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
    const int magnitude =
        value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::clamp(5 - magnitude, 1, 17);
    char buffer[64];
    const auto end =
        std::to_chars(buffer, std::end(buffer), value, std::chars_format::fixed, decimals).ptr;
    return std::string(buffer, end);
}

void Line(std::string& out, std::string_view name, std::string_view tag, std::string_view value) {
    AppendJoined(out, {name, tag, "=", value, "\n"});
}

// "P", "P1", "P2" or the output's number.
std::string Tag(const winding::Winding& w) {
    if (w.output > 0) return std::to_string(w.output);
    return w.part == winding::Part::FirstHalf    ? "P1"
           : w.part == winding::Part::SecondHalf ? "P2"
                                                 : "P";
}

std::string_view BobbinName(const winding::Space& space) {
    switch (space.kind) {
        case winding::SpaceKind::Bobbin:
            return space.bobbin->name;
        case winding::SpaceKind::Derived:
            return "derived";
        case winding::SpaceKind::Ring:
            break;
    }
    return "none";
}

}  // namespace

std::string ListBobbins(std::string_view filter) {
    std::string out;
    for (const winding::Bobbin* bobbin : winding::BobbinsMatching(filter))
        AppendJoined(out, {bobbin->name, "\t", bobbin->core, "\t", Decimal(bobbin->breadthMm), "\t",
                           Decimal(bobbin->depthMm), "\n"});
    return out;
}

std::string ListWinding(const winding::Plan& plan) {
    std::string out;
    const winding::Space& space = plan.space;
    Line(out, "bobbin", "", BobbinName(space));
    Line(out, "window_breadth_mm", "", Decimal(space.breadthMm));
    Line(out, "window_depth_mm", "", Decimal(space.depthMm));
    Line(out, "margin_mm", "", Decimal(plan.marginMm));
    std::string order;
    for (const winding::Winding& w : plan.windings)
        AppendJoined(order, {order.empty() ? "" : ",", Tag(w)});
    Line(out, "order", "", order);
    Line(out, "wire_grade", "", std::to_string(plan.wireGrade));
    for (const winding::Winding& w : plan.windings) {
        const std::string tag = Joined({"[", Tag(w), "]"});
        Line(out, "turns", tag, std::to_string(w.turns));
        Line(out, "strands", tag, std::to_string(w.strands));
        Line(out, "wire_mm", tag, Decimal(w.wireMm));
        Line(out, "wire_outer_mm", tag, Decimal(w.wireOuterMm));
        Line(out, "turns_per_layer", tag, std::to_string(w.turnsPerLayer));
        Line(out, "layers", tag, std::to_string(w.layers.size()));
        Line(out, "build_mm", tag, Decimal(w.buildMm));
        Line(out, "tape_layers", tag, std::to_string(w.tapeLayers));
        Line(out, "tape_mm", tag, Decimal(w.tapeMm));
        Line(out, "mean_turn_mm", tag, Decimal(w.meanTurnMm));
        Line(out, "resistance_dc_mOhm", tag, Decimal(w.resistanceDcOhm * units::kMilliohm));
    }
    Line(out, "build_mm", "", Decimal(plan.buildMm));
    Line(out, "fill_percent", "", Decimal(plan.fillPercent));
    Line(out, "fits", "", plan.fits ? "1" : "0");
    for (const winding::Winding& w : plan.windings)
        if (w.output > 0)
            Line(out, "leakage_uH", Joined({"[", Tag(w), "]"}),
                 Decimal(plan.leakageH[w.output - 1] * kMicrohenry));
    return out;
}

int RunWinding(const DesignRequest& request, const CalculatedDesign& design,
               const Streams& streams) {
    const winding::PlanOptions& options = request.winding.options;
    if (const auto unsuited = UnsuitedWindingOptions(options, design.result.inputs)) {
        PrintError(streams.err, *unsuited);
        return kExitUsage;
    }
    const winding::Plan plan = winding::PlanWinding(design.result, options);
    if (!plan.planned)
        PrintError(streams.err, Joined({"the winding cannot be planned: ", plan.reason}));
    for (const winding::Winding& w : plan.windings)
        if (!w.StandardWire() && w.part != winding::Part::SecondHalf)
            PrintError(streams.err, Joined({"the wire of ", w.output ? "output " : "the primary",
                                            w.output ? std::to_string(w.output) : "",
                                            " is not a standard one: ", Decimal(w.wireMm),
                                            " mm taken for ", Decimal(w.enteredWireMm)}));
    return PrintOutput(streams, ListWinding(plan));
}

}  // namespace toroglav::cli
