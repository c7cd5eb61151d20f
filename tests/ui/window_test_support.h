#pragma once
// Shared pieces of the window tests: a message service that only records, a watchdog that fails
// the test when any modal box opens, and helpers that drive the main window like a user.

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "ui/message_service.h"
#include "ui/toroglav_dlg.h"

class QLineEdit;

namespace toroglav::ui::test {

class RecordingMessages : public MessageService {
public:
    explicit RecordingMessages(QStringList& sink) : sink_(sink) {}
    void ShowWarning(QWidget*, const QString& text) override { sink_.append(text); }

private:
    QStringList& sink_;
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

// A main window shown in a fresh temporary working folder, with recorded warnings.
class OpenWindow {
public:
    OpenWindow();
    ~OpenWindow();

    CToroglavDlg& operator*() { return *dialog_; }
    CToroglavDlg* operator->() { return dialog_.get(); }
    const QStringList& warnings() const { return warnings_; }

    // The text shown by an edit or result field.
    QString Text(int id) const;
    QLineEdit* Edit(int id) const;
    // Replaces the text of an edit by keystrokes, as the user would: select all, erase, type.
    void Type(int id, const QString& text);

private:
    QTemporaryDir folder_;
    QString previousFolder_;
    QStringList warnings_;
    std::unique_ptr<CToroglavDlg> dialog_;
};

}  // namespace toroglav::ui::test
