#pragma once
// The Russian words the calculation writes into the record (cp1251): the units and the mark among
// the result texts, the warnings, and the words of the file name offered for a design. The record
// keeps them as they are, since the files and the text report carry them; the window shows them in
// its language and takes the results back as the record has them.

#include <QString>
#include <string_view>

#include "calc/record/design_record.h"

namespace toroglav::ui {

// A result text as the window shows it: a record word that ends it, translated.
QString ShownResult(std::string_view text);
// A shown result as the record has it; ShownResult undone.
Text RecordedResult(const QString& shown);
// A warning of the calculation as the window shows it.
QString ShownWarning(std::string_view warning);
// The file name the save dialogs offer for `record` (cp1251), in the window's language.
Text ShownDefaultFileName(const DesignRecord& record);

}  // namespace toroglav::ui
