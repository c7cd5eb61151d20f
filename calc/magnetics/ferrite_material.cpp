#include "calc/magnetics/ferrite_material.h"

#include <algorithm>

namespace toroglav {

namespace {

#include "calc/magnetics/ferrite_material_data.inc"

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::span<const FerriteMaterial> FerriteMaterials() {
    return kMaterials;
}

const FerriteMaterial* FindFerriteMaterial(std::string_view name) {
    const auto same = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
    const auto found = std::ranges::find_if(kMaterials, [&](const FerriteMaterial& m) {
        return std::ranges::equal(m.name, name, same);
    });
    return found == std::end(kMaterials) ? nullptr : &*found;
}

}  // namespace toroglav
