#pragma once
// The program speaks Russian whatever the system's language, so Qt's own texts (the buttons and
// labels of the file dialogs, the context menu of an edit) are taken in Russian too.

class QCoreApplication;

namespace toroglav::ui {

// Installs Qt's Russian translations into `application`, when the system has them.
void InstallQtTranslations(QCoreApplication& application);

}  // namespace toroglav::ui
