#include "calculator_cli.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation.h"
#include "calc/cp1251.h"
#include "calc/joined_text.h"
#include "cli/member_assignment.h"
#include "cli/record_listing.h"
#include "files/design_file_path.h"
#include "files/text_report.h"

namespace toroglav::cli {

namespace {
constexpr std::string_view kUsage =
    "usage: toroglav-calc [DESIGN.sav] [--set NAME=TEXT]... [--save FILE.sav] [--report FILE.txt]\n"
    "  Computes a design from the defaults, or from DESIGN.sav, with each NAME=TEXT applied in\n"
    "  order (NAME as m_strFrequency, an output's element as m_strOutVoltage[2]), and prints\n"
    "  every member as NAME=TEXT.\n"
    "  --save FILE.sav     also write the design file of the inputs as they stand after the\n"
    "                      calculation, as the window saves them\n"
    "  --report FILE.txt   also write the text report of the calculated design (cp1251, CR LF)\n";

void Print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int UsageError(std::FILE* err, const std::string& message) {
    Print(err, Joined({"toroglav-calc: ", message, "\n"}));
    Print(err, kUsage);
    return kExitUsage;
}

struct Request {
    std::optional<std::string> designFile;
    std::vector<Assignment> assignments;
    std::optional<std::string> saveFile;
    std::optional<std::string> reportFile;
};

// Writes one of the requested files; false after printing why it failed.
bool WriteOutputFile(std::FILE* err, const std::string& name, const FileWriteResult& result) {
    if (result.ok) return true;
    Print(err, Joined({"toroglav-calc: cannot write ", name, ": ", result.error, "\n"}));
    return false;
}
}  // namespace

int Run(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
    Request request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            Print(out, kUsage);
            return kExitOk;
        }
        if (arg == "--set") {
            if (i + 1 == args.size()) return UsageError(err, "'--set' needs NAME=TEXT");
            Assignment assignment;
            std::string error;
            if (!ParseAssignment(args[++i], assignment, error)) return UsageError(err, error);
            if (DesignRecord scratch; !ApplyAssignment(assignment, scratch, error))
                return UsageError(err, error);  // a bad value is a usage error, found up front
            request.assignments.push_back(std::move(assignment));
        } else if (arg == "--save" || arg == "--report") {
            std::optional<std::string>& file =
                arg == "--save" ? request.saveFile : request.reportFile;
            if (i + 1 == args.size()) return UsageError(err, Joined({"'", arg, "' needs a file"}));
            if (file) return UsageError(err, Joined({"'", arg, "' is given twice"}));
            file = std::string(args[++i]);
        } else if (arg.size() > 1 && arg.front() == '-') {
            return UsageError(err, Joined({"unknown option '", arg, "'"}));
        } else if (request.designFile) {
            return UsageError(err, Joined({"only one design file, not also '", arg, "'"}));
        } else {
            request.designFile = std::string(arg);
        }
    }

    DesignRecord record;
    if (request.designFile) {
        const std::string& name = *request.designFile;
        const LoadResult loaded = LoadDesignFile(std::filesystem::path(name), record);
        if (!loaded.opened) {
            Print(err, Joined({"toroglav-calc: cannot open ", name, ": ", loaded.openError, "\n"}));
            return kExitFileError;
        }
        if (!loaded.Loaded()) {
            Print(err, Joined({"toroglav-calc: ", name, ": ", ReadErrorMessage(loaded.read, name),
                               "\n"}));
            return kExitFileError;
        }
    }
    for (const Assignment& assignment : request.assignments) {
        std::string error;
        ApplyAssignment(assignment, record, error);  // checked while parsing
    }

    Calculate(record, [err](std::string_view warning) {
        std::string line =
            Joined({Cp1251ToUtf8(Cp1251<"Внимание! ">), Cp1251ToUtf8(warning), "\n"});
        std::replace(line.begin(), line.end() - 1, '\n', ' ');
        Print(err, line);
    });
    // The files come before the listing, so a failure leaves no output that looks complete.
    if (request.saveFile &&
        !WriteOutputFile(err, *request.saveFile,
                         SaveDesignFile(std::filesystem::path(*request.saveFile), record)))
        return kExitFileError;
    if (request.reportFile &&
        !WriteOutputFile(err, *request.reportFile,
                         SaveTextReport(std::filesystem::path(*request.reportFile), record)))
        return kExitFileError;
    Print(out, ListRecord(record));
    return kExitOk;
}

}  // namespace toroglav::cli
