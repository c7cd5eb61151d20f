#pragma once
// The picture of the winding window: one window's cross-section drawn to scale from a winding
// plan (calc/winding/winding_plan.h). On a bobbin: the core round the window, the bobbin's tube
// wall and flanges, the margins at both ends, each winding's layers of round wires in its own
// colour (the two halves of a centre-tapped winding in two shades), the tape over each winding,
// and the depth the windings may fill, dashed, with the room left before it. A ring is seen along
// its axis: the hole with its layers round it, each shorter than the one before, the room left
// in the middle, and the layers' build over the outside.
//
// The scale follows the widget's size; what the last paint drew is kept (Drawn), so a test can
// read the picture's own figures.

#include <QWidget>
#include <vector>

#include "calc/winding/winding_plan.h"

namespace toroglav::ui {

// The colour of a winding in the picture, by its output (the primary's its own); the second half
// of a centre-tapped winding a lighter shade.
QColor WindingColour(const winding::Winding& winding, int half = 0);

class WindingPicture : public QWidget {
    Q_OBJECT

public:
    explicit WindingPicture(QWidget* parent);

    void Show(const winding::Plan& plan);

    // What the last paint drew, in pixels at `pixelsPerMm`.
    struct DrawnWinding {
        int layers = 0;
        int wires = 0;       // circles drawn
        double buildPx = 0;  // across its layers
    };
    struct Drawn {
        double pixelsPerMm = 0;
        double depthPx = 0;                  // of the winding space (a ring: the hole's radius)
        double breadthPx = 0;                // of the winding space (a ring: the hole's diameter)
        std::vector<DrawnWinding> windings;  // in the plan's order
    };
    const Drawn& drawn() const { return drawn_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintBobbin(QPainter& painter);
    void PaintRing(QPainter& painter);

    winding::Plan plan_;
    Drawn drawn_;
};

}  // namespace toroglav::ui
