#include "window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace toroglav::ui::test {

ModalWatchdog::ModalWatchdog() {
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::Check);
    timer_.start(20);
}

void ModalWatchdog::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    QString seen = modal->windowTitle();
    if (const auto* box = qobject_cast<QMessageBox*>(modal))
        seen += QStringLiteral(": ") + box->text();
    seen_.append(seen);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

QStringList ModalWatchdog::TakeSeen() {
    Check();
    return std::exchange(seen_, {});
}

OpenWindow::OpenWindow() : previousFolder_(QDir::currentPath()) {
    QDir::setCurrent(folder_.path());
    dialog_ = std::make_unique<CToroglavDlg>(std::make_unique<RecordingMessages>(warnings_));
    dialog_->show();
    if (!QTest::qWaitForWindowExposed(dialog_.get())) qWarning("main window was not exposed");
}

OpenWindow::~OpenWindow() {
    dialog_.reset();
    QDir::setCurrent(previousFolder_);
}

QString OpenWindow::Text(int id) const {
    QWidget* control = dialog_->control(id);
    if (const auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (const auto* label = qobject_cast<QLabel*>(control)) return label->text();
    qWarning("control %d shows no text", id);
    return {};
}

QLineEdit* OpenWindow::Edit(int id) const {
    return qobject_cast<QLineEdit*>(dialog_->control(id));
}

void OpenWindow::Type(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

}  // namespace toroglav::ui::test
