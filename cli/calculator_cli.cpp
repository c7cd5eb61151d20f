#include "calculator_cli.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation.h"
#include "calc/cp1251.h"
#include "cli/joined_text.h"
#include "cli/member_assignment.h"
#include "cli/record_listing.h"
#include "files/design_file_path.h"

namespace toroglav::cli {

namespace {
constexpr std::string_view kUsage =
    "usage: toroglav-calc [DESIGN.sav] [--set NAME=TEXT]...\n"
    "  Computes a design from the defaults, or from DESIGN.sav, with each NAME=TEXT applied in\n"
    "  order (NAME as m_strFrequency, an output's element as m_strOutVoltage[2]), and prints\n"
    "  every member as NAME=TEXT.\n";

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
};
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
            Print(err,
                  Joined({"toroglav-calc: cannot open ", name, ": ", std::strerror(errno), "\n"}));
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
    Print(out, ListRecord(record));
    return kExitOk;
}

}  // namespace toroglav::cli
