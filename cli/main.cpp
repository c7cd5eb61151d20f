#include <string_view>
#include <vector>

#include "cli/calculator_cli.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return toroglav::cli::Run(args, stdin, stdout, stderr);
}
