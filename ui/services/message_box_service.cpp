#include "ui/services/message_box_service.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

void ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // A plain "OK": some styles put a check mark on it.
    for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
    box.exec();
}

}  // namespace

void MessageBoxService::ShowWarning(QWidget* owner, const QString& text) {
    ShowBox(owner, QMessageBox::NoIcon, tr("Внимание!"), text);
}

void MessageBoxService::ShowError(QWidget* owner, const QString& text) {
    ShowBox(owner, QMessageBox::Critical, tr("Тороглав"), text);
}

// A message box wraps long lines at a width of its own; this text sets its lines as it wants
// them read, so the box is as wide as they are.
void MessageBoxService::ShowInformation(QWidget* owner, const QString& caption,
                                        const QString& text) {
    QDialog box(owner);
    box.setWindowTitle(caption);
    auto* label = new QLabel(text, &box);
    label->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    for (QAbstractButton* button : buttons->buttons()) button->setIcon(QIcon());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* column = new QVBoxLayout(&box);
    column->addWidget(label);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    box.exec();
}

}  // namespace toroglav::ui
