#pragma once
// The program's only window: the input form, the results, the commands and the field rules,
// working on one design record.
//
// The record is the truth; the controls are a view of it. UpdateData(true) takes every control
// into the record, UpdateData(false) shows the whole record, the core group's captions and
// fields in use among it. Calculating is take, Calculate, show. The field rules work on the
// record too and show it afterwards; they run on the user's own edits and clicks only, never on
// changes the program makes. Painting only draws the core picture of the record's core type.
//
// The form is built in main_form.cpp; the window's set-up, its view of the record and its
// painting are in toroglav_dlg.cpp, its commands in toroglav_dlg_commands.cpp.

#include <QDialog>
#include <QIcon>
#include <QRect>
#include <filesystem>
#include <memory>
#include <optional>

#include "calc/catalogue/core_catalogue.h"
#include "calc/design/calculation.h"
#include "calc/record/design_record.h"
#include "calc/record/field_rules.h"
#include "calc/record/option_values.h"
#include "calc/winding/winding_plan.h"
#include "files/read_status.h"
#include "ui/main_window/main_form.h"
#include "ui/services/file_dialog_service.h"
#include "ui/services/message_service.h"
#include "ui/services/translations.h"

class QLineEdit;

namespace toroglav::ui {
class CVypr;
class HintControl;
class LossWindow;
class WindingWindow;
}  // namespace toroglav::ui

namespace toroglav::ui {

class CToroglavDlg : public QDialog {
    Q_OBJECT

public:
    // Messages go to `messages` and file names come from `fileDialogs`; by default they are
    // modal boxes and the platform's file dialogs. The state file is fixed here, in the working
    // directory of this moment.
    explicit CToroglavDlg(std::unique_ptr<MessageService> messages = nullptr,
                          std::unique_ptr<FileDialogService> fileDialogs = nullptr);
    ~CToroglavDlg() override;

    DesignRecord& record() { return m_record; }
    const DesignRecord& record() const { return m_record; }
    // The hints of the window's controls; set up when the window is set up.
    const HintControl* hints() const { return m_tooltip; }
    // The control with the numeric identifier `id` (control_ids.h), or nullptr.
    QWidget* control(int id) const { return m_form.control(id); }
    QAction* command(int id) const { return m_form.command(id); }
    // Where the core picture is drawn, in window coordinates; set when the window is set up.
    QRect pictureRect() const { return m_rectPicture; }

    // true: controls into the record; false: the record into the controls.
    void UpdateData(bool take);
    // Enables one edit of each switchable pair from the record's options.
    void ApplyFieldEnables();

    // Where the inputs are kept between runs.
    const std::filesystem::path& stateFile() const { return m_stateFile; }
    // The name the save dialogs offer, from the record as it stands, in the window's language
    // (cp1251).
    Text BuildDefaultFileName() const;

    // Commands.
    void OnCalculate();
    void OnExit();
    void OnSaveDesign();
    void OnLoadDesign();
    void OnSaveReport();
    void OnShowSchemes();
    void OnAbout();
    void OnShowHelp();
    // Keeps the language chosen in the menu (nullopt: the system's); when that changes the
    // window's language, the window closes as on "Выход" and languageChanged() says so, for the
    // program to open it again in the new language.
    void OnChooseLanguage(std::optional<Language> language);
    bool languageChanged() const { return m_languageChanged; }
    // Opens the core catalogue; a core picked there is applied and calculated.
    void OnPickCore();
    void OnAdviseCore();
    // Opens the window of the losses and heating, which then follows every calculation.
    void OnShowLosses();
    // Opens the window of the winding as it is built, which then follows every calculation.
    void OnShowWinding();
    void OnWindingOptionsChanged(const winding::PlanOptions& options);
    // Sets the maximum induction (3 decimals) and calculates.
    void OnApplyOptimum(double inductionMaxT);

    // Field rules.
    void OnControllerTl494();
    void OnControllerOther();
    void OnSwitchDropUsat();
    void OnSwitchDropRdsOn();
    void OnCoreRing();
    void OnCoreE();
    void OnCoreEtd();
    void OnCoreOther();
    void OnSupplyDc();
    void OnSupplyMains();
    void OnChangeInduction();
    void OnChangeFrequency();

    // The window is set up (OnInitDialog) just before it is first shown.
    void setVisible(bool visible) override;
    // Esc and the close box end the program the way "Выход" does.
    void reject() override;

protected:
    // Draws the core picture on the picture area.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCommands();
    void OnInitDialog();
    void SetUpHints();
    void RestoreState();
    void ApplyLoadedDesign();
    // The path chosen in a file dialog, or an empty one when the user cancelled.
    std::filesystem::path ChooseFile(const FileChoice& choice, const QString& extension = {});
    std::filesystem::path ChooseSaveFile(const QString& extension);
    void ShowReadError(ReadStatus status);
    void ShowFileError(const QString& what, const std::filesystem::path& path,
                       const std::string& reason);
    void ApplyControllerEdits(ControllerEdits edits);
    void ApplySwitchDropEdits(SwitchDropEdits edits);
    void SetCoreType(CoreType coreType);
    // Renames the dimension labels and shows the fields in use for the record's core type.
    void ShowCoreView();
    void ApplyCatalogueCore(const CatalogueCore& core);

    DesignRecord m_record;
    std::unique_ptr<MessageService> m_messages;
    std::unique_ptr<FileDialogService> m_fileDialogs;
    std::filesystem::path m_stateFile;
    MainForm m_form;
    QIcon m_hIcon;
    QLineEdit* m_editDimho = nullptr;
    QLineEdit* m_editDimHs = nullptr;
    QLineEdit* m_editDimL = nullptr;
    QLineEdit* m_editDeadTime = nullptr;
    QLineEdit* m_editDutyMax = nullptr;
    QLineEdit* m_editRdsOn = nullptr;
    QLineEdit* m_editUsat = nullptr;
    QRect m_rectPicture;
    HintControl* m_tooltip = nullptr;     // owned by the window
    std::unique_ptr<CVypr> m_dlgSchemes;  // made when first opened, kept while the window lives
    LossWindow* m_lossWindow = nullptr;   // owned by the window; made when first opened
    WindingWindow* m_windingWindow = nullptr;  // likewise
    std::optional<DesignResult> m_calculated;  // the numbers last calculated, for the loss window
    // The winding window's choices, for the loss window; they hold after it closes.
    winding::PlanOptions m_windingOptions;
    bool m_initialised = false;
    bool m_languageChanged = false;
};

}  // namespace toroglav::ui
