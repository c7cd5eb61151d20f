#pragma once
// The parts of the main form, each built by its own file.

class QGroupBox;
class QLayout;

namespace toroglav::ui {

class FormBuilder;

QGroupBox* BuildConverterGroup(FormBuilder& build);  // "Схема преобразователя"
QGroupBox* BuildInputGroup(FormBuilder& build);  // "Исходные данные" with the outputs
QGroupBox* BuildCoreGroup(FormBuilder& build);  // "Магнитопровод" with the picture area
QGroupBox* BuildResultsGroup(FormBuilder& build);  // "Результаты расчета"
QLayout* BuildCommandButtons(FormBuilder& build);  // the row of buttons at the bottom

}  // namespace toroglav::ui
