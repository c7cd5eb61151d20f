#include "ui/dialogs/loss_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "calc/design/calculation.h"
#include "calc/text/number_text.h"
#include "calc/text/result_format.h"
#include "ui/dialogs/loss_plot.h"
#include "ui/services/qstring_cp1251.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/result_field.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// The longest number a real design gives any field, and the text the temperature shows instead
// of a number.
constexpr QStringView kWidestNumber = u"00000,000";
constexpr QStringView kRunawayText = u"тепловой разгон";
// Lines kept for the warnings, so that the window keeps its size whatever they say.
constexpr int kWarningLines = 8;
constexpr int kAmbientCharacters = 6;

// One number of the analysis: its caption, where it is, the factor to the unit shown, its
// decimals and unit, and the field's object name (tests find the field by it).
struct ResultRow {
    QStringView caption;
    double LossAnalysis::*value;
    double scale;
    FixedDecimals decimals;
    QStringView unit;
    QStringView name;
};

constexpr ResultRow kResultRows[] = {
    {u"Пиковая индукция, номинальная", &LossAnalysis::fluxPeakT, 1, 3, u"Т", u"fluxPeak"},
    {u"Пиковая индукция, наихудшая", &LossAnalysis::fluxPeakWorstT, 1, 3, u"Т", u"fluxPeakWorst"},
    {u"Удельные потери в сердечнике", &LossAnalysis::coreLossDensityWPerM3, 1e-3, 1, u"кВт/м3",
     u"coreLossDensity"},
    {u"Потери в сердечнике", &LossAnalysis::coreLossW, 1, 3, u"Вт", u"coreLoss"},
    {u"Потери в обмотках", &LossAnalysis::copperLossW, 1, 3, u"Вт", u"copperLoss"},
    {u"Суммарные потери", &LossAnalysis::totalLossW, 1, 3, u"Вт", u"totalLoss"},
    {u"Температура сердечника", &LossAnalysis::coreTemperatureC, 1, 1, u"°C", u"coreTemperature"},
    {u"Перегрев сердечника", &LossAnalysis::temperatureRiseK, 1, 1, u"К", u"temperatureRise"},
    {u"Тепловое сопротивление", &LossAnalysis::thermalResistanceKPerW, 1, 1, u"К/Вт",
     u"thermalResistance"},
    {u"Индукция насыщения, нагретый", &LossAnalysis::saturationT, 1, 3, u"Т", u"saturation"},
    {u"Запас до насыщения, наихудший", &LossAnalysis::saturationMarginT, 1, 3, u"Т",
     u"saturationMargin"},
    {u"Мощность нагрузки", &LossAnalysis::loadPowerW, 1, 2, u"Вт", u"loadPower"},
    {u"КПД трансформатора", &LossAnalysis::efficiencyPercent, 1, 2, u"%", u"efficiency"},
};
constexpr std::size_t kTemperatureRow = 6;
constexpr std::size_t kRiseRow = 7;

// The windings' table: a caption per column and the decimals of its number.
constexpr QStringView kWindingColumns[] = {u"Ток\nдейств., А", u"Сопротивление\nпост., мОм",
                                           u"Число\nслоев", u"Коэффициент\nFr", u"Потери,\nВт"};

// "Первичная" (index 0) or "Выход 1" to "Выход 5", with the halves of a centre-tapped winding.
QString WindingName(std::size_t index, int halves) {
    QString name = index == 0 ? u"Первичная"_s : u"Выход %1"_s.arg(index);
    return halves > 1 ? name + u" (2 половины)"_s : name;
}

// A number with a decimal comma; a value that is not a number shows as a dash.
QString Number(double value, FixedDecimals decimals) {
    if (!std::isfinite(value)) return u"—"_s;
    return QString::fromStdString(FormatFixed(value, decimals));
}

// A row or note shown only for some designs keeps its room, so the window never changes size.
void KeepRoomWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

QLabel* Field(QWidget* parent, QStringView name, QStringView widest = kWidestNumber) {
    auto* field = new ResultField(parent);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(widest.toString()));
    field->setObjectName(name.toString());
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

}  // namespace

LossWindow::LossWindow(QWidget* owner)
    : QDialog(owner),
      material_(new QComboBox(this)),
      ambient_(new QLineEdit(u"40"_s, this)),
      plot_(new LossPlot(this)),
      halvesNote_(new QLabel(this)),
      warnings_(new QLabel(this)),
      apply_(new QPushButton(u"Применить оптимум"_s, this)) {
    setWindowTitle(kShowLossesCaption.toString());
    const DialogUnits units(fontMetrics());

    for (const FerriteMaterial& material : FerriteMaterials())
        material_->addItem(QString::fromLatin1(material.name) + u" ("_s +
                           QString::fromLatin1(material.maker) + u')');
    auto* materialCaption = new QLabel(u"&Материал:"_s, this);
    materialCaption->setBuddy(material_);
    ambient_->setAlignment(Qt::AlignCenter);
    ambient_->setFixedWidth(
        ambient_->fontMetrics().horizontalAdvance(QString(kAmbientCharacters, u'0')) + units.x(6));
    auto* ambientCaption = new QLabel(u"&Температура окружающей среды, °C:"_s, this);
    ambientCaption->setBuddy(ambient_);
    connect(material_, &QComboBox::currentIndexChanged, this, &LossWindow::Recompute);
    connect(ambient_, &QLineEdit::textEdited, this, &LossWindow::Recompute);

    halvesNote_->setText(
        u"У обмоток из двух половин ток и сопротивление указаны для одной "
        u"половины, слои и потери — для всей обмотки."_s);
    halvesNote_->setWordWrap(true);
    KeepRoomWhenHidden(*halvesNote_);
    warnings_->setWordWrap(true);
    warnings_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    warnings_->setMinimumHeight(kWarningLines * warnings_->fontMetrics().lineSpacing());
    warnings_->setTextFormat(Qt::PlainText);
    warnings_->setObjectName(u"warnings"_s);
    QPalette warningColour = warnings_->palette();
    warningColour.setColor(QPalette::WindowText, QColor(180, 0, 0));
    warnings_->setPalette(warningColour);

    plot_->setMinimumSize(units.x(330), units.y(260));
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (optimum_.inductionMaxT) emit optimumApplied(*optimum_.inductionMaxT);
    });
    auto* close = new QPushButton(u"Закрыть"_s, this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    // The results beside the plot; below, the windings beside the warnings and the buttons.
    auto* top = new QHBoxLayout;
    top->addWidget(materialCaption);
    top->addWidget(material_);
    top->addSpacing(units.x(12));
    top->addWidget(ambientCaption);
    top->addWidget(ambient_);
    top->addStretch();
    auto* results = new QVBoxLayout;
    results->addLayout(BuildResults());
    results->addStretch();
    auto* plotNote = new QLabel(
        u"Серым: индукция, при которой обмотки не помещаются в окно или "
        u"наступает тепловой разгон."_s,
        this);
    plotNote->setWordWrap(true);
    auto* plot = new QVBoxLayout;
    plot->addWidget(plot_, 1);
    plot->addWidget(plotNote);
    auto* middle = new QHBoxLayout;
    middle->addLayout(results);
    middle->addLayout(plot, 1);
    auto* windings = new QVBoxLayout;
    windings->addLayout(BuildWindings());
    windings->addWidget(halvesNote_);
    windings->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply_);
    buttons->addWidget(close);
    auto* side = new QVBoxLayout;
    side->addWidget(warnings_);
    side->addStretch();
    side->addLayout(buttons);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(windings);
    bottom->addSpacing(units.x(8));
    bottom->addLayout(side, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(middle, 1);
    column->addLayout(bottom);
}

QGridLayout* LossWindow::BuildResults() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    int row = 0;
    const auto addRow = [&](QStringView caption, QStringView name, QStringView unit) {
        QLabel* field = Field(this, name);
        grid->addWidget(new QLabel(caption.toString(), this), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(new QLabel(unit.toString(), this), row, 2);
        ++row;
        return field;
    };
    presentInduction_ = addRow(u"Индукция, максимальная", u"inductionMax", u"Т");
    for (const ResultRow& result : kResultRows)
        results_.push_back(addRow(result.caption, result.name, result.unit));
    results_[kTemperatureRow]->setMinimumWidth(
        fontMetrics().horizontalAdvance(kRunawayText.toString()));
    grid->setRowMinimumHeight(row++, fontMetrics().height() / 2);  // the optimum apart
    optimumInduction_ = addRow(u"Индукция с наименьшими потерями", u"optimumInduction", u"Т");
    optimumLoss_ = addRow(u"Суммарные потери при ней", u"optimumLoss", u"Вт");
    return grid;
}

QGridLayout* LossWindow::BuildWindings() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(u"Обмотка"_s, this), 0, 0, Qt::AlignBottom);
    for (std::size_t column = 0; column < std::size(kWindingColumns); ++column)
        grid->addWidget(new QLabel(kWindingColumns[column].toString(), this), 0,
                        static_cast<int>(column) + 1, Qt::AlignRight | Qt::AlignBottom);
    for (std::size_t i = 0; i < windings_.size(); ++i) {
        WindingRow& winding = windings_[i];
        const int row = static_cast<int>(i) + 1;
        winding.name = new QLabel(this);
        KeepRoomWhenHidden(*winding.name);
        grid->addWidget(winding.name, row, 0);
        for (std::size_t column = 0; column < winding.numbers.size(); ++column) {
            winding.numbers[column] = Field(this, u"winding%1.%2"_s.arg(i).arg(column));
            KeepRoomWhenHidden(*winding.numbers[column]);
            grid->addWidget(winding.numbers[column], row, static_cast<int>(column) + 1);
        }
    }
    grid->setColumnMinimumWidth(0, std::max(fontMetrics().horizontalAdvance(WindingName(0, 2)),
                                            fontMetrics().horizontalAdvance(WindingName(5, 2))));
    grid->setColumnStretch(static_cast<int>(std::size(kWindingColumns)) + 1, 1);
    return grid;
}

void LossWindow::ShowDesign(const DesignRecord& calculated) {
    design_ = calculated;
    if (design_.m_nMaterial != designMaterial_) {
        designMaterial_ = design_.m_nMaterial;
        const FerriteMaterial& chosen = MaterialOfDesign(designMaterial_);
        const QSignalBlocker quiet(material_);
        material_->setCurrentIndex(static_cast<int>(&chosen - FerriteMaterials().data()));
    }
    Recompute();
}

const FerriteMaterial& LossWindow::Material() const {
    return FerriteMaterials()[static_cast<std::size_t>(std::max(0, material_->currentIndex()))];
}

void LossWindow::Recompute() {
    const double ambientC = ParseNumberText(Cp1251FromQString(ambient_->text()));
    const DesignResult result = Calculate(design_);
    presentInductionT_ = result.inputs.inductionMax;
    analysis_ = AnalyseLosses(result, Material(), ambientC);
    optimum_ = FindLossOptimum(design_, Material(), ambientC);
    ShowAnalysis();
    plot_->Show(optimum_, presentInductionT_, analysis_.totalLossW);
}

void LossWindow::ShowAnalysis() {
    presentInduction_->setText(Number(presentInductionT_, 3));
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const ResultRow& row = kResultRows[i];
        results_[i]->setText(Number(analysis_.*row.value * row.scale, row.decimals));
    }
    if (analysis_.thermalRunaway) {
        results_[kTemperatureRow]->setText(kRunawayText.toString());
        results_[kRiseRow]->setText(u"—"_s);
    }
    optimumInduction_->setText(optimum_.inductionMaxT ? Number(*optimum_.inductionMaxT, 3)
                                                      : u"—"_s);
    optimumLoss_->setText(optimum_.inductionMaxT ? Number(optimum_.totalLossW, 3) : u"—"_s);
    apply_->setEnabled(optimum_.inductionMaxT.has_value());

    ShowWinding(windings_[0], analysis_.primary, WindingName(0, analysis_.primary.halves));
    for (std::size_t k = 0; k < kOutputCount; ++k) {
        const auto& output = analysis_.outputs[k];
        ShowWinding(windings_[k + 1], output, WindingName(k + 1, output ? output->halves : 1));
    }

    QStringList warnings;
    if (!analysis_.judged)
        warnings << u"Расчет не дает чисел или нет ни одного выхода: потери не оценить."_s;
    if (analysis_.thermalRunaway)
        warnings << u"Тепловой разгон: потери растут с нагревом быстрее, чем сердечник отдает "
                    u"тепло, и равновесной температуры нет. Снизьте индукцию или частоту."_s;
    if (analysis_.outsideData)
        warnings << u"Рабочая точка вне данных производителя материала: потери или индукция "
                    u"насыщения экстраполированы и приблизительны."_s;
    if (!optimum_.inductionMaxT)
        warnings << u"Ни при какой индукции обмотки не помещаются в окно без разгона."_s;
    warnings_->setText(warnings.join(u'\n'));
    halvesNote_->setVisible(
        analysis_.primary.halves > 1 ||
        std::ranges::any_of(analysis_.outputs, [](const auto& o) { return o && o->halves > 1; }));
}

void LossWindow::ShowWinding(WindingRow& row, const std::optional<WindingLoss>& winding,
                             const QString& name) {
    const bool shown = winding.has_value();
    row.name->setVisible(shown);
    for (QLabel* number : row.numbers) number->setVisible(shown);
    if (!shown) return;
    row.name->setText(name);
    row.numbers[0]->setText(Number(winding->currentRmsA, 3));
    row.numbers[1]->setText(Number(winding->resistanceDcOhm * 1e3, 2));
    row.numbers[2]->setText(QString::number(winding->layers));
    row.numbers[3]->setText(Number(winding->acFactor, 2));
    row.numbers[4]->setText(Number(winding->copperLossW, 3));
}

}  // namespace toroglav::ui
