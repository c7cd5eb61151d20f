#include "cli/calculator_cli.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/analysis/loss_analysis.h"
#include "calc/catalogue/core_catalogue.h"
#include "calc/design/calculation.h"
#include "calc/magnetics/ferrite_material.h"
#include "calc/text/cp1251.h"
#include "calc/text/joined_text.h"
#include "cli/advice_listing.h"
#include "cli/core_listing.h"
#include "cli/loss_listing.h"
#include "cli/material_command.h"
#include "cli/member_assignment.h"
#include "cli/record_listing.h"
#include "files/design_file_path.h"
#include "files/text_report.h"

namespace toroglav::cli {

namespace {
constexpr std::string_view kUsage =
    "usage: toroglav-calc [DESIGN.sav | -] [--core NAME | --set NAME=TEXT]...\n"
    "                     [--save FILE.sav] [--report FILE.txt]\n"
    "                     [--advise [FAMILY] | --losses [--material NAME] [--ambient C]]\n"
    "       toroglav-calc --list-cores [FILTER]\n"
    "       toroglav-calc --list-materials\n"
    "       toroglav-calc --loss-density MATERIAL --frequency KHZ --flux MT --temperature C\n"
    "                     [--conduction D | --sine]\n"
    "  Computes a design from the defaults, or from DESIGN.sav (- reads it from standard input),\n"
    "  with each --core and --set applied in order, and prints every member as NAME=TEXT, one a\n"
    "  line: in a text a backslash is written \\\\ and a control character \\n, \\r, \\t or \\xHH\n"
    "  (its byte).\n"
    "  --core NAME         the core type and dimension fields of the catalogue core NAME,\n"
    "                      as \"ETD 39\" or \"R 25x15x10\"\n"
    "  --set NAME=TEXT     the member NAME (as m_strFrequency, an output's element as\n"
    "                      m_strOutVoltage[2]) set to TEXT\n"
    "  --save FILE.sav     also write the design file of the inputs as they stand after the\n"
    "                      calculation, as the window saves them\n"
    "  --report FILE.txt   also write the text report of the calculated design (cp1251, CR LF)\n"
    "  --advise [ring|e|etd|other|all]\n"
    "                      instead of the design, list the catalogue cores of the family (other:\n"
    "                      the cores given by Ae, le, So and Ve; by default the family of the\n"
    "                      core type) that carry it: finite results, no warning, the window fill\n"
    "                      at most the one entered, overheating at most --max-rise, the core\n"
    "                      at most 100 C at 40 C ambient (the loss analysis with N87 or N27 as\n"
    "                      the design chooses); in the order --rank asks, one a line,\n"
    "                      tab-separated, the core temperature in C and the total loss in W last\n"
    "  --max-rise DEGREES  the overheating --advise allows, 40 unless given\n"
    "  --rank volume|loss  the order of --advise: smallest volume first (unless given) or least\n"
    "                      total loss, core and copper, first\n"
    "  --losses            instead of the design, print its losses and heating as NAME=VALUE\n"
    "                      lines: core loss at the real waveform and core temperature, each\n"
    "                      winding's current, resistance, layers, AC factor and copper loss,\n"
    "                      efficiency, and the maximum induction of least loss\n"
    "  --material NAME     the ferrite of --losses (by default the design's N87 or N27)\n"
    "  --ambient C         the ambient temperature of --losses, 40 unless given\n"
    "  --list-cores [FILTER]\n"
    "                      print the catalogue cores, or those with a word of a name that\n"
    "                      begins with FILTER: name, core type, the six dimension fields\n"
    "  --list-materials    print the ferrites: name, maker, and the ranges of their loss data,\n"
    "                      frequency in kHz, peak flux in mT, temperature in C, tab-separated\n"
    "  --loss-density MATERIAL\n"
    "                      instead of a design, print the core-loss density in kW/m3 of the\n"
    "                      ferrite (letter case ignored) at --frequency KHZ, peak --flux MT and\n"
    "                      --temperature C, under a bipolar rectangular voltage conducting a\n"
    "                      fraction --conduction D of the period (1 unless given) or a --sine;\n"
    "                      its saturation flux density in T; outside_data=1 when either comes\n"
    "                      from beyond the maker's data\n";

void Print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

// Writes the whole output and flushes it. A failure (a full disk, a device that refuses) is
// exit 1 with the reason, since a listing cut short must not pass for a complete one.
int PrintOutput(std::FILE* out, std::FILE* err, std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0)
        return kExitOk;
    const int error = errno != 0 ? errno : EIO;
    Print(err, Joined({"toroglav-calc: cannot write the output: ", std::strerror(error), "\n"}));
    return kExitFileError;
}

// An error on one line of its own: what it repeats of the user's text (a name, a file, an
// argument) cannot move the cursor or forge another line.
void PrintError(std::FILE* err, std::string_view message) {
    Print(err, Joined({"toroglav-calc: ", EscapedUtf8(message), "\n"}));
}

int UsageError(std::FILE* err, const std::string& message) {
    PrintError(err, message);
    Print(err, kUsage);
    return kExitUsage;
}

constexpr std::string_view kStandardInput = "-";

struct Request {
    std::optional<std::string> designFile;
    // The edits of the design in the order given: assignments and catalogue cores.
    std::vector<std::variant<Assignment, const CatalogueCore*>> edits;
    std::optional<std::string> saveFile;
    std::optional<std::string> reportFile;
    bool advise = false;
    std::optional<AdviceFamily> adviceFamily;  // none: the family of the design's core type
    double maxRise = kDefaultMaxRise;
    AdviceRank rank = AdviceRank::Volume;
    bool losses = false;
    const FerriteMaterial* material = nullptr;  // none: the design's N87 or N27
    double ambientC = kDefaultAmbientC;
};

// The ferrites' names, for a message about one that is not among them.
std::string KnownMaterialNames() {
    std::string names;
    for (const FerriteMaterial& material : FerriteMaterials())
        AppendJoined(names, {names.empty() ? "" : ", ", material.name});
    return names;
}

// A whole number of degrees or a decimal one, not below 0.
bool ReadDegrees(std::string_view text, double& degrees) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), degrees);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size() &&
           std::isfinite(degrees) && degrees >= 0;
}

std::string UnknownCoreMessage(std::string_view name) {
    std::string message = Joined({"no core '", name, "' in the catalogue; the closest: "});
    std::string_view separator;
    for (const CatalogueCore* core : ClosestCores(name)) {
        AppendJoined(message, {separator, core->name});
        separator = ", ";
    }
    return message;
}

// Writes one of the requested files; false after printing why it failed.
bool WriteOutputFile(std::FILE* err, const std::string& name, const FileWriteResult& result) {
    if (result.ok) return true;
    PrintError(err, Joined({"cannot write ", name, ": ", result.error}));
    return false;
}
}  // namespace

int Run(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err) {
    if (IsMaterialCommand(args)) {
        const MaterialAnswer answer = AnswerMaterialCommand(args);
        if (answer.ok) return PrintOutput(out, err, answer.text);
        Print(err, Joined({"toroglav-calc: ", answer.text, "\n"}));
        return kExitUsage;
    }
    Request request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") return PrintOutput(out, err, kUsage);
        if (arg == "--set") {
            if (i + 1 == args.size()) return UsageError(err, "'--set' needs NAME=TEXT");
            Assignment assignment;
            std::string error;
            if (!ParseAssignment(args[++i], assignment, error)) return UsageError(err, error);
            if (DesignRecord scratch; !ApplyAssignment(assignment, scratch, error))
                return UsageError(err, error);  // a bad value is a usage error, found up front
            request.edits.emplace_back(std::move(assignment));
        } else if (arg == "--core") {
            if (i + 1 == args.size()) return UsageError(err, "'--core' needs a core name");
            const std::string_view name = args[++i];
            const CatalogueCore* core = FindCore(name);
            if (!core) return UsageError(err, UnknownCoreMessage(name));
            request.edits.emplace_back(core);
        } else if (arg == "--advise") {
            request.advise = true;
            if (i + 1 < args.size())
                if (const auto family = AdviceFamilyNamed(args[i + 1])) {
                    request.adviceFamily = family;
                    ++i;
                }
        } else if (arg == "--max-rise") {
            if (i + 1 == args.size() || !ReadDegrees(args[i + 1], request.maxRise))
                return UsageError(err, "'--max-rise' needs a number of degrees");
            ++i;
        } else if (arg == "--rank") {
            const auto rank = i + 1 < args.size() ? AdviceRankNamed(args[i + 1]) : std::nullopt;
            if (!rank) return UsageError(err, "'--rank' needs 'volume' or 'loss'");
            request.rank = *rank;
            ++i;
        } else if (arg == "--losses") {
            request.losses = true;
        } else if (arg == "--material") {
            if (i + 1 == args.size()) return UsageError(err, "'--material' needs a ferrite's name");
            request.material = FindFerriteMaterial(args[++i]);
            if (!request.material)
                return UsageError(err,
                                  Joined({"no ferrite '", args[i],
                                          "' in the library; it has: ", KnownMaterialNames()}));
        } else if (arg == "--ambient") {
            double ambient = 0;
            const std::string_view text = i + 1 < args.size() ? args[i + 1] : std::string_view();
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), ambient);
            if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
                !(ambient >= -273.15 && ambient < 200))
                return UsageError(err, "'--ambient' needs a temperature in degrees C below 200");
            request.ambientC = ambient;
            ++i;
        } else if (arg == "--list-cores") {
            const bool filtered = i + 1 < args.size() && !args[i + 1].starts_with('-');
            Print(out, ListCores(filtered ? args[i + 1] : std::string_view()));
            return kExitOk;
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

    if (request.losses && request.advise)
        return UsageError(err, "'--losses' and '--advise' ask for different listings");
    if ((request.material || request.ambientC != kDefaultAmbientC) && !request.losses)
        return UsageError(err, "'--material' and '--ambient' belong to '--losses'");

    // The second write would silently replace the first.
    if (request.saveFile && request.reportFile &&
        SameFileWritten(*request.saveFile, *request.reportFile))
        return UsageError(
            err, Joined({"'--save' and '--report' both write '", *request.reportFile, "'"}));

    DesignRecord record;
    if (request.designFile) {
        const bool standardInput = *request.designFile == kStandardInput;
        const std::string name = standardInput ? "standard input" : *request.designFile;
        const LoadResult loaded = standardInput
                                      ? LoadDesignStream(in, record)
                                      : LoadDesignFile(std::filesystem::path(name), record);
        if (!loaded.opened) {
            PrintError(err, Joined({"cannot open ", name, ": ", loaded.openError}));
            return kExitFileError;
        }
        if (!loaded.Loaded()) {
            PrintError(err, Joined({name, ": ", ReadErrorMessage(loaded.read, name)}));
            return kExitFileError;
        }
    }
    for (const auto& edit : request.edits) {
        if (const auto* core = std::get_if<const CatalogueCore*>(&edit)) {
            ApplyCore(**core, record);
        } else {
            std::string error;
            ApplyAssignment(std::get<Assignment>(edit), record, error);  // checked while parsing
        }
    }

    const DesignRecord designAsTyped = record;
    const DesignResult result = CalculateRecord(record, [err](std::string_view warning) {
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
    if (request.losses) {
        const FerriteMaterial& material =
            request.material ? *request.material : MaterialOfDesign(designAsTyped.m_nMaterial);
        const LossAnalysis analysis = AnalyseLosses(result, material, request.ambientC);
        if (!analysis.judged)
            Print(err,
                  Joined({"toroglav-calc: the losses cannot be judged: ", analysis.reason, "\n"}));
        const LossOptimum optimum = FindLossOptimum(designAsTyped, material, request.ambientC);
        return PrintOutput(out, err, ListLosses(material, request.ambientC, analysis, optimum));
    }
    if (!request.advise) return PrintOutput(out, err, ListRecord(record));

    const Advice advice = AdviseCores(
        designAsTyped,
        AdviceCandidates(request.adviceFamily.value_or(AdviceFamilyOf(designAsTyped.m_nCoreType))),
        request.maxRise, request.rank);
    if (advice.cores.empty())
        Print(err, Joined({"toroglav-calc: no catalogue core carries this design; most often: ",
                           FailedCriterionText(advice.MostFailed()), "\n"}));
    return PrintOutput(out, err, ListAdvice(advice));
}

}  // namespace toroglav::cli
