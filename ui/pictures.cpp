#include "ui/pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace toroglav::ui {

using namespace Qt::StringLiterals;

void DrawPicture(QPainter& painter, QStringView resource, const QRect& target) {
    QSvgRenderer renderer(resource.toString());
    renderer.render(&painter, QRectF(target));
}

namespace {

// Renders the drawing at whatever size is asked for, when it is asked for: the platform may need
// only one or two icon sizes, or none at all.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        QSvgRenderer(resource_).render(painter, QRectF(rect));
    }
    QIconEngine* clone() const override { return new SvgIconEngine(resource_); }

private:
    QString resource_;
};

}  // namespace

QIcon ProgramIcon() {
    return QIcon(new SvgIconEngine(u":/icon_128.svg"_s));
}

}  // namespace toroglav::ui
