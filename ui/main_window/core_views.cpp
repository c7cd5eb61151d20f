#include "ui/main_window/core_views.h"

#include <QCoreApplication>

#include "calc/record/option_values.h"

namespace toroglav::ui {

namespace {

constexpr const char* kContext = "CoreView";

constexpr std::array<CoreView, 4> kCoreViews = {{
    {{QT_TRANSLATE_NOOP("CoreView", "R (Кольцо)")},
     u":/core_ring_129.svg",
     {{{"D"}, {"d"}, {"h"}, {""}, {""}, {""}}},
     false,
     false,
     false},
    {{QT_TRANSLATE_NOOP("CoreView", "Е, EI (Ш)")},
     u":/core_e_130.svg",
     {{{"d"}, {"A"}, {"B"}, {"ho"}, {"Hs"}, {"L"}}},
     true,
     true,
     true},
    // The depth of an ETD or ER core equals its round centre leg, so it has no L.
    {{"ETD, ER"},
     u":/core_etd_133.svg",
     {{{"d"}, {"A"}, {"B"}, {"ho"}, {"Hs"}, {""}}},
     true,
     true,
     false},
    // Data-sheet parameters; the units are part of the captions.
    {{QT_TRANSLATE_NOOP("CoreView", "Другой тип")},
     u"",
     {{{QT_TRANSLATE_NOOP("CoreView", "Ae, мм2")},
       {QT_TRANSLATE_NOOP("CoreView", "le, мм")},
       {QT_TRANSLATE_NOOP("CoreView", "So, мм2")},
       {QT_TRANSLATE_NOOP("CoreView", "Ve, см3")},
       {""},
       {""}}},
     true,
     false,
     false},
}};

}  // namespace

QString CoreViewText::toString() const {
    return QCoreApplication::translate(kContext, source);
}

const CoreView* CoreViewFor(std::int32_t coreType) {
    const std::optional<CoreType> type = KnownCoreType(coreType);
    return type ? &kCoreViews[static_cast<std::size_t>(IndexOf(*type))] : nullptr;
}

}  // namespace toroglav::ui
