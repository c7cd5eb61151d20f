#pragma once
// The plot of the loss window: core, copper and total loss against the maximum induction over
// the optimum's search range, the induction values whose windings do not fit (or that run away)
// shaded, the present design and the optimum marked.
//
// The chart, its axes and its series are made once; every Show() only replaces the series'
// points and the axes' ranges, so a new design redraws without the chart being rebuilt.

#include <QChartView>

#include "calc/analysis/loss_optimum.h"

class QAbstractSeries;
class QAreaSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace toroglav::ui {

class LossPlot : public QChartView {
    Q_OBJECT

public:
    explicit LossPlot(QWidget* parent);

    // The search's samples, the present design at its maximum induction and total loss, and the
    // optimum when there is one.
    void Show(const LossOptimum& optimum, double presentInductionT, double presentTotalLossW);

private:
    void AddSeries(QAbstractSeries* series);
    QLineSeries* AddLine(const QString& name, const QPen& pen);

    QValueAxis* inductionAxis_;
    QValueAxis* lossAxis_;
    QLineSeries* unfitTop_;  // the upper edge of the shaded values; the lower edge is the axis
    QLineSeries* unfitBottom_;
    QAreaSeries* unfit_;
    QLineSeries* coreLoss_;
    QLineSeries* copperLoss_;
    QLineSeries* totalLoss_;
    QScatterSeries* present_;
    QScatterSeries* optimum_;
};

}  // namespace toroglav::ui
