#include "ui/message_service.h"

#include <QAbstractButton>
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
    ShowBox(owner, QMessageBox::NoIcon, u"Внимание!"_s, text);
}

void MessageBoxService::ShowError(QWidget* owner, const QString& text) {
    ShowBox(owner, QMessageBox::Critical, u"Тороглав"_s, text);
}

}  // namespace toroglav::ui
