#include "cli/design_request.h"

#include <algorithm>

#include "calc/record/design_record.h"
#include "calc/text/joined_text.h"
#include "cli/material_command.h"
#include "cli/number_argument.h"

namespace toroglav::cli {

namespace {

std::string UnknownCoreMessage(std::string_view name) {
    std::string message = Joined({"no core '", name, "' in the catalogue; the closest: "});
    std::string_view separator;
    for (const CatalogueCore* core : ClosestCores(name)) {
        AppendJoined(message, {separator, core->name});
        separator = ", ";
    }
    return message;
}

}  // namespace

std::optional<std::string> ParseDesignRequest(std::span<const std::string_view> args,
                                              DesignRequest& request) {
    // The options given, each at most once (--set and --core apply in order, as often as given).
    std::vector<std::string_view> given;
    // Their errors are one line, wherever they stand.
    request.thermalOption = std::ranges::any_of(args, [](std::string_view arg) {
        return arg == "--thermal" || arg == "--dissipation" || arg == "--air-speed";
    });
    const auto isGiven = [&given](std::string_view option) {
        return std::ranges::find(given, option) != given.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // The option's argument, when there is one.
        const std::optional<std::string_view> next =
            i + 1 < args.size() ? std::optional(args[i + 1]) : std::nullopt;
        if (arg.starts_with("--") && arg != "--set" && arg != "--core") {
            if (isGiven(arg)) return Joined({"'", arg, "' is given twice"});
            given.push_back(arg);
        }
        if (arg == "--help" || arg == "-h") {
            request.mode = Mode::Help;
            return std::nullopt;
        }
        if (arg == "--list-cores") {
            request.mode = Mode::Catalogue;
            if (next && !next->starts_with('-')) request.coreFilter = *next;
            return std::nullopt;
        }
        if (arg == "--list-bobbins") {
            request.mode = Mode::Bobbins;
            if (next && !next->starts_with('-')) request.bobbinFilter = *next;
            return std::nullopt;
        }
        std::optional<std::string> windingError;
        if (ReadWindingArgument(args, i, request.winding, windingError)) {
            if (windingError) return windingError;
            continue;
        }
        if (arg == "--set") {
            if (!next) return "'--set' needs NAME=TEXT";
            Assignment assignment;
            std::string error;
            if (!ParseAssignment(*next, assignment, error)) return error;
            // A bad value is a usage error, found up front.
            if (DesignRecord scratch; !ApplyAssignment(assignment, scratch, error)) return error;
            request.edits.emplace_back(std::move(assignment));
            ++i;
        } else if (arg == "--core") {
            if (!next) return "'--core' needs a core name";
            const CatalogueCore* core = FindCore(*next);
            if (!core) return UnknownCoreMessage(*next);
            request.edits.emplace_back(core);
            ++i;
        } else if (arg == "--advise") {
            if (next)
                if (const auto family = AdviceFamilyNamed(*next)) {
                    request.adviceFamily = family;
                    ++i;
                }
        } else if (arg == "--max-rise") {
            const auto degrees = next ? NumberArgument(*next) : std::nullopt;
            if (!degrees || *degrees < 0) return "'--max-rise' needs a number of degrees";
            request.maxRiseK = *degrees;
            ++i;
        } else if (arg == "--rank") {
            const auto rank = next ? AdviceRankNamed(*next) : std::nullopt;
            if (!rank) return "'--rank' needs 'volume' or 'loss'";
            request.rank = *rank;
            ++i;
        } else if (arg == "--losses") {
        } else if (arg == "--material") {
            if (!next) return "'--material' needs a ferrite's name";
            request.material = FindFerriteMaterial(*next);
            if (!request.material)
                return Joined(
                    {"no ferrite '", *next, "' in the library; it has: ", MaterialNames()});
            ++i;
        } else if (arg == "--ambient") {
            const auto ambient = next ? NumberArgument(*next) : std::nullopt;
            if (!ambient ||
                !(*ambient >= limits::kLowestAmbientC && *ambient <= limits::kHighestAmbientC))
                return "'--ambient' needs a temperature from -55 to 150 degrees C";
            request.ambientC = *ambient;
            ++i;
        } else if (arg == "--air-speed") {
            const auto speed = next ? NumberArgument(*next) : std::nullopt;
            if (!speed || !(*speed >= 0 && *speed <= limits::kFastestAirSpeedMPerS))
                return "'--air-speed' needs a speed from 0 to 20 m/s";
            request.airSpeedMPerS = *speed;
            ++i;
        } else if (arg == "--thermal") {
        } else if (arg == "--dissipation") {
            const auto watts = next ? NumberArgument(*next) : std::nullopt;
            if (!watts || !(*watts > 0 && *watts <= limits::kMostDissipationW))
                return "'--dissipation' needs a power above 0 and at most 1000 W";
            request.dissipationW = *watts;
            ++i;
        } else if (arg == "--save" || arg == "--report") {
            if (!next) return Joined({"'", arg, "' needs a file"});
            (arg == "--save" ? request.saveFile : request.reportFile) = std::string(*next);
            ++i;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return Joined({"unknown option '", arg, "'"});
        } else if (request.designFile) {
            return Joined({"only one design file, not also '", arg, "'"});
        } else {
            request.designFile = std::string(arg);
        }
    }

    const bool losses = isGiven("--losses");
    const bool advise = isGiven("--advise");
    const bool thermal = isGiven("--thermal");
    if (losses && advise) return "'--losses' and '--advise' ask for different listings";
    if (thermal && (losses || advise || request.winding.plan))
        return "'--thermal' and '--losses', '--advise' or '--winding' ask for different listings";
    if (isGiven("--material") && !losses) return "'--material' belongs to '--losses'";
    for (const std::string_view option : {"--ambient", "--air-speed"})
        if (isGiven(option) && !losses && !thermal)
            return Joined({"'", option, "' belongs to '--losses' or '--thermal'"});
    if (isGiven("--dissipation") && !thermal) return "'--dissipation' belongs to '--thermal'";
    if (thermal && !request.dissipationW) return "'--thermal' needs '--dissipation W'";
    for (const std::string_view option : {"--rank", "--max-rise"})
        if (isGiven(option) && !advise) return Joined({"'", option, "' belongs to '--advise'"});
    if (request.winding.plan && (losses || advise))
        return "'--winding' and '--losses' or '--advise' ask for different listings";
    if (request.winding.anyOption && !request.winding.plan && !losses)
        return "'--bobbin', '--wire-grade', '--interleave', '--tape-layers', '--margin' and "
               "'--triple-insulated' belong to '--winding' or '--losses'";
    request.mode = thermal                ? Mode::Thermal
                   : losses               ? Mode::Losses
                   : advise               ? Mode::Advice
                   : request.winding.plan ? Mode::Winding
                                          : Mode::Listing;
    return std::nullopt;
}

}  // namespace toroglav::cli
