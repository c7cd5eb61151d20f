#include "cli/calculated_design.h"

#include <algorithm>
#include <filesystem>

#include "calc/text/cp1251.h"
#include "calc/text/joined_text.h"
#include "files/design_file_path.h"
#include "files/text_report.h"

namespace toroglav::cli {

namespace {

constexpr std::string_view kStandardInput = "-";

// The design file of the request, or the defaults; false after printing why it failed.
bool ReadDesign(const DesignRequest& request, const Streams& streams, DesignRecord& record) {
    if (!request.designFile) return true;
    const bool standardInput = *request.designFile == kStandardInput;
    const std::string name = standardInput ? "standard input" : *request.designFile;
    const LoadResult loaded = standardInput ? LoadDesignStream(streams.in, record)
                                            : LoadDesignFile(std::filesystem::path(name), record);
    if (!loaded.opened) {
        PrintError(streams.err, Joined({"cannot open ", name, ": ", loaded.openError}));
        return false;
    }
    if (!loaded.Loaded()) {
        PrintError(streams.err, Joined({name, ": ", ReadErrorMessage(loaded.read, name)}));
        return false;
    }
    return true;
}

void ApplyEdits(const DesignRequest& request, DesignRecord& record) {
    for (const auto& edit : request.edits) {
        if (const auto* core = std::get_if<const CatalogueCore*>(&edit)) {
            ApplyCore(**core, record);
        } else {
            std::string error;
            ApplyAssignment(std::get<Assignment>(edit), record, error);  // checked while parsing
        }
    }
}

// Writes one of the requested files; false after printing why it failed.
bool WriteOutputFile(std::FILE* err, const std::string& name, const FileWriteResult& result) {
    if (result.ok) return true;
    PrintError(err, Joined({"cannot write ", name, ": ", result.error}));
    return false;
}

}  // namespace

std::optional<CalculatedDesign> CalculateRequestedDesign(const DesignRequest& request,
                                                         const Streams& streams, int& exitCode) {
    exitCode = kExitFileError;
    DesignRecord record;
    if (!ReadDesign(request, streams, record)) return std::nullopt;
    ApplyEdits(request, record);

    const DesignRecord typed = record;
    DesignResult result = CalculateRecord(record, [&streams](std::string_view warning) {
        std::string line =
            Joined({Cp1251ToUtf8(Cp1251<"Внимание! ">), Cp1251ToUtf8(warning), "\n"});
        std::replace(line.begin(), line.end() - 1, '\n', ' ');
        Print(streams.err, line);
    });
    if (request.saveFile &&
        !WriteOutputFile(streams.err, *request.saveFile,
                         SaveDesignFile(std::filesystem::path(*request.saveFile), record)))
        return std::nullopt;
    if (request.reportFile &&
        !WriteOutputFile(streams.err, *request.reportFile,
                         SaveTextReport(std::filesystem::path(*request.reportFile), record)))
        return std::nullopt;
    exitCode = kExitOk;
    return CalculatedDesign{typed, std::move(record), std::move(result)};
}

}  // namespace toroglav::cli
