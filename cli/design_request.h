#pragma once
// What the command line asks of a design, read from its arguments before anything is done: the
// design file and its edits, the files to write, and the mode with its options.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/analysis/core_adviser.h"
#include "calc/catalogue/core_catalogue.h"
#include "calc/limits.h"
#include "calc/magnetics/ferrite_material.h"
#include "cli/member_assignment.h"
#include "cli/winding_options.h"

namespace toroglav::cli {

enum class Mode {
    Help,       // --help
    Catalogue,  // --list-cores [FILTER]
    Listing,    // every member of the calculated design (the default)
    Losses,     // --losses
    Advice,     // --advise
    Winding,    // --winding
    Thermal,    // --thermal
    Bobbins,    // --list-bobbins [FILTER]
};

struct DesignRequest {
    Mode mode = Mode::Listing;
    std::string_view coreFilter;    // of --list-cores
    std::string_view bobbinFilter;  // of --list-bobbins

    std::optional<std::string> designFile;  // "-" for standard input
    // The edits of the design in the order given: assignments and catalogue cores.
    std::vector<std::variant<Assignment, const CatalogueCore*>> edits;
    std::optional<std::string> saveFile;
    std::optional<std::string> reportFile;

    std::optional<AdviceFamily> adviceFamily;  // none: the family of the design's core type
    double maxRiseK = limits::kDefaultMaxRiseK;
    AdviceRank rank = AdviceRank::Volume;

    const FerriteMaterial* material = nullptr;  // none: the design's N87 or N27
    double ambientC = limits::kDefaultAmbientC;
    double airSpeedMPerS = 0;  // of --losses and --thermal

    std::optional<double> dissipationW;  // of --thermal
    bool thermalOption = false;          // --thermal, --dissipation or --air-speed was given

    WindingRequest winding;
};

// Reads `args` into `request`; the usage error's message, or nothing when they are sound.
std::optional<std::string> ParseDesignRequest(std::span<const std::string_view> args,
                                              DesignRequest& request);

}  // namespace toroglav::cli
