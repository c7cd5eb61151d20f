#include "ui/services/platform_file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace toroglav::ui {

QString PlatformFileDialogs::ChooseFile(QWidget* owner, const FileChoice& choice) {
    QFileDialog dialog(owner, choice.title, lastFolder_);
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(choice.nameFilters);
    if (!choice.initialName.isEmpty()) dialog.selectFile(choice.initialName);
    // Room for the long names the program offers; the dialog's own size cuts them.
    if (owner) dialog.resize(dialog.sizeHint().expandedTo(owner->size() * 3 / 4));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

}  // namespace toroglav::ui
