#pragma once
// The text of the "Помощь" message: six numbered notes on using the program, each after a tab.

#include <QString>

namespace toroglav::ui {

QString HelpText();

}  // namespace toroglav::ui
