#pragma once
// "--winding [--bobbin NAME] [--wire-grade 1|2|3] [--interleave] [--tape-layers N] [--margin MM]
// [--triple-insulated]": the winding plan of the calculated design (calc/winding/winding_plan.h)
// as NAME=VALUE lines: the bobbin ("derived" or "none" for a ring), its breadth and depth, the
// margin, the order of the windings inner to outer, the wire grade; per winding W (P for the
// primary, P1 and P2 for the halves of an interleaved one, 1 to 5 for the outputs) its turns,
// strands, wire, outer diameter, turns a layer, layers, build, tape layers and build, mean turn
// and DC resistance at 20 C; the total build, the fill and whether it fits; the leakage
// inductance of each output referred to the primary. Counts are whole numbers, lengths and the
// rest have a decimal point and six significant digits.
//
// "--list-bobbins [FILTER]": the bobbins whose name or core contains FILTER, one a line: name,
// core, breadth and depth in mm, tab-separated.

#include <string>
#include <string_view>

#include "calc/winding/winding_plan.h"
#include "cli/calculated_design.h"

namespace toroglav::cli {

std::string ListBobbins(std::string_view filter);

std::string ListWinding(const winding::Plan& plan);

int RunWinding(const DesignRequest& request, const CalculatedDesign& design,
               const Streams& streams);

}  // namespace toroglav::cli
