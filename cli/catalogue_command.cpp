#include "cli/catalogue_command.h"

#include "calc/catalogue/core_catalogue.h"

namespace toroglav::cli {

std::string ListCores(std::string_view filter) {
    std::string out;
    for (const CatalogueCore* core : CoresMatching(filter)) {
        out += core->name;  // names and dimension texts are ASCII, so also UTF-8
        out += '\t';
        out += std::to_string(core->coreType());
        for (std::string_view dimension : core->dimensions) {
            out += '\t';
            out += dimension;
        }
        out += '\n';
    }
    return out;
}

int RunCatalogue(std::string_view filter, const Streams& streams) {
    return PrintOutput(streams, ListCores(filter));
}

}  // namespace toroglav::cli
