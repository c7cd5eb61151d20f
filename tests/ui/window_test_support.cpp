#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include "ui/services/translations.h"

namespace toroglav::ui::test {

namespace {

void AddMenuTexts(const QList<QAction*>& actions, QStringList& texts) {
    for (const QAction* action : actions) {
        texts << action->text() << action->toolTip();
        if (action->menu()) {
            texts << action->menu()->title();
            AddMenuTexts(action->menu()->actions(), texts);
        }
    }
}

void AddTreeTexts(const QTreeWidget& tree, QStringList& texts) {
    for (int column = 0; column < tree.columnCount(); ++column) {
        texts << tree.headerItem()->text(column);
        for (int row = 0; row < tree.topLevelItemCount(); ++row)
            texts << tree.topLevelItem(row)->text(column);
    }
}

}  // namespace

void InstallProgramTranslations() {
    QStandardPaths::setTestModeEnabled(true);
    InstallTranslations(*QCoreApplication::instance());
}

QStringList ShownTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>())
        if (child->isVisible()) widgets << child;
    for (const QWidget* widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << button->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(widget)) texts << box->title();
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            texts << edit->text() << edit->placeholderText();
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) AddTreeTexts(*tree, texts);
        if (const auto* menuBar = qobject_cast<const QMenuBar*>(widget))
            AddMenuTexts(menuBar->actions(), texts);
    }
    texts.removeDuplicates();
    texts.removeAll(QString());
    return texts;
}

QStringList Cyrillic(const QStringList& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return texts.filter(cyrillic);
}

QStringList ShownInModal(const std::function<void()>& open) {
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        texts = ShownTexts(*modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    open();
    return texts;
}

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
