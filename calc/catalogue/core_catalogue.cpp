#include "calc/catalogue/core_catalogue.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

#include "calc/text/cp1251.h"

namespace toroglav {

namespace {

using F = CoreFamily;
using T = CoreType;
constexpr CatalogueCore kCores[] = {
#include "calc/catalogue/core_catalogue_data.inc"
};
static_assert(std::ranges::is_sorted(kCores, {},
                                     [](const CatalogueCore& core) {
                                         return std::pair(core.type, core.family);
                                     }),
              "the entries of each core type, and in it of each family, stand together");

// No name or alias comes near the length of a compared name.
constexpr bool NamesAreShort() {
    for (const CatalogueCore& core : kCores)
        for (const std::string_view names : {core.name, core.aliases}) {
            std::size_t length = 0;  // of the name at hand, aliases being separated by '|'
            for (const char c : names)
                if (length = c == '|' ? 0 : length + 1; 2 * length >= kComparedNameLength)
                    return false;
        }
    return true;
}
static_assert(NamesAreShort(), "every catalogue name is less than half a compared name long");

constexpr std::array kDimensionFields = {&DesignRecord::m_strDimD,  &DesignRecord::m_strDimd,
                                         &DesignRecord::m_strDimh,  &DesignRecord::m_strDimho,
                                         &DesignRecord::m_strDimHs, &DesignRecord::m_strDimL};

// Cyrillic letters (lower and upper case) that look like the Latin letter after them.
constexpr std::pair<char32_t, char> kLookalikes[] = {
    {U'а', 'a'}, {U'в', 'b'}, {U'е', 'e'}, {U'к', 'k'}, {U'м', 'm'}, {U'н', 'h'},
    {U'о', 'o'}, {U'р', 'p'}, {U'с', 'c'}, {U'т', 't'}, {U'х', 'x'}, {U'А', 'a'},
    {U'В', 'b'}, {U'Е', 'e'}, {U'К', 'k'}, {U'М', 'm'}, {U'Н', 'h'}, {U'О', 'o'},
    {U'Р', 'p'}, {U'С', 'c'}, {U'Т', 't'}, {U'Х', 'x'},
};

bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Lower-case Latin letters, digits and decimal separators; every other character is a blank.
std::string Folded(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t code = NextUtf8CodePoint(utf8, pos);
        char c = ' ';
        if (code >= 'A' && code <= 'Z')
            c = static_cast<char>(code - 'A' + 'a');
        else if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9') || code == '.' ||
                 code == ',')
            c = static_cast<char>(code);
        else if (const auto* look =
                     std::ranges::find(kLookalikes, code, &std::pair<char32_t, char>::first);
                 look != std::end(kLookalikes))
            c = look->second;
        folded.push_back(c);
    }
    return folded;
}

// The form a name is found by: its words (letter runs) and numbers (a decimal point, no
// leading or trailing zeros) separated by single blanks; an "x" between numbers is dropped, and
// a leading "r" reads as "t". scripts/import-cores keeps the catalogue's names distinct in the
// same form.
std::string NormalisedName(std::string_view utf8) {
    const std::string text = Folded(utf8);
    std::string key;
    bool lastWasNumber = false;
    auto append = [&](std::string_view token, bool number) {
        if (!key.empty()) key.push_back(' ');
        key.append(token);
        lastWasNumber = number;
    };
    for (std::size_t i = 0; i < text.size();) {
        if (IsLetter(text[i])) {
            std::size_t end = i;
            while (end < text.size() && IsLetter(text[end])) ++end;
            const std::string_view word(text.data() + i, end - i);
            if (word != "x" || !lastWasNumber) append(word, false);
            i = end;
        } else if (IsDigit(text[i])) {
            std::size_t end = i;
            while (end < text.size() && IsDigit(text[end])) ++end;
            std::string_view whole(text.data() + i, end - i);
            whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
            std::string number(whole.empty() ? "0" : whole);
            if (end + 1 < text.size() && (text[end] == '.' || text[end] == ',') &&
                IsDigit(text[end + 1])) {
                std::size_t fractionEnd = end + 1;
                while (fractionEnd < text.size() && IsDigit(text[fractionEnd])) ++fractionEnd;
                std::string_view fraction(text.data() + end + 1, fractionEnd - end - 1);
                fraction = fraction.substr(0, fraction.find_last_not_of('0') + 1);
                if (!fraction.empty()) number.append(".").append(fraction);
                end = fractionEnd;
            }
            append(number, true);
            i = end;
        } else {
            ++i;
        }
    }
    if (key == "r" || key.starts_with("r ")) key[0] = 't';  // R (ring) and T (toroid) alike
    return key;
}

// The normalised names of every entry, made when a name is first looked up.
struct NameIndex {
    std::vector<std::vector<std::string>> keysOfEntry;        // name first, then the aliases
    std::vector<std::pair<std::string, std::size_t>> sorted;  // key, entry position

    NameIndex() {
        keysOfEntry.reserve(std::size(kCores));
        for (std::size_t i = 0; i < std::size(kCores); ++i) {
            std::vector<std::string>& keys = keysOfEntry.emplace_back();
            keys.push_back(NormalisedName(kCores[i].name));
            for (std::string_view alias : kCores[i].aliasList())
                keys.push_back(NormalisedName(alias));
            for (const std::string& key : keys) sorted.emplace_back(key, i);
        }
        std::ranges::sort(sorted);
    }
};

const NameIndex& Index() {
    static const NameIndex index;
    return index;
}

// The form of a typed name that is compared with the catalogue's: normalised, and cut to its
// first characters, which bounds the work for a name of any length.
std::string ComparedName(std::string_view utf8) {
    std::string key = NormalisedName(utf8);
    key.resize(std::min(key.size(), kComparedNameLength));
    return key;
}

// Insertions, deletions and replacements that turn `a` into `b`.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, replaced});
        }
    }
    return row[b.size()];
}

// Whether `filter` stands in `key` at the start of a word.
bool BeginsAWord(std::string_view key, std::string_view filter) {
    for (std::size_t at = key.find(filter); at != std::string_view::npos;
         at = key.find(filter, at + 1))
        if (at == 0 || key[at - 1] == ' ') return true;
    return false;
}

}  // namespace

std::string_view FamilyName(CoreFamily family) {
    switch (family) {
        case F::Ring:
            return "R";
        case F::E:
            return "E";
        case F::PlanarE:
            return "E планарный";
        case F::Etd:
            return "ETD";
        case F::Er:
            return "ER";
        case F::PlanarEr:
            return "ER планарный";
        case F::Eq:
            return "EQ";
        case F::Ec:
            return "EC";
        case F::Efd:
            return "EFD";
        case F::PlanarEl:
            return "EL планарный";
        case F::Ep:
            return "EP";
        case F::Epx:
            return "EPX";
        case F::Lp:
            return "LP";
        case F::P:
            return "P";
        case F::Pm:
            return "PM";
        case F::Pq:
            return "PQ";
        case F::Pqi:
            return "PQI";
        case F::Rm:
            return "RM";
        case F::U:
            return "U";
        case F::Ui:
            return "UI";
        case F::Ur:
            return "UR";
        case F::Ut:
            return "UT";
        case F::C:
            return "C";
    }
    return {};
}

std::vector<std::string_view> CatalogueCore::aliasList() const {
    std::vector<std::string_view> list;
    for (std::string_view rest = aliases; !rest.empty();) {
        const std::size_t bar = std::min(rest.find('|'), rest.size());
        list.push_back(rest.substr(0, bar));
        rest.remove_prefix(std::min(bar + 1, rest.size()));
    }
    return list;
}

std::span<const CatalogueCore> CatalogueCores() {
    return kCores;
}

std::span<const CatalogueCore> CatalogueCores(CoreType type) {
    // Bounds rather than equal_range, whose subrange clang 14 cannot take with this library.
    const auto* first = std::ranges::lower_bound(kCores, type, {}, &CatalogueCore::type);
    const auto* last = std::ranges::upper_bound(kCores, type, {}, &CatalogueCore::type);
    return {first, last};
}

const CatalogueCore* FindCore(std::string_view name) {
    const auto& sorted = Index().sorted;
    const std::string key = NormalisedName(name);
    const auto found =
        std::ranges::lower_bound(sorted, key, {}, &std::pair<std::string, std::size_t>::first);
    return found != sorted.end() && found->first == key ? &kCores[found->second] : nullptr;
}

std::size_t NameDistance(std::string_view typed, std::string_view name) {
    return EditDistance(ComparedName(typed), NormalisedName(name));
}

std::vector<const CatalogueCore*> ClosestCores(std::string_view name, std::size_t count) {
    const std::string key = ComparedName(name);
    const NameIndex& index = Index();
    std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, entry position
    ranked.reserve(index.keysOfEntry.size());
    for (std::size_t i = 0; i < index.keysOfEntry.size(); ++i) {
        std::size_t best = std::string::npos;
        for (const std::string& entryKey : index.keysOfEntry[i])
            best = std::min(best, EditDistance(key, entryKey));
        ranked.emplace_back(best, i);
    }
    count = std::min(count, ranked.size());
    std::ranges::partial_sort(ranked, ranked.begin() + static_cast<std::ptrdiff_t>(count));
    std::vector<const CatalogueCore*> closest;
    for (std::size_t i = 0; i < count; ++i) closest.push_back(&kCores[ranked[i].second]);
    return closest;
}

std::vector<const CatalogueCore*> CoresMatching(std::string_view filter) {
    const std::string key = NormalisedName(filter);
    const NameIndex& index = Index();
    std::vector<const CatalogueCore*> matching;
    for (std::size_t i = 0; i < index.keysOfEntry.size(); ++i)
        if (std::ranges::any_of(index.keysOfEntry[i], [&](const std::string& entryKey) {
                return BeginsAWord(entryKey, key);
            }))
            matching.push_back(&kCores[i]);
    return matching;
}

void ApplyCore(const CatalogueCore& core, DesignRecord& record) {
    record.m_nCoreType = core.coreType();
    for (std::size_t i = 0; i < kDimensionFields.size(); ++i)
        if (!core.dimensions[i].empty()) record.*kDimensionFields[i] = core.dimensions[i];
}

}  // namespace toroglav
