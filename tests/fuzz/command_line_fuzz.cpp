// Any bytes as the --set assignments of toroglav-calc (split at NUL bytes, as a shell hands over
// arguments). An assignment either is refused with a reason, and the run is a usage error with
// no listing, or stores exactly what it says; a run of accepted ones lists the calculated record
// with every member readable back from its one line.
// Bytes that begin with the argument --loss-density or --list-materials are that command's
// arguments as they stand: it prints its three lines (or the list), or refuses in one line.
// Bytes that begin with --winding are its options (with --core and --set, each taking the next
// argument; anything else is dropped, so no file is read or written): the plan prints its
// NAME=VALUE lines, fitting only within its depth, or refuses in one line; --list-bobbins prints
// four tab-separated fields a line. Bytes that begin with --thermal are its options in the same
// way: three figures, a rise not below 0, or one line of refusal.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/design/calculation.h"
#include "calc/text/cp1251.h"
#include "cli/calculator_cli.h"
#include "cli/member_assignment.h"
#include "cli/record_listing.h"
#include "fuzz_check.h"
#include "listing_check.h"

using namespace toroglav;

namespace {

// The member an accepted assignment set holds its value: the text in cp1251, the option as the
// whole number written.
void CheckStored(const cli::Assignment& assignment, const DesignRecord& record) {
    const std::string text = Utf8ToCp1251(assignment.value);
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            const int at = assignment.element;
            if constexpr (std::is_same_v<Member, Text DesignRecord::*>) {
                fuzz::Require(record.*member == text, "a text assignment stores its text");
            } else if constexpr (std::is_same_v<Member, OutputTexts DesignRecord::*>) {
                fuzz::Require((record.*member)[at] == text, "an output's text stores its text");
            } else if constexpr (std::is_same_v<Member, std::int32_t DesignRecord::*>) {
                fuzz::Require(std::atoi(assignment.value.c_str()) == record.*member,
                              "an option assignment stores its number");
            } else if constexpr (std::is_same_v<Member, std::array<std::int32_t, kOutputCount>
                                                            DesignRecord::*>) {
                fuzz::Require(std::atoi(assignment.value.c_str()) == (record.*member)[at],
                              "an output's option stores its number");
            } else {
                fuzz::Require(false, "a working number is never assigned");
            }
        },
        assignment.field->member);
}

struct Captured {
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&data, &size);
    std::string Close() {
        std::fclose(stream);
        std::string text(data, size);
        std::free(data);
        return text;
    }
};

// The number after `key` on its line of `text`, with a decimal point and six significant
// digits; NaN when the line is not there or not such a number.
double PrintedNumber(std::string_view text, std::string_view key) {
    std::size_t start = text.find(key);
    if (start == std::string_view::npos) return NAN;
    start += key.size();
    const std::string_view number = text.substr(start, text.find('\n', start) - start);
    double value = NAN;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    const std::size_t digits =
        std::count_if(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    const bool decimal = number.find('.') != std::string_view::npos && digits >= 6;
    return error == std::errc{} && end == number.data() + number.size() && decimal ? value : NAN;
}

void CheckMaterialCommand(const std::vector<std::string_view>& args) {
    Captured out, err;
    const int exitCode = cli::Run(args, nullptr, out.stream, err.stream);
    const std::string printed = out.Close();
    const std::string error = err.Close();
    if (exitCode == cli::kExitUsage) {
        fuzz::Require(printed.empty(), "a refused command prints nothing");
        fuzz::Require(error.starts_with("toroglav-calc: ") && error.find('\n') == error.size() - 1,
                      "a refused command says why in one line");
        return;
    }
    fuzz::Require(exitCode == cli::kExitOk && error.empty(),
                  "an accepted command says nothing else");
    if (args.front() == "--list-materials") {
        fuzz::Require(std::count(printed.begin(), printed.end(), '\n') == 8, "eight materials");
        return;
    }
    fuzz::Require(std::count(printed.begin(), printed.end(), '\n') == 3, "three lines");
    const double loss = PrintedNumber(printed, "loss_density_kW_m3=");
    const double saturation = PrintedNumber(printed, "\nsaturation_T=");
    fuzz::Require(std::isfinite(loss) && loss >= 0, "a loss density that is a number");
    // Above 100 C it falls on towards 0.
    fuzz::Require(saturation >= 0 && saturation <= 0.6, "a saturation flux of a ferrite");
    fuzz::Require(
        printed.ends_with("\noutside_data=0\n") || printed.ends_with("\noutside_data=1\n"),
        "the flag is 0 or 1");
}

// The arguments of a --winding or --thermal input: its options and the design's edits, nothing
// that names a file.
std::vector<std::string_view> OptionArguments(const std::vector<std::string_view>& chunks,
                                              std::span<const std::string_view> withValue,
                                              std::span<const std::string_view> flags) {
    std::vector<std::string_view> args;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (std::ranges::find(flags, chunks[i]) != flags.end()) {
            args.push_back(chunks[i]);
        } else if (std::ranges::find(withValue, chunks[i]) != withValue.end()) {
            args.push_back(chunks[i]);
            if (i + 1 < chunks.size()) args.push_back(chunks[++i]);
        }
    }
    return args;
}

void CheckWindingCommand(const std::vector<std::string_view>& args) {
    Captured out, err;
    const int exitCode = cli::Run(args, nullptr, out.stream, err.stream);
    const std::string printed = out.Close();
    const std::string error = err.Close();
    if (exitCode == cli::kExitUsage) {
        fuzz::Require(printed.empty(), "a refused plan prints nothing");
        fuzz::Require(error.starts_with("toroglav-calc: ") && error.find('\n') == error.size() - 1,
                      "a refused plan says why in one line");
        return;
    }
    fuzz::Require(exitCode == cli::kExitOk, "a plan is printed");
    if (args.front() == "--list-bobbins") {
        for (std::size_t start = 0; start < printed.size();) {
            const std::size_t end = printed.find('\n', start);
            const std::string_view line(printed.data() + start, end - start);
            fuzz::Require(std::count(line.begin(), line.end(), '\t') == 3, "four fields a line");
            start = end + 1;
        }
        return;
    }
    fuzz::Require(printed.starts_with("bobbin="), "the plan starts with its bobbin");
    const bool fits = printed.find("\nfits=1\n") != std::string::npos;
    fuzz::Require(fits || printed.find("\nfits=0\n") != std::string::npos, "fits is 0 or 1");
    for (std::size_t start = 0; start < printed.size();) {
        const std::size_t end = printed.find('\n', start);
        const std::string_view line(printed.data() + start, end - start);
        const std::size_t equals = line.find('=');
        fuzz::Require(equals != std::string_view::npos, "NAME=VALUE lines");
        const std::string_view name = line.substr(0, equals), value = line.substr(equals + 1);
        if (name != "bobbin" && name != "order") {
            double number = NAN;
            const auto [at, bad] =
                std::from_chars(value.data(), value.data() + value.size(), number);
            fuzz::Require(bad == std::errc{} && at == value.data() + value.size(),
                          "every figure is a number");
            fuzz::Require(std::isfinite(number) || !fits, "a plan that fits has every figure");
        }
        start = end + 1;
    }
    if (fits)
        fuzz::Require(
            PrintedNumber(printed, "\nbuild_mm=") <= PrintedNumber(printed, "\nwindow_depth_mm="),
            "a plan that fits is within the depth");
}

void CheckThermalCommand(const std::vector<std::string_view>& args) {
    Captured out, err;
    const int exitCode = cli::Run(args, nullptr, out.stream, err.stream);
    const std::string printed = out.Close();
    const std::string error = err.Close();
    if (exitCode == cli::kExitUsage) {
        fuzz::Require(printed.empty(), "a refused --thermal prints nothing");
        fuzz::Require(error.starts_with("toroglav-calc: ") && error.find('\n') == error.size() - 1,
                      "a refused --thermal says why in one line");
        return;
    }
    fuzz::Require(exitCode == cli::kExitOk, "the figures are printed");
    fuzz::Require(printed.starts_with("surface_cm2=") &&
                      std::count(printed.begin(), printed.end(), '\n') == 3,
                  "three lines");
    // Six significant digits at most ("5.6713"), or nan where no balance is found.
    const auto figure = [&printed](std::string_view key) {
        std::size_t start = printed.find(key);
        if (start == std::string::npos) return -1.0;
        start += key.size();
        const std::string_view text(printed.data() + start, printed.find('\n', start) - start);
        double value = -1;
        const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), value);
        return failed == std::errc{} && end == text.data() + text.size() ? value : -1.0;
    };
    fuzz::Require(
        !(figure("\ntemperature_rise_K=") < 0) && !(figure("\nthermal_resistance_K_W=") < 0),
        "a rise and a thermal resistance not below 0, or nan");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> chunks;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        chunks.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    if (chunks.front() == "--loss-density" || chunks.front() == "--list-materials") {
        CheckMaterialCommand(chunks);
        return 0;
    }
    if (chunks.front() == "--winding") {
        static constexpr std::string_view kWithValue[] = {
            "--bobbin", "--wire-grade", "--tape-layers", "--margin", "--core", "--set"};
        static constexpr std::string_view kFlags[] = {"--winding", "--interleave",
                                                      "--triple-insulated"};
        CheckWindingCommand(OptionArguments(chunks, kWithValue, kFlags));
        return 0;
    }
    if (chunks.front() == "--thermal") {
        static constexpr std::string_view kWithValue[] = {"--dissipation", "--ambient",
                                                          "--air-speed", "--core", "--set"};
        static constexpr std::string_view kFlags[] = {"--thermal"};
        CheckThermalCommand(OptionArguments(chunks, kWithValue, kFlags));
        return 0;
    }
    if (chunks.front() == "--list-bobbins") {
        CheckWindingCommand(
            {chunks.begin(), chunks.begin() + std::min<std::size_t>(2, chunks.size())});
        return 0;
    }
    std::vector<std::string_view> args;
    for (const std::string_view chunk : chunks) {
        args.push_back("--set");
        args.push_back(chunk);
    }

    DesignRecord expected;
    bool accepted = true;
    for (std::size_t i = 1; i < args.size() && accepted; i += 2) {
        cli::Assignment assignment;
        std::string error;
        accepted = cli::ParseAssignment(args[i], assignment, error) &&
                   cli::ApplyAssignment(assignment, expected, error);
        if (accepted)
            CheckStored(assignment, expected);
        else
            fuzz::Require(!error.empty(), "a refused assignment says why");
    }

    Captured out, err;
    const int exitCode = cli::Run(args, nullptr, out.stream, err.stream);
    const std::string listing = out.Close();
    err.Close();
    if (!accepted) {
        fuzz::Require(exitCode == cli::kExitUsage, "a refused assignment is a usage error");
        fuzz::Require(listing.empty(), "a usage error lists nothing");
        return 0;
    }
    fuzz::Require(exitCode == cli::kExitOk, "accepted assignments calculate");
    CalculateRecord(expected, [](std::string_view) {});
    fuzz::Require(listing == cli::ListRecord(expected), "the run lists the record it calculated");
    fuzz::CheckListing(listing, expected);
    return 0;
}
