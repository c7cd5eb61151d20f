#pragma once
// What the core group shows for each core type: the drawing, the captions of the six dimension
// labels and which of the three second-row fields are in use. The calculation reads the six
// fields by position; these captions say what each position means for the chosen core.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace toroglav::ui {

// A text of the core group as written, in Russian (UTF-8); toString() gives it in the installed
// language. The Latin symbols of the dimensions are the same in every language.
struct CoreViewText {
    const char* source;
    QString toString() const;
};

struct CoreView {
    // The core type's name, as its radio and the adviser's list show it.
    CoreViewText name;
    // Resource path of the drawing; empty for a core given by its magnetic parameters.
    QStringView picture;
    // Captions in the order labels are renamed: first row over D, d, h (1063, 1064, 1065), then
    // the label over ho (1067), over Hs (1104) and over L (1106).
    std::array<CoreViewText, 6> captions;
    bool showDimho = false;  // edit 1008
    bool showDimHs = false;  // edit 1103
    bool showDimL = false;   // edit 1105
};

// The view of core type 0 ring, 1 E/EI, 2 ETD/ER or 3 other; nullptr for any other value.
const CoreView* CoreViewFor(std::int32_t coreType);

}  // namespace toroglav::ui
