#pragma once
// "--thermal --dissipation W [--ambient C] [--air-speed M_S]": how warm the design's core gets
// when the wound transformer, its winding space full as the makers' figures assume, dissipates W
// (calc/magnetics/transformer_surface.h, surface_heat_transfer.h): its cooling surface, the
// temperature rise and the thermal resistance at that rise, as NAME=VALUE lines.

#include "cli/calculated_design.h"

namespace toroglav::cli {

int RunThermal(const DesignRequest& request, const CalculatedDesign& design,
               const Streams& streams);

}  // namespace toroglav::cli
