#include "ui/widgets/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace toroglav::ui {

using namespace Qt::StringLiterals;

void DrawPicture(QPainter& painter, QStringView resource, const QRect& target) {
    QSvgRenderer renderer(resource.toString());
    renderer.render(&painter, QRectF(target));
}

QIcon ProgramIcon() {
    return QIcon(u":/icon_128.svg"_s);  // the SVG icon engine draws it at every size asked for
}

}  // namespace toroglav::ui
