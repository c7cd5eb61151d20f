#pragma once
// The hints of the main window: the program's engineering advice on its inputs, options and
// buttons, in the order they are registered.

#include <QStringView>
#include <span>

namespace toroglav::ui {

struct FieldHint {
    int id;  // control identifier (control_ids.h)
    QStringView text;
};

// The 27 controls with a hint, the last the loss window's button. The other controls (the converter
// radios, the dimensions, the supply and output edits but the first output's minimum current and
// diode drop, Rds(on), the ring, ETD and DC radios, every result) show none.
std::span<const FieldHint> FieldHints();

// Shown over the rectifier grid's own surface, not over its radios.
inline constexpr QStringView kRectifierBandHint = u"Схемы выпрямления смотри в меню";

}  // namespace toroglav::ui
