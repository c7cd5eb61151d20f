#pragma once
// The command-line calculator: toroglav-calc [DESIGN.sav] [--core NAME | --set NAME=TEXT]...
// [--save FILE.sav] [--report FILE.txt], or toroglav-calc --list-cores [FILTER].
// Starts from the defaults (or a design file), applies the catalogue cores and the --set
// assignments in order, runs the calculation and prints every member of the record as NAME=TEXT
// in UTF-8.

#include <cstdio>
#include <span>
#include <string_view>

namespace toroglav::cli {

enum ExitCode { kExitOk = 0, kExitFileError = 1, kExitUsage = 2 };

// Runs the calculator on `args` (without the program name), printing the record to `out` and
// warnings and errors to `err`.
int Run(std::span<const std::string_view> args, std::FILE* out, std::FILE* err);

}  // namespace toroglav::cli
