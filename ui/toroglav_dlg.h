#pragma once
// The program's only window: the input form, the results, the commands and the field rules,
// working on one design record.
//
// The record is the truth; the controls are a view of it. UpdateData(true) takes every control
// into the record, UpdateData(false) shows the whole record. Calculating is take, Calculate,
// show. The field rules work on the record too and show it afterwards; they run on the user's
// own edits and clicks only, never on changes the program makes.

#include <QDialog>
#include <QIcon>
#include <QRect>
#include <memory>

#include "calc/design_record.h"
#include "ui/main_form.h"
#include "ui/message_service.h"
#include "ui/option_rules.h"

class QLineEdit;

namespace toroglav::ui {

class CToroglavDlg : public QDialog {
    Q_OBJECT

public:
    // Warnings of the calculation go to `messages`; by default they are modal message boxes.
    explicit CToroglavDlg(std::unique_ptr<MessageService> messages = nullptr);
    ~CToroglavDlg() override;

    DesignRecord& record() { return m_record; }
    const DesignRecord& record() const { return m_record; }
    // The control with the numeric identifier `id` (control_ids.h), or nullptr.
    QWidget* control(int id) const { return m_form.control(id); }
    QAction* command(int id) const { return m_form.command(id); }
    // Where the core picture is drawn, in window coordinates; set when the window is set up.
    QRect pictureRect() const { return m_rectPicture; }

    // true: controls into the record; false: the record into the controls.
    void UpdateData(bool take);
    // Enables one edit of each switchable pair from the record's options.
    void ApplyFieldEnables();

    // Commands.
    void OnCalculate();
    void OnExit();

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
    // Renames the dimension labels and shows the fields in use for the current core type.
    void paintEvent(QPaintEvent* event) override;
    // Draws the core picture on the picture area.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCommands();
    void OnInitDialog();
    void RestoreState();
    void ApplyControllerEdits(ControllerEdits edits);
    void ApplySwitchDropEdits(SwitchDropEdits edits);
    void SetCoreType(std::int32_t coreType);

    DesignRecord m_record;
    std::unique_ptr<MessageService> m_messages;
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
    bool m_initialised = false;
};

}  // namespace toroglav::ui
