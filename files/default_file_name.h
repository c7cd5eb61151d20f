#pragma once
// The file name both save dialogs offer: the core, the frequency, the maximum supply and the
// outputs of the design, as "Расчёт кольца 40x25x11, 32кГц, 340В, 17Вх10А".

#include "calc/record/design_record.h"

namespace toroglav {

// Built from the members as they stand, every text unchanged; cp1251, no extension.
Text BuildDefaultFileName(const DesignRecord& record);

// The same name made usable as a file name: '/' and NUL, which no file name can hold, become '_'.
Text FileNameFromText(Text name);

}  // namespace toroglav
