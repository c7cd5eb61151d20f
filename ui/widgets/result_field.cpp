#include "ui/widgets/result_field.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace toroglav::ui {

ResultField::ResultField(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);  // results such as "< 25" are never markup
}

bool ResultField::IsCut() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void ResultField::paintEvent(QPaintEvent* event) {
    if (!IsCut()) return QLabel::paintEvent(event);
    // The leading digits stay; the ellipsis says that the end is missing.
    QPainter painter(this);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
}

bool ResultField::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && IsCut()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

}  // namespace toroglav::ui
