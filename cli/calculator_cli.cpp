#include "cli/calculator_cli.h"

#include "calc/text/joined_text.h"
#include "cli/advice_command.h"
#include "cli/calculated_design.h"
#include "cli/catalogue_command.h"
#include "cli/design_request.h"
#include "cli/losses_command.h"
#include "cli/material_command.h"
#include "cli/record_listing.h"
#include "cli/thermal_command.h"
#include "cli/winding_command.h"
#include "files/design_file_path.h"

namespace toroglav::cli {

namespace {

int RunMaterials(std::span<const std::string_view> args, const Streams& streams) {
    const MaterialAnswer answer = AnswerMaterialCommand(args);
    if (answer.ok) return PrintOutput(streams, answer.text);
    PrintError(streams.err, answer.text);
    return kExitUsage;
}

}  // namespace

int Run(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err) {
    const Streams streams{in, out, err};
    if (IsMaterialCommand(args)) return RunMaterials(args, streams);

    DesignRequest request;
    if (const auto error = ParseDesignRequest(args, request)) {
        if (!request.winding.anyOption && !request.thermalOption) return UsageError(err, *error);
        PrintError(err, *error);  // the winding's and the thermal options are refused in one line
        return kExitUsage;
    }
    if (request.mode == Mode::Help) return PrintOutput(streams, kUsage);
    if (request.mode == Mode::Catalogue) return RunCatalogue(request.coreFilter, streams);
    if (request.mode == Mode::Bobbins)
        return PrintOutput(streams, ListBobbins(request.bobbinFilter));
    // The second write would silently replace the first.
    if (request.saveFile && request.reportFile &&
        SameFileWritten(*request.saveFile, *request.reportFile))
        return UsageError(
            err, Joined({"'--save' and '--report' both write '", *request.reportFile, "'"}));

    int exitCode = kExitOk;
    const auto design = CalculateRequestedDesign(request, streams, exitCode);
    if (!design) return exitCode;
    switch (request.mode) {
        case Mode::Losses:
            return RunLosses(request, *design, streams);
        case Mode::Advice:
            return RunAdvice(request, *design, streams);
        case Mode::Winding:
            return RunWinding(request, *design, streams);
        case Mode::Thermal:
            return RunThermal(request, *design, streams);
        default:
            return PrintOutput(streams, ListRecord(design->calculated));
    }
}

}  // namespace toroglav::cli
