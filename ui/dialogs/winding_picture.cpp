#include "ui/dialogs/winding_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "calc/constants.h"

namespace toroglav::ui {

namespace {

using winding::Layer;
using winding::Part;
using winding::Winding;

const QColor kBackground(231, 231, 214);  // of every drawing of the program
const QColor kFerrite(110, 110, 110);
const QColor kAir(255, 255, 255);
const QColor kBobbin(222, 196, 140);
const QColor kTape(240, 205, 40);
const QColor kMargin(200, 200, 200);
const QColor kFits(20, 120, 40);
const QColor kDoesNotFit(200, 0, 0);
constexpr double kPi = constants::kPi;
// Room round the drawing, pixels; the core's band round a bobbin's window, a share of the
// window's smaller side.
constexpr double kFramePx = 6;
constexpr double kCoreBandShare = 0.15;

// The pixel rectangle of a rectangle in mm.
struct Scale {
    double pixelsPerMm, originX, originY;
    QRectF Rect(double x, double y, double width, double height) const {
        return {originX + x * pixelsPerMm, originY + y * pixelsPerMm, width * pixelsPerMm,
                height * pixelsPerMm};
    }
    QPointF Point(double x, double y) const {
        return {originX + x * pixelsPerMm, originY + y * pixelsPerMm};
    }
};

// A circle of diameter `diameterPx` (at least a pixel) round `centre`.
void Wire(QPainter& painter, QPointF centre, double diameterPx) {
    const double d = std::max(1.0, diameterPx);
    painter.drawEllipse(centre, d / 2, d / 2);
}

// The half a conductor of a layer belongs to: turns lie one after the other, each with its
// halves' strands side by side.
int HalfOf(int conductor, const Winding& w) {
    return (conductor / w.strands) % w.halves;
}

}  // namespace

QColor WindingColour(const Winding& w, int half) {
    static const QColor kColours[] = {{200, 50, 40}, {40, 90, 200},  {30, 150, 60},
                                      {230, 130, 0}, {140, 60, 170}, {0, 150, 150}};
    const QColor colour = kColours[std::clamp(w.output, 0, 5)];
    return half == 0 ? colour : colour.lighter(150);
}

WindingPicture::WindingPicture(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setObjectName(QStringLiteral("winding_picture"));
}

QSize WindingPicture::sizeHint() const {
    return {360, 300};
}

void WindingPicture::Show(const winding::Plan& plan) {
    plan_ = plan;
    update();
}

void WindingPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kBackground);
    drawn_ = Drawn{};
    drawn_.windings.resize(plan_.windings.size());
    if (plan_.space.kind == winding::SpaceKind::Ring)
        PaintRing(painter);
    else
        PaintBobbin(painter);
}

void WindingPicture::PaintBobbin(QPainter& painter) {
    const winding::Space& s = plan_.space;
    const double gap = s.legGapMm, depth = s.depthMm, breadth = s.breadthMm;
    const double reach = gap + std::max(depth, std::isfinite(plan_.buildMm) ? plan_.buildMm : 0);
    const double width = std::max(s.windowWidthMm, reach);
    const double height = std::max(s.windowHeightMm, breadth);
    if (!(width > 0 && height > 0)) return;
    const double band = kCoreBandShare * std::min(width, height);
    const double pixels = std::min((this->width() - 2 * kFramePx) / (width + 2 * band),
                                   (this->height() - 2 * kFramePx) / (height + 2 * band));
    if (!(pixels > 0)) return;
    const Scale at{pixels, (this->width() - (width + 2 * band) * pixels) / 2 + band * pixels,
                   (this->height() - (height + 2 * band) * pixels) / 2 + band * pixels};
    drawn_.pixelsPerMm = pixels;
    drawn_.depthPx = depth * pixels;
    drawn_.breadthPx = breadth * pixels;

    // The core round the window (the centre leg on the left), the window's air.
    painter.setPen(Qt::NoPen);
    painter.fillRect(at.Rect(-band, -band, width + 2 * band, height + 2 * band), kFerrite);
    painter.fillRect(at.Rect(0, 0, width, height), kAir);
    // The bobbin: its tube along the leg and a flange at each end of the breadth.
    const double top = (height - breadth) / 2, wall = std::max(s.legWallMm, 0.0);
    const double flange = std::min(top, std::max(wall, 0.3));
    painter.fillRect(at.Rect(gap - wall, top - flange, wall, breadth + 2 * flange), kBobbin);
    painter.fillRect(at.Rect(gap - wall, top - flange, depth + wall, flange), kBobbin);
    painter.fillRect(at.Rect(gap - wall, top + breadth, depth + wall, flange), kBobbin);

    const double margin = plan_.marginMm, length = breadth - 2 * margin;
    if (margin > 0 && std::isfinite(plan_.buildMm)) {
        const QBrush hatch(kMargin, Qt::BDiagPattern);
        painter.fillRect(at.Rect(gap, top, plan_.buildMm, margin), hatch);
        painter.fillRect(at.Rect(gap, top + breadth - margin, plan_.buildMm, margin), hatch);
    }
    painter.setPen(QPen(QColor(60, 60, 60), 0.5));
    for (std::size_t k = 0; k < plan_.windings.size(); ++k) {
        const Winding& w = plan_.windings[k];
        DrawnWinding& drawn = drawn_.windings[k];
        for (const Layer& layer : w.layers) {
            const double pitch = length / layer.conductors;
            const double x = gap + layer.radialMm + w.wireOuterMm / 2;
            for (int i = 0; i < layer.conductors; ++i) {
                painter.setBrush(WindingColour(w, HalfOf(i, w)));
                Wire(painter, at.Point(x, top + margin + pitch * (i + 0.5)),
                     w.wireOuterMm * pixels);
            }
            drawn.wires += layer.conductors;
            ++drawn.layers;
        }
        drawn.buildPx = w.buildMm * pixels;
        if (w.tapeMm > 0 && !w.layers.empty()) {
            const double x = gap + w.layers.back().radialMm + w.wireOuterMm;
            const QRectF tape = at.Rect(x, top, w.tapeMm, breadth);
            painter.fillRect(tape.adjusted(0, 0, std::max(0.0, 1 - tape.width()), 0), kTape);
        }
    }
    // The depth the windings may fill; the room left lies before it.
    painter.setPen(QPen(plan_.fits ? kFits : kDoesNotFit, 1.5, Qt::DashLine));
    painter.drawLine(at.Point(gap + depth, top), at.Point(gap + depth, top + breadth));
}

void WindingPicture::PaintRing(QPainter& painter) {
    const winding::Space& s = plan_.space;
    const double inner = s.innerDiameterMm / 2, outer = s.outerDiameterMm / 2;
    const double build = std::isfinite(plan_.buildMm) ? plan_.buildMm : 0;
    const double reach = outer + build;
    if (!(reach > 0 && inner > 0)) return;
    const double pixels = (std::min(width(), height()) - 2 * kFramePx) / (2 * reach);
    if (!(pixels > 0)) return;
    const QPointF centre(width() / 2.0, height() / 2.0);
    drawn_.pixelsPerMm = pixels;
    drawn_.depthPx = inner * pixels;
    drawn_.breadthPx = 2 * kPi * inner * pixels;

    painter.setPen(Qt::NoPen);
    painter.setBrush(kFerrite);
    painter.drawEllipse(centre, outer * pixels, outer * pixels);
    painter.setBrush(kAir);
    painter.drawEllipse(centre, inner * pixels, inner * pixels);
    const auto at = [&](double radiusMm, double angle) {
        return centre + QPointF(std::cos(angle), -std::sin(angle)) * radiusMm * pixels;
    };
    for (std::size_t k = 0; k < plan_.windings.size(); ++k) {
        const Winding& w = plan_.windings[k];
        DrawnWinding& drawn = drawn_.windings[k];
        for (const Layer& layer : w.layers) {
            // Round the hole at the layer's middle, and over the outside at the same angles;
            // a margin leaves its width bare at each end.
            const double middle = layer.radialMm + w.wireOuterMm / 2;
            const double radius = inner - middle;
            if (radius <= 0) continue;
            const double first = plan_.marginMm / radius;
            const double step = layer.lengthMm / layer.conductors / radius;
            painter.setPen(QPen(QColor(60, 60, 60), 0.5));
            for (int i = 0; i < layer.conductors; ++i) {
                const double angle = kPi / 2 + first + step * (i + 0.5);
                painter.setBrush(WindingColour(w, HalfOf(i, w)));
                Wire(painter, at(radius, angle), w.wireOuterMm * pixels);
                Wire(painter, at(outer + middle, angle), w.wireOuterMm * pixels);
            }
            drawn.wires += layer.conductors;
            ++drawn.layers;
        }
        drawn.buildPx = w.buildMm * pixels;
        if (w.tapeMm > 0 && !w.layers.empty()) {
            const double under = w.layers.back().radialMm + w.wireOuterMm + w.tapeMm / 2;
            painter.setPen(QPen(kTape, std::max(1.0, w.tapeMm * pixels)));
            painter.setBrush(Qt::NoBrush);
            for (const double radius : {inner - under, outer + under})
                if (radius > 0) painter.drawEllipse(centre, radius * pixels, radius * pixels);
        }
    }
    // The room left in the hole, dashed; a cross at the axis.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(plan_.fits ? kFits : kDoesNotFit, 1.5, Qt::DashLine));
    if (inner > build)
        painter.drawEllipse(centre, (inner - build) * pixels, (inner - build) * pixels);
    painter.drawLine(centre - QPointF(4, 0), centre + QPointF(4, 0));
    painter.drawLine(centre - QPointF(0, 4), centre + QPointF(0, 4));
}

}  // namespace toroglav::ui
