#include "ui/dialogs/loss_plot.h"

#include <QAreaSeries>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr double kInductionStepT = 0.05;  // between the induction axis's labels
// The loss axis shows the bottom of the curve: up to this many times the least total loss (or
// the present design and the optimum, if higher); the steep ends leave the plot.
constexpr double kLossAxisOverLeast = 2.5;
constexpr double kMarkerHeadroom = 1.15;

// The first of 1, 2 and 5 times a power of ten that divides `top` into at most 8 steps.
double NiceStep(double top) {
    const double decade = std::pow(10.0, std::floor(std::log10(top / 8)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (top / (factor * decade) <= 8) return factor * decade;
    return 10 * decade;
}

// printf decimals that show every label of an axis stepping by `step` (1, 2 or 5 times 10^k).
QString LabelFormat(double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(-std::floor(std::log10(step) + 1e-9));
    return u"%.%1f"_s.arg(decimals);
}

void MarkAt(QScatterSeries& marker, double inductionT, double lossW) {
    if (std::isfinite(inductionT) && std::isfinite(lossW))
        marker.replace(QList<QPointF>{{inductionT, lossW}});
    else
        marker.clear();
}

}  // namespace

LossPlot::LossPlot(QWidget* parent)
    : QChartView(new QChart, parent),
      inductionAxis_(new QValueAxis),
      lossAxis_(new QValueAxis),
      unfitTop_(new QLineSeries),
      unfitBottom_(new QLineSeries),
      unfit_(new QAreaSeries(unfitTop_, unfitBottom_)),
      present_(new QScatterSeries),
      optimum_(new QScatterSeries) {
    // An area series does not own its edges, and the chart owns only the series added to it.
    unfitTop_->setParent(unfit_);
    unfitBottom_->setParent(unfit_);
    setRenderHint(QPainter::Antialiasing);
    QChart& plot = *chart();
    // The axes' numbers with a decimal comma, as every number of the program.
    QLocale locale(QLocale::Russian, QLocale::Russia);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    plot.setLocale(locale);
    plot.setLocalizeNumbers(true);
    plot.legend()->setAlignment(Qt::AlignBottom);
    plot.setMargins(QMargins(4, 4, 4, 4));

    inductionAxis_->setTitleText(tr("Индукция, максимальная, Т"));
    inductionAxis_->setTickType(QValueAxis::TicksDynamic);
    inductionAxis_->setTickAnchor(0);
    inductionAxis_->setTickInterval(kInductionStepT);
    inductionAxis_->setLabelFormat(LabelFormat(kInductionStepT));
    inductionAxis_->setMinorTickCount(1);
    lossAxis_->setTitleText(tr("Потери, Вт"));
    lossAxis_->setTickType(QValueAxis::TicksDynamic);
    lossAxis_->setTickAnchor(0);
    plot.addAxis(inductionAxis_, Qt::AlignBottom);
    plot.addAxis(lossAxis_, Qt::AlignLeft);

    unfit_->setName(tr("Не подходит"));
    unfit_->setBrush(QColor(128, 128, 128, 60));
    unfit_->setPen(Qt::NoPen);
    AddSeries(unfit_);  // first, so drawn beneath the lines
    coreLoss_ = AddLine(tr("Сердечник"), QPen(QColor(0, 90, 200), 2));
    copperLoss_ = AddLine(tr("Обмотки"), QPen(QColor(215, 110, 0), 2));
    totalLoss_ = AddLine(tr("Сумма"), QPen(Qt::black, 3));

    present_->setName(tr("Расчет"));
    present_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    present_->setMarkerSize(12);
    present_->setColor(QColor(200, 0, 0));
    optimum_->setName(tr("Оптимум"));
    optimum_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    optimum_->setMarkerSize(12);
    optimum_->setColor(QColor(0, 150, 0));
    AddSeries(present_);
    AddSeries(optimum_);
}

void LossPlot::AddSeries(QAbstractSeries* series) {
    chart()->addSeries(series);
    series->attachAxis(inductionAxis_);
    series->attachAxis(lossAxis_);
}

QLineSeries* LossPlot::AddLine(const QString& name, const QPen& pen) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(pen);
    AddSeries(line);
    return line;
}

void LossPlot::Show(const LossOptimum& optimum, double presentInductionT,
                    double presentTotalLossW) {
    // Values that are not numbers (a design that runs away) are left out of the lines.
    QList<QPointF> core, copper, total;
    double leastTotal = INFINITY, mostTotal = 0;
    for (const LossSample& s : optimum.samples) {
        if (std::isfinite(s.coreLossW)) core.append({s.inductionMaxT, s.coreLossW});
        if (std::isfinite(s.copperLossW)) copper.append({s.inductionMaxT, s.copperLossW});
        if (!std::isfinite(s.totalLossW)) continue;
        total.append({s.inductionMaxT, s.totalLossW});
        leastTotal = std::min(leastTotal, s.totalLossW);
        mostTotal = std::max(mostTotal, s.totalLossW);
    }
    coreLoss_->replace(core);
    copperLoss_->replace(copper);
    totalLoss_->replace(total);

    // The loss axis: the bottom of the curve with both marks in view.
    double top = std::min(kLossAxisOverLeast * leastTotal, mostTotal);
    for (const double marked : {presentTotalLossW, optimum.totalLossW})
        if (std::isfinite(marked)) top = std::max(top, kMarkerHeadroom * marked);
    if (!(top > 0) || !std::isfinite(top)) top = 1;
    const double step = NiceStep(top);
    top = step * std::ceil(top / step);
    // Each of these lays the axis's labels out anew, even for the value it has: only changes.
    if (lossAxis_->tickInterval() != step) {
        lossAxis_->setTickInterval(step);
        lossAxis_->setLabelFormat(LabelFormat(step));
    }
    if (lossAxis_->max() != top) lossAxis_->setRange(0, top);
    const double right =
        optimum.samples.empty()
            ? kInductionStepT
            : kInductionStepT * std::ceil(optimum.samples.back().inductionMaxT / kInductionStepT);
    if (inductionAxis_->max() != right) inductionAxis_->setRange(0, right);

    // The shaded stretches reach halfway to the neighbouring samples that fit.
    QList<QPointF> shade;
    const std::vector<LossSample>& samples = optimum.samples;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i].admissible || (i > 0 && !samples[i - 1].admissible)) continue;
        std::size_t last = i;
        while (last + 1 < samples.size() && !samples[last + 1].admissible) ++last;
        const double from =
            i == 0 ? 0 : (samples[i - 1].inductionMaxT + samples[i].inductionMaxT) / 2;
        const double to = last + 1 == samples.size()
                              ? right
                              : (samples[last].inductionMaxT + samples[last + 1].inductionMaxT) / 2;
        shade.append({{from, 0}, {from, top}, {to, top}, {to, 0}});
    }
    if (shade.isEmpty()) shade = {{0, 0}, {right, 0}};
    unfitTop_->replace(shade);
    unfitBottom_->replace(QList<QPointF>{{0, 0}, {right, 0}});

    MarkAt(*present_, presentInductionT, presentTotalLossW);
    MarkAt(*optimum_, optimum.inductionMaxT.value_or(NAN), optimum.totalLossW);
}

}  // namespace toroglav::ui
