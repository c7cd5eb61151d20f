#pragma once
// The hints of the main window: the program's engineering advice on its inputs, options and
// buttons, in the order they are registered.

#include <QString>
#include <span>

namespace toroglav::ui {

// A hint as written, in Russian (UTF-8); toString() gives it in the installed language.
struct HintText {
    const char* source;
    QString toString() const;
};

struct FieldHint {
    int id;  // control identifier (control_ids.h)
    HintText text;
};

// The 28 controls with a hint, the last the buttons of the loss and the winding windows. The
// other controls (the converter radios, the dimensions, the supply and output edits but the first
// output's minimum current and diode drop, Rds(on), the ring, ETD and DC radios, every result)
// show none.
std::span<const FieldHint> FieldHints();

// Shown over the rectifier grid's own surface, not over its radios.
extern const HintText kRectifierBandHint;
// The hints of the catalogue's and the adviser's buttons, which name the buttons for screen
// readers too.
extern const HintText kPickCoreHint;
extern const HintText kAdviseCoreHint;

}  // namespace toroglav::ui
