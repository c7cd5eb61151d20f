#pragma once
// How the window asks the user for a file name. The program shows the platform's file dialogs
// (PlatformFileDialogs); tests answer with names of their own.

#include <QString>
#include <QStringList>

class QWidget;

namespace toroglav::ui {

struct FileChoice {
    QString title;
    QStringList nameFilters;  // Qt's form: "Файлы Тороглав *.sav (*.sav)"
    QString initialName;      // offered in the name field; empty for none
    bool save = false;        // false: an existing file to open
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The full path chosen, or an empty text when the user cancelled.
    virtual QString ChooseFile(QWidget* owner, const FileChoice& choice) = 0;
};

// `path` with ".<extension>" appended unless it already ends so (in any letter case). Design
// names hold decimal points ("…9.8А"), so whatever follows the last point is not taken for an
// extension.
QString WithExtension(const QString& path, const QString& extension);

}  // namespace toroglav::ui
