#pragma once
// Runs the command-line calculator in-process and captures what it prints.

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calculator_cli.h"

namespace toroglav::cli {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
    CliResult result;
    char* outData = nullptr;
    char* errData = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* out = open_memstream(&outData, &outSize);
    std::FILE* err = open_memstream(&errData, &errSize);
    const std::vector<std::string_view> views(args.begin(), args.end());
    result.exitCode = Run(views, out, err);
    std::fclose(out);
    std::fclose(err);
    result.out.assign(outData, outSize);
    result.err.assign(errData, errSize);
    std::free(outData);
    std::free(errData);
    return result;
}

}  // namespace toroglav::cli
