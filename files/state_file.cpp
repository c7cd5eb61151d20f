#include "files/state_file.h"

namespace toroglav {

std::filesystem::path PathFromCp1251(std::string_view name) {
    return std::filesystem::path(Cp1251ToUtf8(name));
}

std::filesystem::path StateFilePathIn(const std::filesystem::path& folder) {
    return folder / PathFromCp1251(kStateFileName);
}

std::filesystem::path StateFilePathHere() {
    std::error_code error;
    return StateFilePathIn(std::filesystem::current_path(error));
}

}  // namespace toroglav
