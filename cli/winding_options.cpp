#include "cli/winding_options.h"

#include <cmath>

#include "calc/text/joined_text.h"
#include "cli/number_argument.h"

namespace toroglav::cli {

namespace {

// The most tape layers and the widest margin the plan is asked for: beyond them no bobbin of
// the catalogue has room left.
constexpr double kMostTapeLayers = 20;
constexpr double kWidestMarginMm = 50;

}  // namespace

bool ReadWindingArgument(std::span<const std::string_view> args, std::size_t& i,
                         WindingRequest& request, std::optional<std::string>& error) {
    const std::string_view arg = args[i];
    const std::optional<std::string_view> next =
        i + 1 < args.size() ? std::optional(args[i + 1]) : std::nullopt;
    winding::PlanOptions& options = request.options;
    if (arg == "--winding") {
        request.plan = true;
    } else if (arg == "--interleave") {
        options.interleave = true;
    } else if (arg == "--triple-insulated") {
        options.tripleInsulated = true;
    } else if (arg == "--bobbin") {
        options.bobbin = next ? winding::FindBobbin(*next) : nullptr;
        if (!options.bobbin)
            error = next ? Joined({"no bobbin '", *next, "'; --list-bobbins lists them"})
                         : "'--bobbin' needs a bobbin's name";
        ++i;
    } else if (arg == "--wire-grade") {
        if (next == "1" || next == "2" || next == "3")
            options.wireGrade = (*next)[0] - '0';
        else
            error = "'--wire-grade' needs 1, 2 or 3";
        ++i;
    } else if (arg == "--tape-layers") {
        const auto layers = next ? NumberArgument(*next) : std::nullopt;
        if (layers && *layers >= 0 && *layers <= kMostTapeLayers && std::trunc(*layers) == *layers)
            options.tapeLayers = static_cast<int>(*layers);
        else
            error = "'--tape-layers' needs a whole number of layers from 0 to 20";
        ++i;
    } else if (arg == "--margin") {
        const auto margin = next ? NumberArgument(*next) : std::nullopt;
        if (margin && *margin >= 0 && *margin <= kWidestMarginMm)
            options.marginMm = *margin;
        else
            error = "'--margin' needs a width in mm from 0 to 50";
        ++i;
    } else {
        return false;
    }
    request.anyOption = true;
    return true;
}

std::optional<std::string> UnsuitedWindingOptions(const winding::PlanOptions& options,
                                                  const stages::Inputs& design) {
    if (!options.bobbin) return std::nullopt;
    const CatalogueCore* core = winding::CatalogueCoreOf(design);
    if (core && core->name == options.bobbin->core) return std::nullopt;
    return Joined({"the bobbin '", options.bobbin->name, "' is made for the core ",
                   options.bobbin->core, ", which the design does not have"});
}

}  // namespace toroglav::cli
