#pragma once
// The file name both save dialogs offer: the core, the frequency, the maximum supply and the
// outputs of the design, as "Расчёт кольца 40x25x11, 32кГц, 340В, 17Вх10А".

#include <string_view>

#include "calc/record/design_record.h"
#include "calc/text/cp1251.h"

namespace toroglav {

// The words of the name, cp1251; the window passes those of its language.
struct FileNameWords {
    std::string_view ring = Cp1251<"Расчёт кольца ">;
    std::string_view eCore = Cp1251<"Расчёт Е(Ш) ">;
    std::string_view etdCore = Cp1251<"Расчёт ETD ">;
    std::string_view kilohertz = Cp1251<"кГц, ">;
    std::string_view volts = Cp1251<"В, ">;
    std::string_view voltsBy = Cp1251<"Вх">;  // between an output's voltage and its current
    std::string_view amperes = Cp1251<"А">;
};

// Built from the members as they stand, every text unchanged; cp1251, no extension.
Text BuildDefaultFileName(const DesignRecord& record, const FileNameWords& words = {});

// The same name made usable as a file name: '/' and NUL, which no file name can hold, become '_'.
Text FileNameFromText(Text name);

}  // namespace toroglav
