#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
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

QString ScriptedFileDialogs::ChooseFile(QWidget*, const FileChoice& choice) {
    asked_.append(choice);
    if (answers_.isEmpty()) qWarning("a file dialog opened that the test did not expect");
    return answers_.isEmpty() ? QString() : answers_.takeFirst();
}

OpenWindow::OpenWindow(const QString& folder)
    : folder_(folder.isEmpty() ? ownFolder_.path() : folder), previousFolder_(QDir::currentPath()) {
    QDir::setCurrent(folder_);
    dialog_ = std::make_unique<CToroglavDlg>(
        std::make_unique<RecordingMessages>(warnings_, errors_, information_),
        std::make_unique<ScriptedFileDialogs>(answers_, asked_));
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

QColor OpenWindow::PictureCorner() {
    QCoreApplication::processEvents();
    const QImage image = dialog_->screen()->grabWindow(dialog_->winId()).toImage();
    const QPoint corner = dialog_->pictureRect().topLeft() * image.devicePixelRatio();
    return image.pixelColor(corner + QPoint(1, 1));
}

void OpenWindow::Click(int id) {
    qobject_cast<QAbstractButton*>(dialog_->control(id))->click();
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
