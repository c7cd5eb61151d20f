#pragma once
// Shared pieces of the window tests: a message service that only records, a watchdog that fails
// the test when any modal box opens, and helpers that drive the main window like a user.

#include <QColor>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/main_window/toroglav_dlg.h"
#include "ui/services/file_dialog_service.h"
#include "ui/services/message_service.h"

class QLineEdit;

namespace toroglav::ui::test {

// The background of every drawing of the program.
inline const QColor kPictureBackground(231, 231, 214);

class RecordingMessages : public MessageService {
public:
    RecordingMessages(QStringList& warnings, QStringList& errors, QStringList& information)
        : warnings_(warnings), errors_(errors), information_(information) {}
    void ShowWarning(QWidget*, const QString& text) override { warnings_.append(text); }
    void ShowError(QWidget*, const QString& text) override { errors_.append(text); }
    // Kept as "caption: text".
    void ShowInformation(QWidget*, const QString& caption, const QString& text) override {
        information_.append(caption + QStringLiteral(": ") + text);
    }

private:
    QStringList& warnings_;
    QStringList& errors_;
    QStringList& information_;
};

// Answers file dialogs from a list of names, an empty one meaning "cancelled", and keeps what
// each dialog was asked to show.
class ScriptedFileDialogs : public FileDialogService {
public:
    ScriptedFileDialogs(QStringList& answers, QList<FileChoice>& asked)
        : answers_(answers), asked_(asked) {}
    QString ChooseFile(QWidget*, const FileChoice& choice) override;

private:
    QStringList& answers_;
    QList<FileChoice>& asked_;
};

// Polls for modal windows; each one found is recorded and closed so the test cannot hang.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    // Titles and texts of the modal windows seen since the last call.
    QStringList TakeSeen();

private:
    void Check();
    QTimer timer_;
    QStringList seen_;
};

// Installs the translations as the program does (InstallTranslations), with the user's own
// settings out of reach (Qt's test locations), so that the system's language decides.
void InstallProgramTranslations();

// Every text `window` shows or names: its title, and of its visible widgets the texts of labels,
// buttons, group boxes, edits, combo boxes, tree headers and rows, menu bars with their menus,
// tool tips and accessible names. A text appears once however often it is shown.
QStringList ShownTexts(const QWidget& window);
// The texts among `texts` that hold a Cyrillic letter.
QStringList Cyrillic(const QStringList& texts);

// Runs `open`, which opens a modal window, and returns what ShownTexts finds in that window, which
// it then closes with Esc.
QStringList ShownInModal(const std::function<void()>& open);

// A main window shown in a working folder of its own (a fresh temporary one unless given),
// with recorded messages and scripted file dialogs.
class OpenWindow {
public:
    explicit OpenWindow(const QString& folder = {});
    ~OpenWindow();

    CToroglavDlg& operator*() { return *dialog_; }
    CToroglavDlg* operator->() { return dialog_.get(); }
    const QStringList& warnings() const { return warnings_; }
    const QStringList& errors() const { return errors_; }
    const QStringList& information() const { return information_; }
    // The folder the window was started in.
    QString folder() const { return folder_; }
    // The next file dialog returns `path` (empty: the user cancels); what it was asked is kept.
    void AnswerFileDialog(const QString& path) { answers_.append(path); }
    const QList<FileChoice>& fileDialogsAsked() const { return asked_; }
    // What the screen shows at the core picture's top left corner: only what the window
    // actually repainted, unlike a fresh rendering of the widget.
    QColor PictureCorner();
    // Clicks the button or radio with the identifier `id`.
    void Click(int id);

    // The text shown by an edit or result field.
    QString Text(int id) const;
    QLineEdit* Edit(int id) const;
    // Replaces the text of an edit by keystrokes, as the user would: select all, erase, type.
    void Type(int id, const QString& text);

private:
    QTemporaryDir ownFolder_;
    QString folder_;
    QString previousFolder_;
    QStringList warnings_;
    QStringList errors_;
    QStringList information_;
    QStringList answers_;
    QList<FileChoice> asked_;
    std::unique_ptr<CToroglavDlg> dialog_;
};

}  // namespace toroglav::ui::test
