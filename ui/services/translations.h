#pragma once
// The window speaks Russian, the language its texts are written in, or English. It follows the
// system's language (Russian for Russian, English for any other) unless the user chose one in the
// "Язык / Language" menu; the choice is kept in the user's settings, apart from the state file,
// whose format is the design file's.
//
// Only English loads a translator of the program's texts (translations/toroglav_en.ts, compiled
// into this library); Russian shows the texts as written. Qt's own texts (the file dialogs, the
// context menu of an edit) follow, from Qt's translation for the language.

#include <optional>

class QCoreApplication;

namespace toroglav::ui {

enum class Language { Russian, English };

// The system's language as Qt reads it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
Language SystemLanguage();
// The language chosen in the menu, or nullopt while the window follows the system's.
std::optional<Language> ChosenLanguage();
// Keeps the choice for the next start; nullopt follows the system's language again.
void ChooseLanguage(std::optional<Language> language);
// The chosen language, else the system's.
Language WindowLanguage();

// Installs into `application` the translators of WindowLanguage(), in place of those it installed
// before.
void InstallTranslations(QCoreApplication& application);
// The language the window's texts are in: the one installed last, Russian before any.
Language InstalledLanguage();

}  // namespace toroglav::ui
