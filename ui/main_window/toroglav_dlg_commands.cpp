// The commands of the main window: calculating, the file commands, the core catalogue and
// adviser, the menu windows, and the field rules that answer the user's own edits and clicks.
// Every file write replaces its file only once it has fully succeeded, and every failure is said
// in a message box naming the file.

#include <QLineEdit>
#include <QString>

#include "calc/catalogue/core_catalogue.h"
#include "calc/design/calculation.h"
#include "calc/record/option_values.h"
#include "calc/text/result_format.h"
#include "files/default_file_name.h"
#include "files/design_file_path.h"
#include "files/text_report.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/core_adviser_dialog.h"
#include "ui/dialogs/core_picker_dialog.h"
#include "ui/dialogs/help_text.h"
#include "ui/dialogs/loss_window.h"
#include "ui/dialogs/schemes_dialog.h"
#include "ui/dialogs/winding_window.h"
#include "ui/main_window/control_ids.h"
#include "ui/main_window/record_words.h"
#include "ui/main_window/toroglav_dlg.h"
#include "ui/services/qstring_cp1251.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

QString DisplayPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

void CToroglavDlg::OnCalculate() {
    UpdateData(true);
    m_calculated = CalculateRecord(m_record, [this](std::string_view warning) {
        m_messages->ShowWarning(this, ShownWarning(warning));
    });
    UpdateData(false);
    if (m_windingWindow && m_windingWindow->isVisible()) {
        m_windingWindow->ShowDesign(*m_calculated);
        m_windingOptions = m_windingWindow->options();  // its bobbin follows a new core
    }
    if (m_lossWindow && m_lossWindow->isVisible())
        m_lossWindow->ShowDesign(*m_calculated, m_windingOptions);
}

// Files: the design, the state kept between runs and the text report.

Text CToroglavDlg::BuildDefaultFileName() const {
    return ShownDefaultFileName(m_record);
}

std::filesystem::path CToroglavDlg::ChooseFile(const FileChoice& choice, const QString& extension) {
    QString chosen = m_fileDialogs->ChooseFile(this, choice);
    if (chosen.isEmpty()) return {};
    if (!extension.isEmpty()) chosen = WithExtension(chosen, extension);
    return std::filesystem::path(chosen.toStdString());  // file names are UTF-8
}

// Both save dialogs offer the design's default name and complete it with their extension.
std::filesystem::path CToroglavDlg::ChooseSaveFile(const QString& extension) {
    const QString filter = tr("Файлы Тороглав *.%1 (*.%1)").arg(extension);
    const QString name = QStringFromCp1251(FileNameFromText(BuildDefaultFileName()));
    return ChooseFile({.title = tr("Сохранить как . . ."),
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
        this, tr("%1 «%2»:\n%3.").arg(what, DisplayPath(path), QString::fromStdString(reason)));
}

void CToroglavDlg::OnSaveDesign() {
    UpdateData(true);
    const auto path = ChooseSaveFile(u"sav"_s);
    if (path.empty()) return;
    if (const FileWriteResult saved = SaveDesignFile(path, m_record); !saved.ok)
        ShowFileError(tr("Не удалось сохранить файл"), path, saved.error);
}

void CToroglavDlg::OnLoadDesign() {
    // "*.*" stands for every file, with or without a point in its name.
    const auto path =
        ChooseFile({.title = tr("Открыть файл сохранённого расчета"),
                    .nameFilters = {tr("Файлы Тороглав *.%1 (*.%1)").arg(u"sav"_s), u"*.* (*)"_s},
                    .initialName = {},
                    .save = false});
    if (path.empty()) return;
    const LoadResult loaded = LoadDesignFile(path, m_record);
    if (!loaded.opened) return ShowFileError(tr("Не удалось открыть файл"), path, loaded.openError);
    // A damaged file changes nothing: the record takes a file only when it was read whole.
    if (!loaded.Loaded()) return ShowReadError(loaded.read);
    ApplyLoadedDesign();
}

void CToroglavDlg::ApplyLoadedDesign() {
    UpdateData(false);
    ApplyFieldEnables();
    OnCalculate();
    update(m_rectPicture);  // the picture follows the core type
}

void CToroglavDlg::OnSaveReport() {
    OnCalculate();
    UpdateData(true);
    const auto path = ChooseSaveFile(u"txt"_s);
    if (path.empty()) return;
    m_record.m_strInductionRange = ReportInductionText(m_record);
    if (const FileWriteResult saved = SaveTextReport(path, m_record); !saved.ok)
        ShowFileError(tr("Не удалось сохранить отчёт"), path, saved.error);
}

void CToroglavDlg::OnExit() {
    UpdateData(true);
    if (const FileWriteResult saved = SaveDesignFile(m_stateFile, m_record); !saved.ok)
        ShowFileError(tr("Не удалось сохранить введённые данные в файл"), m_stateFile, saved.error);
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

// The core catalogue and the adviser: a core picked in either sets the core type as its radio
// does, fills the dimension fields and is calculated.

void CToroglavDlg::OnPickCore() {
    CorePickerDialog picker(this);
    if (picker.exec() == QDialog::Accepted && picker.chosen()) ApplyCatalogueCore(*picker.chosen());
}

// The advice is for the design as it stands in the window, typed but not yet calculated.
void CToroglavDlg::OnAdviseCore() {
    UpdateData(true);
    const DesignRecord design = m_record;
    CoreAdviserDialog adviser(design, this);
    if (adviser.exec() == QDialog::Accepted && adviser.chosen())
        ApplyCatalogueCore(*adviser.chosen());
}

void CToroglavDlg::ApplyCatalogueCore(const CatalogueCore& core) {
    UpdateData(true);  // what is typed elsewhere stays
    ApplyCore(core, m_record);
    UpdateData(false);
    SetCoreType(KnownCoreType(m_record.m_nCoreType).value_or(CoreType::Ring));
    OnCalculate();
}

// The losses and heating of the calculated design, in a window beside this one.

void CToroglavDlg::OnShowLosses() {
    if (!m_lossWindow) {
        m_lossWindow = new LossWindow(this);
        connect(m_lossWindow, &LossWindow::optimumApplied, this, &CToroglavDlg::OnApplyOptimum);
    }
    if (!m_calculated) OnCalculate();
    m_lossWindow->ShowDesign(*m_calculated, m_windingOptions);
    m_lossWindow->show();
    m_lossWindow->raise();
    m_lossWindow->activateWindow();
}

// The winding as it is built, in a window beside this one.

void CToroglavDlg::OnShowWinding() {
    if (!m_windingWindow) {
        m_windingWindow = new WindingWindow(this);
        connect(m_windingWindow, &WindingWindow::optionsChanged, this,
                &CToroglavDlg::OnWindingOptionsChanged);
    }
    if (!m_calculated) OnCalculate();
    m_windingWindow->ShowDesign(*m_calculated);
    // What the loss window already takes: the choices kept, or a new core's first bobbin.
    m_windingOptions = m_windingWindow->options();
    m_windingWindow->show();
    m_windingWindow->raise();
    m_windingWindow->activateWindow();
}

// The loss window winds the design as the winding window's choices say, and keeps doing so after
// that window closes: its choices are kept here until the designer changes them.
void CToroglavDlg::OnWindingOptionsChanged(const winding::PlanOptions& options) {
    m_windingOptions = options;
    if (m_lossWindow && m_lossWindow->isVisible()) m_lossWindow->SetWindingOptions(options);
}

void CToroglavDlg::OnApplyOptimum(double inductionMaxT) {
    UpdateData(true);  // what is typed elsewhere stays
    SetFixed(m_record.m_strInductionMax, inductionMaxT, 3);
    UpdateData(false);
    OnCalculate();
}

// The menu windows; none of them reads or changes the design.

void CToroglavDlg::OnShowSchemes() {
    if (!m_dlgSchemes) m_dlgSchemes = std::make_unique<CVypr>(this);
    m_dlgSchemes->exec();
}

void CToroglavDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CToroglavDlg::OnShowHelp() {
    m_messages->ShowInformation(this, tr("Помощь"), HelpText());
}

void CToroglavDlg::OnChooseLanguage(std::optional<Language> language) {
    ChooseLanguage(language);
    if (WindowLanguage() == InstalledLanguage()) return;
    m_languageChanged = true;
    OnExit();  // keeps the inputs in the state file, which the window opened anew reads
}

// The field rules; their record side is in calc/record/field_rules.h.

void CToroglavDlg::ApplyFieldEnables() {
    ApplyControllerEdits(ControllerEditsFor(m_record.m_nController));
    ApplySwitchDropEdits(SwitchDropEditsFor(m_record.m_nSwitchDrop));
}

void CToroglavDlg::ApplyControllerEdits(ControllerEdits edits) {
    m_editDutyMax->setEnabled(edits.dutyMax);
    m_editDeadTime->setEnabled(edits.deadTime);
}

void CToroglavDlg::ApplySwitchDropEdits(SwitchDropEdits edits) {
    m_editUsat->setEnabled(edits.usat);
    m_editRdsOn->setEnabled(edits.rdsOn);
}

// The option clicks only switch the edits; the record takes the new option at the next take.
void CToroglavDlg::OnControllerTl494() {
    ApplyControllerEdits(ControllerEditsFor(IndexOf(Controller::DutyLimited)));
}
void CToroglavDlg::OnControllerOther() {
    ApplyControllerEdits(ControllerEditsFor(IndexOf(Controller::DeadTime)));
}
void CToroglavDlg::OnSwitchDropUsat() {
    ApplySwitchDropEdits(SwitchDropEditsFor(IndexOf(SwitchDrop::SaturationVoltage)));
}
void CToroglavDlg::OnSwitchDropRdsOn() {
    ApplySwitchDropEdits(SwitchDropEditsFor(IndexOf(SwitchDrop::RdsOn)));
}

// The core type goes into the record at once, and the core group follows it: the captions and
// fields now, the picture at the next paint.
void CToroglavDlg::SetCoreType(CoreType coreType) {
    m_record.m_nCoreType = IndexOf(coreType);
    ShowCoreView();
    update(m_rectPicture);
}

void CToroglavDlg::OnCoreRing() {
    SetCoreType(CoreType::Ring);
}
void CToroglavDlg::OnCoreE() {
    SetCoreType(CoreType::E);
}
void CToroglavDlg::OnCoreEtd() {
    SetCoreType(CoreType::Etd);
}
void CToroglavDlg::OnCoreOther() {
    SetCoreType(CoreType::Other);
}

// The supply rules work on the record as it stands, without taking the window first, so the
// whole form then shows the record again.
void CToroglavDlg::OnSupplyDc() {
    SelectDcSupply(m_record);
    UpdateData(false);
}

void CToroglavDlg::OnSupplyMains() {
    SelectMainsSupply(m_record);
    UpdateData(false);
}

void CToroglavDlg::OnChangeInduction() {
    UpdateData(true);
    LimitInduction(m_record);
    UpdateData(false);
}

void CToroglavDlg::OnChangeFrequency() {
    UpdateData(true);
    LimitFrequency(m_record);
    UpdateData(false);
}

}  // namespace toroglav::ui
