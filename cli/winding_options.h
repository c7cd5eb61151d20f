#pragma once
// The options of "--winding" and "--losses": which bobbin, wire grade, interleaving, tape
// layers, margins and triple-insulated outputs the winding plan takes
// (calc/winding/winding_plan.h).

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/winding/winding_plan.h"

namespace toroglav::cli {

struct WindingRequest {
    bool plan = false;       // --winding was given
    bool anyOption = false;  // --winding or one of its options was given
    winding::PlanOptions options;
};

// When args[i] is --winding or one of its options: reads it into `request`, and its argument
// too (i then moves past it), and returns true; a bad argument's message goes to `error`.
bool ReadWindingArgument(std::span<const std::string_view> args, std::size_t& i,
                         WindingRequest& request, std::optional<std::string>& error);

// Why the options do not suit the design (a bobbin made for another core), or nothing.
std::optional<std::string> UnsuitedWindingOptions(const winding::PlanOptions& options,
                                                  const stages::Inputs& design);

}  // namespace toroglav::cli
