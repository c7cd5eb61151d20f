#pragma once
// The program's file dialog service.

#include <QString>

#include "ui/services/file_dialog_service.h"

namespace toroglav::ui {

// Modal file dialogs owned by the window. An existing file is replaced without a prompt, and
// each dialog opens in the folder the previous one ended in; the working directory is never
// changed.
class PlatformFileDialogs : public FileDialogService {
public:
    QString ChooseFile(QWidget* owner, const FileChoice& choice) override;

private:
    QString lastFolder_;
};

}  // namespace toroglav::ui
