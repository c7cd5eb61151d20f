// The file commands of the main window: save and load a design, the state file kept between
// runs, and the text report. Every write replaces its file only once it has fully succeeded,
// and every failure is said in a message box naming the file.

#include <QString>

#include "files/default_file_name.h"
#include "files/design_file_path.h"
#include "files/text_report.h"
#include "ui/main_window/toroglav_dlg.h"
#include "ui/services/qstring_cp1251.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

QString DisplayPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

Text CToroglavDlg::BuildDefaultFileName() const {
    return toroglav::BuildDefaultFileName(m_record);
}

std::filesystem::path CToroglavDlg::ChooseFile(const FileChoice& choice, const QString& extension) {
    QString chosen = m_fileDialogs->ChooseFile(this, choice);
    if (chosen.isEmpty()) return {};
    if (!extension.isEmpty()) chosen = WithExtension(chosen, extension);
    return std::filesystem::path(chosen.toStdString());  // file names are UTF-8
}

// Both save dialogs offer the design's default name and complete it with their extension.
std::filesystem::path CToroglavDlg::ChooseSaveFile(const QString& extension) {
    const QString filter = u"Файлы Тороглав *.%1 (*.%1)"_s.arg(extension);
    const QString name = QStringFromCp1251(FileNameFromText(BuildDefaultFileName()));
    return ChooseFile({.title = u"Сохранить как . . ."_s,
                       .nameFilters = {filter},
                       .initialName = name,
                       .save = true},
                      extension);
}

void CToroglavDlg::ShowReadError(ReadStatus status) {
    m_messages->ShowError(this, QString::fromStdString(ReadErrorMessage(status)));
}

void CToroglavDlg::ShowFileError(const QString& what, const std::filesystem::path& path,
                                 const std::string& reason) {
    m_messages->ShowError(
        this, u"%1 «%2»:\n%3."_s.arg(what, DisplayPath(path), QString::fromStdString(reason)));
}

void CToroglavDlg::OnSaveDesign() {
    UpdateData(true);
    const auto path = ChooseSaveFile(u"sav"_s);
    if (path.empty()) return;
    if (const FileWriteResult saved = SaveDesignFile(path, m_record); !saved.ok)
        ShowFileError(u"Не удалось сохранить файл"_s, path, saved.error);
}

void CToroglavDlg::OnLoadDesign() {
    // "*.*" stands for every file, with or without a point in its name.
    const auto path = ChooseFile({.title = u"Открыть файл сохранённого расчета"_s,
                                  .nameFilters = {u"Файлы Тороглав *.sav (*.sav)"_s, u"*.* (*)"_s},
                                  .initialName = {},
                                  .save = false});
    if (path.empty()) return;
    const LoadResult loaded = LoadDesignFile(path, m_record);
    if (!loaded.opened) return ShowFileError(u"Не удалось открыть файл"_s, path, loaded.openError);
    // A damaged file changes nothing: the record takes a file only when it was read whole.
    if (!loaded.Loaded()) return ShowReadError(loaded.read);
    ApplyLoadedDesign();
}

void CToroglavDlg::ApplyLoadedDesign() {
    UpdateData(false);
    ApplyFieldEnables();
    OnCalculate();
    update(m_rectPicture);  // the picture, the labels and the fields follow the core type
}

void CToroglavDlg::OnSaveReport() {
    OnCalculate();
    UpdateData(true);
    const auto path = ChooseSaveFile(u"txt"_s);
    if (path.empty()) return;
    m_record.m_strInductionRange = ReportInductionText(m_record);
    if (const FileWriteResult saved = SaveTextReport(path, m_record); !saved.ok)
        ShowFileError(u"Не удалось сохранить отчёт"_s, path, saved.error);
}

void CToroglavDlg::OnExit() {
    UpdateData(true);
    if (const FileWriteResult saved = SaveDesignFile(m_stateFile, m_record); !saved.ok)
        ShowFileError(u"Не удалось сохранить введённые данные в файл"_s, m_stateFile, saved.error);
    QDialog::reject();  // the window closes whether or not the state was kept
}

void CToroglavDlg::RestoreState() {
    // A state file that cannot be opened (usually: there is none yet) leaves the defaults; one
    // that fails to read changes nothing and says why. Either way the window opens calculated.
    const LoadResult loaded = LoadDesignFile(m_stateFile, m_record);
    if (loaded.opened && !loaded.Loaded()) ShowReadError(loaded.read);
    ApplyFieldEnables();
    UpdateData(false);
    OnCalculate();
}

}  // namespace toroglav::ui
