#include "ui/pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace toroglav::ui {

using namespace Qt::StringLiterals;

void DrawPicture(QPainter& painter, QStringView resource, const QRect& target) {
    QSvgRenderer renderer(resource.toString());
    renderer.render(&painter, QRectF(target));
}

QIcon ProgramIcon() {
    QSvgRenderer renderer(u":/icon_128.svg"_s);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace toroglav::ui
