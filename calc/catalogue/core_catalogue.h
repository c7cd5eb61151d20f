#pragma once
// The standard core catalogue: ferrite cores by their standard names, each with its family, its
// core type and the texts of the six dimension fields that describe it. The entries are compiled in
// (core_catalogue_data.inc, which scripts/import-cores generates), so nothing is read or parsed at
// run time.
//
// Names are found the way designers write them: letter case, blanks, "x", "×" and "/" do not
// matter, a decimal comma reads as a point and trailing zeros of a decimal are ignored, "R"
// (ring) and "T" (toroid) name the same cores, and Cyrillic letters that look like Latin ones
// read as those ("Е 32/16/9" typed on a Russian keyboard).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "calc/record/design_record.h"
#include "calc/record/option_values.h"

namespace toroglav {

// The shape families, as the makers name them. A family's shapes mostly share a core type; an E
// or ER core whose letters the fields cannot hold is "Другой тип" like the families after Etd.
enum class CoreFamily : std::uint8_t {
    Ring,
    E,
    PlanarE,
    Etd,
    Er,
    PlanarEr,
    Eq,
    Ec,
    Efd,
    PlanarEl,
    Ep,
    Epx,
    Lp,
    P,
    Pm,
    Pq,
    Pqi,
    Rm,
    U,
    Ui,
    Ur,
    Ut,
    C,
};

// The family's name as the window lists it: "PQ", "E планарный".
std::string_view FamilyName(CoreFamily family);

struct CatalogueCore {
    std::string_view name;     // the standard name, ASCII: "ETD 39/20/13", "T 25/15/10"
    std::string_view aliases;  // other names in use, separated by '|': "ER 42|ER 42/44"
    CoreFamily family;
    // The core type whose fields describe the shape: a ring's, an E core's or an ETD/ER core's
    // letters, or for "Другой тип" the effective parameters Ae, le, So and Ve.
    CoreType type;
    // The texts of m_strDimD, m_strDimd, m_strDimh, m_strDimho, m_strDimHs and m_strDimL, in mm
    // (Ae and So in mm2, Ve in cm3) with a decimal comma; empty for a field that the core type
    // does not read.
    std::array<std::string_view, 6> dimensions;

    // m_nCoreType: 0 for a ring, 1 for an E core, 2 for a round centre leg, 3 for another type.
    std::int32_t coreType() const { return IndexOf(type); }
    std::vector<std::string_view> aliasList() const;
};

// Every entry, by core type and then by family.
std::span<const CatalogueCore> CatalogueCores();
std::span<const CatalogueCore> CatalogueCores(CoreType type);

// The entry with the UTF-8 name `name` as its name or one of its aliases, or nullptr.
const CatalogueCore* FindCore(std::string_view name);

// Of a typed name only this many first characters (in the form names are found by) are compared
// with catalogue names, which are all less than half as long: what a name holds beyond them
// cannot make it one, and comparing it would only take time.
inline constexpr std::size_t kComparedNameLength = 64;

// The typing changes (a character inserted, deleted or replaced) that turn the typed name into
// the catalogue name `name`, both in the form names are found by.
std::size_t NameDistance(std::string_view typed, std::string_view name);

// The `count` entries whose name or alias needs the fewest typing changes to become `name`,
// closest first: what the user may have meant by an unknown name.
std::vector<const CatalogueCore*> ClosestCores(std::string_view name, std::size_t count = 5);

// The entries with a name or alias in which the UTF-8 `filter` begins at a word ("ETD 3" finds
// ETD 34 and ETD 39, "25" every core with a dimension of 25 in its name; an empty filter finds
// every core), in catalogue order.
std::vector<const CatalogueCore*> CoresMatching(std::string_view filter);

// Picks the core for the design, as the window does: sets its core type and its dimension texts.
// A field that the core leaves empty keeps its text, as it does when a core type is clicked.
void ApplyCore(const CatalogueCore& core, DesignRecord& record);

}  // namespace toroglav
