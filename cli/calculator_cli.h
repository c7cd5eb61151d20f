#pragma once
// The command-line calculator: toroglav-calc [DESIGN.sav | -] [--core NAME | --set NAME=TEXT]...
// [--save FILE.sav] [--report FILE.txt], or toroglav-calc --list-cores [FILTER], or the ferrite
// commands --list-materials and --loss-density (material_command.h).
// Starts from the defaults (or a design file, "-" for standard input), applies the catalogue
// cores and the --set assignments in order, runs the calculation and prints every member of the
// record as NAME=TEXT in UTF-8, one member a line.

#include <cstdio>
#include <span>
#include <string_view>

#include "cli/output.h"

namespace toroglav::cli {

// Runs the calculator on `args` (without the program name): the design file "-" is read from
// `in`, the record is printed to `out`, warnings and errors go to `err`. A listing that could not
// be written in full is exit 1, like any other file that could not be written.
int Run(std::span<const std::string_view> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace toroglav::cli
