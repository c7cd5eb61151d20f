#include "ui/message_service.h"

#include <QMessageBox>

namespace toroglav::ui {

using namespace Qt::StringLiterals;

void MessageBoxService::ShowWarning(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, u"Внимание!"_s, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace toroglav::ui
