#pragma once
// Runs the command-line calculator in-process and captures what it prints.

#include <gtest/gtest.h>

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

// `in` is what "-" reads; `out`, when given, takes the listing in place of `result.out`.
inline CliResult RunCli(const std::vector<std::string>& args, std::FILE* in = stdin,
                        std::FILE* out = nullptr) {
    CliResult result;
    char* outData = nullptr;
    char* errData = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* captured = open_memstream(&outData, &outSize);
    std::FILE* err = open_memstream(&errData, &errSize);
    const std::vector<std::string_view> views(args.begin(), args.end());
    result.exitCode = Run(views, in, out ? out : captured, err);
    std::fclose(captured);
    std::fclose(err);
    result.out.assign(outData, outSize);
    result.err.assign(errData, errSize);
    std::free(outData);
    std::free(errData);
    return result;
}

// An option refused as bad usage: exit 2, nothing printed, one line that says `says`. The test
// is in winding_command_test.cpp; each command's file instantiates it with its own cases.
struct RefusedCase {
    const char* name;
    std::vector<std::string> args;
    const char* says;
};

class RefusedInOneLineTest : public testing::TestWithParam<RefusedCase> {};

}  // namespace toroglav::cli
