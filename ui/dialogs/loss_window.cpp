#include "ui/dialogs/loss_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "calc/design/result_texts.h"
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
constexpr const char* kRunawayText =
    QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "тепловой разгон");
// Lines kept for the warnings, so that the window keeps its size whatever they say.
constexpr int kWarningLines = 8;
constexpr int kAmbientCharacters = 6;
const QColor kWarningColour(180, 0, 0);

// The caption of each figure the window shows, by the figure's key.
struct Caption {
    std::string_view key;
    const char* text;  // translated in LossWindow's context
};
constexpr Caption kCaptions[] = {
    {"flux_peak", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Пиковая индукция, номинальная")},
    {"flux_peak_worst",
     QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Пиковая индукция, наихудшая")},
    {"saturation", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Индукция насыщения, нагретый")},
    {"saturation_margin",
     QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Запас до насыщения, наихудший")},
    {"core_temperature", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Температура сердечника")},
    {"temperature_rise", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Перегрев сердечника")},
    {"thermal_resistance", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Тепловое сопротивление")},
    {"surface", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Поверхность охлаждения")},
    {"core_loss_density",
     QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Удельные потери в сердечнике")},
    {"core_loss", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Потери в сердечнике")},
    {"copper_loss", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Потери в обмотках")},
    {"total_loss", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Суммарные потери")},
    {"load_power", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Мощность нагрузки")},
    {"efficiency", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "КПД трансформатора")},
    {"optimum_induction_max",
     QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Индукция с наименьшими потерями")},
    {"optimum_flux_peak",
     QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Пиковая индукция при ней")},
    {"total_loss_at_optimum",
     QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Суммарные потери при ней")},
};
// The windings' table heads its columns on two lines.
constexpr Caption kWindingCaptions[] = {
    {"current_rms", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Ток\nдейств.")},
    {"resistance_dc", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Сопротивление\nпост.")},
    {"layers", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Число\nслоев")},
    {"porosity", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Заполнение\nслоя")},
    {"ac_factor", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Коэффициент\nFr")},
    {"copper_loss", QT_TRANSLATE_NOOP("toroglav::ui::LossWindow", "Потери")},
};

constexpr const Caption* Find(std::span<const Caption> captions, std::string_view key) {
    for (const Caption& caption : captions)
        if (caption.key == key) return &caption;
    return nullptr;
}

// Every figure the window shows has its caption; a new figure without one does not build.
template <class Of, std::size_t N>
consteval bool Captioned(const Figure<Of> (&figures)[N], std::span<const Caption> captions) {
    for (const Figure<Of>& figure : figures)
        if ((figure.shown & kInWindow) && !Find(captions, figure.key)) return false;
    return true;
}
static_assert(Captioned(kCoreFigures, kCaptions) && Captioned(kTotalFigures, kCaptions) &&
              Captioned(kOptimumFigures, kCaptions) &&
              Captioned(kWindingFigures, kWindingCaptions));

QString CaptionOf(std::span<const Caption> captions, std::string_view key) {
    return LossWindow::tr(Find(captions, key)->text);
}

QString UnitOf(FigureUnit unit) {
    switch (unit) {
        case FigureUnit::None:
            return {};
        case FigureUnit::Tesla:
            return LossWindow::tr("Т");
        case FigureUnit::KilowattPerCubicMetre:
            return LossWindow::tr("кВт/м3");
        case FigureUnit::Watt:
            return LossWindow::tr("Вт");
        case FigureUnit::DegreeC:
            return u"°C"_s;
        case FigureUnit::Kelvin:
            return LossWindow::tr("К");
        case FigureUnit::KelvinPerWatt:
            return LossWindow::tr("К/Вт");
        case FigureUnit::SquareCentimetre:
            return LossWindow::tr("см2");
        case FigureUnit::Ampere:
            return LossWindow::tr("А");
        case FigureUnit::Milliohm:
            return LossWindow::tr("мОм");
        case FigureUnit::Percent:
            return u"%"_s;
    }
    return {};
}

QString ObjectName(std::string_view key) {
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

// "Первичная" (index 0) or "Выход 1" to "Выход 5", with the halves of a centre-tapped winding.
QString WindingName(std::size_t index, int halves) {
    QString name = index == 0 ? LossWindow::tr("Первичная") : LossWindow::tr("Выход %1").arg(index);
    return halves > 1 ? name + LossWindow::tr(" (2 половины)") : name;
}

// A number with a decimal comma; a value that is not a number shows as a dash.
QString Number(double value, FixedDecimals decimals) {
    if (!std::isfinite(value)) return u"—"_s;
    return QString::fromStdString(FormatFixed(value, decimals));
}

// The analysis as the window shows it while there is none: every figure a dash, no winding.
LossAnalysis NoFigures() {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    LossAnalysis a;
    a.judged = false;
    a.conduction = a.fluxDensityPeakT = a.fluxDensityPeakWorstT = a.saturationFluxDensityT =
        a.saturationMarginT = a.coreTemperatureC = a.temperatureRiseK = a.thermalResistanceKPerW =
            a.surfaceCm2 = a.coreLossDensityWPerM3 = a.coreLossW = a.copperLossW = a.totalLossW =
                a.loadPowerW = a.efficiency = kNaN;
    return a;
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

QString UnjudgedText(Unjudged why, int output) {
    switch (why) {
        case Unjudged::No:
            break;
        case Unjudged::ResultsNotFinite:
            return LossWindow::tr("расчет дает не числа");
        case Unjudged::NoOutput:
            return LossWindow::tr("нет ни одного выхода");
        case Unjudged::NegativeOutputCurrent:
            return LossWindow::tr("ток выхода %1 отрицателен, такой нагрузки нет").arg(output);
        case Unjudged::NoFrequency:
            return LossWindow::tr("частота не больше 0");
        case Unjudged::NoDuty:
            return LossWindow::tr("рабочая скважность не больше 0");
        case Unjudged::NoPrimaryVoltage:
            return LossWindow::tr("напряжение на первичной обмотке не больше 0");
        case Unjudged::NoCoreVolume:
            return LossWindow::tr("объем сердечника не больше 0");
        case Unjudged::NoFluxDensity:
            return LossWindow::tr("индукция не больше 0");
        case Unjudged::NoRoom:
            return LossWindow::tr("обмотке нет места на сердечнике");
        case Unjudged::PrimaryOverloaded:
            return LossWindow::tr(
                "первичная обмотка с ее сопротивлением не пропускает мощность нагрузки");
        case Unjudged::LossesNotANumber:
            return LossWindow::tr("потери при нагреве до точки Кюри не получаются числом");
    }
    return {};
}

LossWindow::LossWindow(QWidget* owner)
    : QDialog(owner),
      material_(new QComboBox(this)),
      ambient_(new QLineEdit(u"40"_s, this)),
      airSpeed_(new QLineEdit(u"0"_s, this)),
      plot_(new LossPlot(this)),
      halvesNote_(new QLabel(this)),
      models_(new QLabel(this)),
      warnings_(new QLabel(this)),
      apply_(new QPushButton(tr("Применить оптимум"), this)) {
    setWindowTitle(tr("Потери и нагрев"));
    const DialogUnits units(fontMetrics());

    for (const FerriteMaterial& material : FerriteMaterials())
        material_->addItem(QString::fromLatin1(material.name) + u" ("_s +
                           QString::fromLatin1(material.maker) + u')');
    auto* materialCaption = new QLabel(tr("&Материал:"), this);
    materialCaption->setBuddy(material_);
    ambient_->setAlignment(Qt::AlignCenter);
    ambient_->setFixedWidth(
        ambient_->fontMetrics().horizontalAdvance(QString(kAmbientCharacters, u'0')) + units.x(6));
    auto* ambientCaption = new QLabel(tr("&Температура окружающей среды, °C:"), this);
    ambientCaption->setBuddy(ambient_);
    airSpeed_->setAlignment(Qt::AlignCenter);
    airSpeed_->setFixedWidth(ambient_->width());
    airSpeed_->setObjectName(u"air_speed"_s);
    auto* airSpeedCaption = new QLabel(tr("&Обдув, м/с:"), this);
    airSpeedCaption->setBuddy(airSpeed_);
    connect(material_, &QComboBox::currentIndexChanged, this, &LossWindow::Recompute);
    connect(ambient_, &QLineEdit::textEdited, this, &LossWindow::Recompute);
    connect(airSpeed_, &QLineEdit::textEdited, this, &LossWindow::Recompute);

    halvesNote_->setText(
        tr("У обмоток из двух половин ток и сопротивление указаны для одной "
           "половины, слои и потери — для всей обмотки."));
    halvesNote_->setWordWrap(true);
    KeepRoomWhenHidden(*halvesNote_);
    models_->setWordWrap(true);
    models_->setObjectName(u"models"_s);
    models_->setTextFormat(Qt::PlainText);
    warnings_->setWordWrap(true);
    warnings_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    warnings_->setMinimumHeight(kWarningLines * warnings_->fontMetrics().lineSpacing());
    warnings_->setTextFormat(Qt::PlainText);
    warnings_->setObjectName(u"warnings"_s);
    QPalette warningColour = warnings_->palette();
    warningColour.setColor(QPalette::WindowText, kWarningColour);
    warnings_->setPalette(warningColour);

    plot_->setMinimumSize(units.x(330), units.y(260));
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (optimum_.inductionMaxT) emit optimumApplied(*optimum_.inductionMaxT);
    });
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(apply_, QDialogButtonBox::ApplyRole);
    buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    // The results beside the plot; below, the windings beside the warnings and the buttons.
    auto* top = new QHBoxLayout;
    top->addWidget(materialCaption);
    top->addWidget(material_);
    top->addSpacing(units.x(12));
    top->addWidget(ambientCaption);
    top->addWidget(ambient_);
    top->addSpacing(units.x(12));
    top->addWidget(airSpeedCaption);
    top->addWidget(airSpeed_);
    top->addStretch();
    auto* results = new QVBoxLayout;
    results->addLayout(BuildResults());
    results->addWidget(models_);
    results->addStretch();
    auto* plotNote = new QLabel(
        tr("Серым: индукция, которой пользоваться нельзя: обмотки не помещаются в окно, "
           "сердечник разгоняется или нагревается выше данных материала, наихудшая пиковая "
           "индукция выше 0,8 индукции насыщения, выход без стабилизации отходит от заданного "
           "более чем на 5 %."),
        this);
    plotNote->setWordWrap(true);
    // Its lines at the plot's narrowest, kept: the nested layouts do not ask a wrapped label.
    plotNote->setMinimumHeight(plotNote->heightForWidth(plot_->minimumWidth()));
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
    auto* side = new QVBoxLayout;
    side->addWidget(warnings_);
    side->addStretch();
    side->addWidget(buttons);
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
    const auto addRow = [&](const QString& caption, const QString& name, const QString& unit) {
        QLabel* field = Field(this, name);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(new QLabel(unit, this), row, 2);
        ++row;
        return field;
    };
    presentInduction_ =
        addRow(tr("Индукция, максимальная"), u"induction_max"_s, UnitOf(FigureUnit::Tesla));
    using Figures = std::span<const Figure<LossAnalysis>>;
    for (const Figures figures : {Figures(kCoreFigures), Figures(kTotalFigures)})
        for (const Figure<LossAnalysis>& figure : figures)
            if (figure.shown & kInWindow)
                results_.push_back({&figure, addRow(CaptionOf(kCaptions, figure.key),
                                                    ObjectName(figure.key), UnitOf(figure.unit))});
    for (const ResultRow& result : results_)
        if (result.figure->key == figures::kCoreTemperature.key)
            result.field->setMinimumWidth(fontMetrics().horizontalAdvance(tr(kRunawayText)));
    grid->setRowMinimumHeight(row++, fontMetrics().height() / 2);  // the optimum apart
    for (std::size_t i = 0; i < optimumFields_.size(); ++i) {
        const Figure<LossOptimum>& figure = kOptimumFigures[i];
        optimumFields_[i] =
            addRow(CaptionOf(kCaptions, figure.key), ObjectName(figure.key), UnitOf(figure.unit));
    }
    return grid;
}

QGridLayout* LossWindow::BuildWindings() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(tr("Обмотка"), this), 0, 0, Qt::AlignBottom);
    int columns = 0;
    for (std::size_t f = 0; f < std::size(kWindingFigures); ++f) {
        const Figure<WindingLoss>& figure = kWindingFigures[f];
        if (!(figure.shown & kInWindow)) continue;  // its number stays null
        const int column = ++columns;
        const QString unit = UnitOf(figure.unit);
        const QString caption =
            CaptionOf(kWindingCaptions, figure.key) + (unit.isEmpty() ? QString() : u", "_s + unit);
        grid->addWidget(new QLabel(caption, this), 0, column, Qt::AlignRight | Qt::AlignBottom);
        for (std::size_t i = 0; i < windings_.size(); ++i) {
            QLabel*& number = windings_[i].numbers[f];
            number = Field(this, u"%1[%2]"_s.arg(ObjectName(figure.key),
                                                 i == 0 ? u"P"_s : QString::number(i)));
            KeepRoomWhenHidden(*number);
            grid->addWidget(number, static_cast<int>(i) + 1, column);
        }
    }
    for (std::size_t i = 0; i < windings_.size(); ++i) {
        windings_[i].name = new QLabel(this);
        KeepRoomWhenHidden(*windings_[i].name);
        grid->addWidget(windings_[i].name, static_cast<int>(i) + 1, 0);
    }
    grid->setColumnMinimumWidth(0, std::max(fontMetrics().horizontalAdvance(WindingName(0, 2)),
                                            fontMetrics().horizontalAdvance(WindingName(5, 2))));
    grid->setColumnStretch(columns + 1, 1);
    return grid;
}

void LossWindow::ShowDesign(const DesignResult& calculated,
                            const winding::PlanOptions& windingOptions) {
    design_ = calculated;
    windingOptions_ = windingOptions;
    if (calculated.inputs.material != designMaterial_) {
        designMaterial_ = calculated.inputs.material;
        const FerriteMaterial& chosen = MaterialOfDesign(designMaterial_);
        const QSignalBlocker quiet(material_);
        material_->setCurrentIndex(static_cast<int>(&chosen - FerriteMaterials().data()));
    }
    Recompute();
}

void LossWindow::SetWindingOptions(const winding::PlanOptions& windingOptions) {
    windingOptions_ = windingOptions;
    Recompute();
}

const FerriteMaterial& LossWindow::Material() const {
    return FerriteMaterials()[static_cast<std::size_t>(std::max(0, material_->currentIndex()))];
}

std::optional<double> LossWindow::Typed(const QLineEdit& edit, double lowest, double highest) {
    // The whole text a number, with a decimal comma or point.
    bool number = false;
    const double value = edit.text().trimmed().replace(u',', u'.').toDouble(&number);
    if (!number || !(value >= lowest && value <= highest)) return std::nullopt;
    return value;
}

void LossWindow::Recompute() {
    if (!design_) return;
    const std::optional<double> ambientC =
        Typed(*ambient_, limits::kLowestAmbientC, limits::kHighestAmbientC);
    const std::optional<double> airSpeed = Typed(*airSpeed_, 0, limits::kFastestAirSpeedMPerS);
    // A temperature or air speed the analysis does not take shows in red, with no figures at all.
    for (const auto& [edit, taken] :
         {std::pair(ambient_, ambientC.has_value()), std::pair(airSpeed_, airSpeed.has_value())}) {
        QPalette colour = edit->palette();
        colour.setColor(QPalette::Text, taken ? palette().color(QPalette::Text) : kWarningColour);
        edit->setPalette(colour);
    }
    ambientTaken_ = ambientC.has_value();
    airSpeedTaken_ = airSpeed.has_value();
    // A bobbin chosen for another core (the core changed while the winding window was closed)
    // gives way to this core's first, as the winding window takes it when it opens again.
    winding::PlanOptions options = windingOptions_;
    if (const CatalogueCore* core = winding::CatalogueCoreOf(design_->inputs);
        options.bobbin && !(core && core->name == options.bobbin->core))
        options.bobbin = nullptr;
    if (ambientC && airSpeed) {
        analysis_ = AnalyseLosses(*design_, Material(), *ambientC, *airSpeed, options);
        optimum_ = FindLossOptimum(design_->inputs, Material(), *ambientC, *airSpeed, options);
    } else {
        analysis_ = NoFigures();
        optimum_ = LossOptimum{};
    }
    ShowAnalysis();
    plot_->Show(optimum_, design_->inputs.inductionMax, analysis_.totalLossW);
}

void LossWindow::ShowAnalysis() {
    presentInduction_->setText(Number(design_->inputs.inductionMax, 3));
    const CoreLoss& original = design_->coreLoss;
    models_->setText(
        tr("В главном окне потери в сердечнике %1 Вт и перегрев %2 °C — по таблице потерь "
           "материала при максимальной индукции. Здесь — по кривым производителя при пиковой "
           "индукции и установившейся температуре, с потерями в обмотках.")
            .arg(original.hasData ? Number(original.loss, 2)
                                  : QStringFromCp1251(kNoLossDataText).trimmed(),
                 QStringFromCp1251(OverheatText(original.overheat)).trimmed()));
    for (const auto& [figure, field] : results_)
        field->setText(Number(figure->Shown(analysis_), figure->decimals));
    if (analysis_.thermalRunaway)
        for (const auto& [figure, field] : results_) {
            if (figure->key == figures::kCoreTemperature.key) field->setText(tr(kRunawayText));
            if (figure->key == figures::kTemperatureRise.key) field->setText(u"—"_s);
        }
    for (std::size_t i = 0; i < optimumFields_.size(); ++i)
        optimumFields_[i]->setText(
            Number(kOptimumFigures[i].Shown(optimum_), kOptimumFigures[i].decimals));
    apply_->setEnabled(optimum_.inductionMaxT.has_value());

    const bool airTaken = ambientTaken_ && airSpeedTaken_;
    ShowWinding(windings_[0], airTaken ? std::optional(analysis_.primary) : std::nullopt,
                WindingName(0, analysis_.primary.halves));
    for (std::size_t k = 0; k < kOutputCount; ++k) {
        const auto& output = analysis_.outputs[k];
        ShowWinding(windings_[k + 1], output, WindingName(k + 1, output ? output->halves : 1));
    }

    QStringList warnings;
    if (!ambientTaken_)
        warnings << tr("Температура окружающей среды должна быть числом от −55 до 150 °C.");
    if (!airSpeedTaken_) warnings << tr("Скорость обдува должна быть числом от 0 до 20 м/с.");
    if (airTaken && !analysis_.judged)
        warnings << tr("Потери не оценить: %1.")
                        .arg(UnjudgedText(analysis_.unjudged, analysis_.unjudgedOutput));
    if (analysis_.thermalRunaway)
        warnings << tr(
            "Тепловой разгон: потери растут с нагревом быстрее, чем сердечник отдает "
            "тепло, и равновесной температуры нет. Снизьте индукцию или частоту.");
    if (analysis_.outsideData)
        warnings << tr(
            "Рабочая точка вне данных производителя материала: потери или индукция "
            "насыщения экстраполированы и приблизительны.");
    if (!optimum_.inductionMaxT && airTaken)
        warnings << tr("Ни одна максимальная индукция от 0,020 до 0,300 Т не допустима.");
    warnings_->setText(warnings.join(u'\n'));
    halvesNote_->setVisible(
        analysis_.primary.halves > 1 ||
        std::ranges::any_of(analysis_.outputs, [](const auto& o) { return o && o->halves > 1; }));
}

void LossWindow::ShowWinding(WindingRow& row, const std::optional<WindingLoss>& winding,
                             const QString& name) {
    const bool shown = winding.has_value();
    row.name->setVisible(shown);
    for (QLabel* number : row.numbers)
        if (number) number->setVisible(shown);
    if (!shown) return;
    row.name->setText(name);
    for (std::size_t f = 0; f < row.numbers.size(); ++f)
        if (row.numbers[f])
            row.numbers[f]->setText(
                Number(kWindingFigures[f].Shown(*winding), kWindingFigures[f].decimals));
}

}  // namespace toroglav::ui
