#pragma once
// What every command of the command line writes: its output, written whole or reported as
// failed, and its errors, one line each.

#include <cstdio>
#include <string>
#include <string_view>

namespace toroglav::cli {

enum ExitCode { kExitOk = 0, kExitFileError = 1, kExitUsage = 2 };

// The three streams a command runs with.
struct Streams {
    std::FILE* in;
    std::FILE* out;
    std::FILE* err;
};

void Print(std::FILE* stream, std::string_view text);

// Writes the whole output and flushes it. A failure (a full disk, a device that refuses) is
// exit 1 with the reason, since a listing cut short must not pass for a complete one.
int PrintOutput(const Streams& streams, std::string_view text);

// "toroglav-calc: MESSAGE" on one line of its own: what it repeats of the user's text (a name, a
// file, an argument) is escaped, so it cannot move the cursor or forge another line.
void PrintError(std::FILE* err, std::string_view message);

// The error, then the usage; exit 2.
int UsageError(std::FILE* err, std::string_view message);

// A figure with a decimal point and six significant digits; one that is not a finite number
// cannot be given: "nan", never "inf".
std::string FigureNumber(double value);

// The usage text that --help prints.
extern const std::string_view kUsage;

}  // namespace toroglav::cli
