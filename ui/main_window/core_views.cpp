#include "ui/main_window/core_views.h"

#include "calc/record/option_values.h"

namespace toroglav::ui {

namespace {

constexpr std::array<CoreView, 4> kCoreViews = {{
    {u"R (Кольцо)", u":/core_ring_129.svg", {u"D", u"d", u"h", u"", u"", u""}, false, false, false},
    {u"Е, EI (Ш)", u":/core_e_130.svg", {u"d", u"A", u"B", u"ho", u"Hs", u"L"}, true, true, true},
    // The depth of an ETD or ER core equals its round centre leg, so it has no L.
    {u"ETD, ER", u":/core_etd_133.svg", {u"d", u"A", u"B", u"ho", u"Hs", u""}, true, true, false},
    // Data-sheet parameters; the units are part of the captions.
    {u"Другой тип",
     u"",
     {u"Ae, мм2", u"le, мм", u"So, мм2", u"Ve, см3", u"", u""},
     true,
     false,
     false},
}};

}  // namespace

const CoreView* CoreViewFor(std::int32_t coreType) {
    const std::optional<CoreType> type = KnownCoreType(coreType);
    return type ? &kCoreViews[static_cast<std::size_t>(IndexOf(*type))] : nullptr;
}

}  // namespace toroglav::ui
