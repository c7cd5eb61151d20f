#include "ui/dialogs/winding_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

#include "calc/limits.h"
#include "calc/text/result_format.h"
#include "calc/units.h"
#include "ui/dialogs/winding_picture.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/result_field.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;
using winding::Winding;

namespace {

constexpr double kMicrohenry = 1e6;  // uH per H
// The spin boxes' lowest value stands for "as the plan chooses".
constexpr int kAutomaticTapeLayers = -1;
constexpr double kAutomaticMarginMm = -0.5;
constexpr int kWarningLines = 4;
constexpr QStringView kWidestNumber = u"00000,00";

// One column of the windings' table: the figure's name as --winding prints it, its caption and
// its decimals (none: a count).
struct Column {
    QStringView key;
    const char* caption;  // translated in WindingWindow's context
    std::optional<FixedDecimals> decimals;
    double (*value)(const Winding&);
};
const Column kColumns[] = {
    {u"turns", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Витков"), std::nullopt,
     [](const Winding& w) { return double(w.turns); }},
    {u"strands", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Жил"), std::nullopt,
     [](const Winding& w) { return double(w.strands); }},
    {u"wire_mm", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Провод,\nмм"), FixedDecimals(3),
     [](const Winding& w) { return w.wireMm; }},
    {u"turns_per_layer", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Витков\nв слое"),
     std::nullopt, [](const Winding& w) { return double(w.turnsPerLayer); }},
    {u"layers", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Слоев"), std::nullopt,
     [](const Winding& w) { return double(w.layers.size()); }},
    {u"build_mm", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Толщина,\nмм"),
     FixedDecimals(2), [](const Winding& w) { return w.buildMm; }},
    {u"tape_layers", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Слоев\nленты"), std::nullopt,
     [](const Winding& w) { return double(w.tapeLayers); }},
    {u"resistance_dc_mOhm",
     QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Сопротивл.\n20 °C, мОм"), FixedDecimals(2),
     [](const Winding& w) { return w.resistanceDcOhm * units::kMilliohm; }},
    {u"mean_turn_mm", QT_TRANSLATE_NOOP("toroglav::ui::WindingWindow", "Средний\nвиток, мм"),
     FixedDecimals(1), [](const Winding& w) { return w.meanTurnMm; }},
};

QString Number(double value, std::optional<FixedDecimals> decimals) {
    if (!std::isfinite(value)) return u"—"_s;
    if (!decimals) return QString::number(static_cast<long long>(value));
    return QString::fromStdString(FormatFixed(value, *decimals));
}

// "P", "P1", "P2" or the output's number, as --winding tags a winding.
QString Tag(const Winding& w) {
    if (w.output > 0) return QString::number(w.output);
    return w.part == winding::Part::FirstHalf    ? u"P1"_s
           : w.part == winding::Part::SecondHalf ? u"P2"_s
                                                 : u"P"_s;
}

QString WindingName(const Winding& w) {
    QString name =
        w.output > 0 ? WindingWindow::tr("Выход %1").arg(w.output) : WindingWindow::tr("Первичная");
    if (w.part == winding::Part::FirstHalf) name += WindingWindow::tr(", 1-я часть");
    if (w.part == winding::Part::SecondHalf) name += WindingWindow::tr(", 2-я часть");
    return w.halves > 1 ? name + WindingWindow::tr(" (2 половины)") : name;
}

void KeepRoomWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}

QLabel* Field(QWidget* parent, const QString& name = {}) {
    auto* field = new ResultField(parent);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(kWidestNumber.toString()));
    field->setObjectName(name);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

}  // namespace

WindingWindow::WindingWindow(QWidget* owner)
    : QDialog(owner),
      bobbin_(new QComboBox(this)),
      grade_(new QComboBox(this)),
      interleave_(new QCheckBox(tr("Первичная по обе стороны выходов"), this)),
      tapeLayers_(new QSpinBox(this)),
      margin_(new QDoubleSpinBox(this)),
      tripleInsulated_(new QCheckBox(tr("Выходы проводом с тройной изоляцией"), this)),
      picture_(new WindingPicture(this)),
      notes_(new QLabel(this)) {
    setWindowTitle(tr("Намотка"));
    const DialogUnits units(fontMetrics());
    bobbin_->setObjectName(u"bobbin"_s);
    interleave_->setObjectName(u"interleave"_s);
    tripleInsulated_->setObjectName(u"triple_insulated"_s);
    bobbin_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    bobbin_->setMinimumContentsLength(28);
    grade_->addItems({u"1"_s, u"2"_s, u"3"_s});
    grade_->setCurrentIndex(limits::kDefaultWireGrade - 1);
    tapeLayers_->setRange(kAutomaticTapeLayers, 20);
    tapeLayers_->setSpecialValueText(tr("авто"));
    tapeLayers_->setValue(kAutomaticTapeLayers);
    margin_->setRange(kAutomaticMarginMm, 50);
    margin_->setSingleStep(0.5);
    margin_->setDecimals(1);
    margin_->setSpecialValueText(tr("авто"));
    margin_->setValue(kAutomaticMarginMm);
    connect(bobbin_, &QComboBox::currentIndexChanged, this, &WindingWindow::ChoiceChanged);
    connect(grade_, &QComboBox::currentIndexChanged, this, &WindingWindow::ChoiceChanged);
    connect(interleave_, &QCheckBox::toggled, this, &WindingWindow::ChoiceChanged);
    connect(tapeLayers_, &QSpinBox::valueChanged, this, &WindingWindow::ChoiceChanged);
    connect(margin_, &QDoubleSpinBox::valueChanged, this, &WindingWindow::ChoiceChanged);
    connect(tripleInsulated_, &QCheckBox::toggled, this, &WindingWindow::ChoiceChanged);

    notes_->setWordWrap(true);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->setMinimumHeight(kWarningLines * notes_->fontMetrics().lineSpacing());
    notes_->setTextFormat(Qt::PlainText);
    notes_->setObjectName(u"notes"_s);
    picture_->setMinimumSize(units.x(200), units.y(110));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    // The choices and the totals beside the picture; below, the windings, the notes, the button.
    auto* side = new QVBoxLayout;
    side->addLayout(BuildChoices());
    side->addSpacing(units.y(6));
    side->addLayout(BuildTotals());
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(side);
    top->addWidget(picture_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(notes_, 1);
    bottom->addWidget(buttons, 0, Qt::AlignBottom);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addLayout(BuildWindings());
    column->addLayout(bottom);
}

QGridLayout* WindingWindow::BuildChoices() {
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row++, 1);
    };
    addRow(tr("&Каркас:"), bobbin_);
    addRow(tr("Класс &эмали провода:"), grade_);
    addRow(tr("Слоев &ленты между обмотками:"), tapeLayers_);
    addRow(tr("&Поля у щек каркаса, мм:"), margin_);
    grid->addWidget(interleave_, row++, 0, 1, 2);
    grid->addWidget(tripleInsulated_, row++, 0, 1, 2);
    return grid;
}

QGridLayout* WindingWindow::BuildTotals() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    int row = 0;
    const auto addRow = [&](const QString& caption, const QString& name, const QString& unit) {
        QLabel* field = Field(this, name);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(new QLabel(unit, this), row++, 2);
        return field;
    };
    breadth_ = addRow(tr("Ширина места для намотки"), u"window_breadth_mm"_s, tr("мм"));
    depth_ = addRow(tr("Глубина места для намотки"), u"window_depth_mm"_s, tr("мм"));
    marginShown_ = addRow(tr("Поле у каждой щеки"), u"margin_mm"_s, tr("мм"));
    build_ = addRow(tr("Толщина всей намотки"), u"build_mm"_s, tr("мм"));
    fill_ = addRow(tr("Заполнение глубины"), u"fill_percent"_s, u"%"_s);
    fits_ = Field(this, u"fits"_s);
    fits_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(fits_, row, 0, 1, 3);
    return grid;
}

QGridLayout* WindingWindow::BuildWindings() {
    static_assert(std::size(kColumns) == kColumnCount);
    const auto Heading = [this](const QString& text) {
        auto* heading = new QLabel(text, this);
        heading->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        return heading;
    };
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(tr("Обмотка\n(от сердечника)"), this), 0, 0, Qt::AlignBottom);
    for (std::size_t c = 0; c < kColumnCount; ++c)
        grid->addWidget(Heading(tr(kColumns[c].caption)), 0, int(c) + 1,
                        Qt::AlignRight | Qt::AlignBottom);
    grid->addWidget(Heading(tr("Рассеяние,\nмкГн")), 0, int(kColumnCount) + 1,
                    Qt::AlignRight | Qt::AlignBottom);
    for (std::size_t i = 0; i < windings_.size(); ++i) {
        WindingRow& w = windings_[i];
        const int row = int(i) + 1;
        w.name = new QLabel(this);
        KeepRoomWhenHidden(*w.name);
        grid->addWidget(w.name, row, 0);
        for (std::size_t c = 0; c < w.numbers.size(); ++c) {
            w.numbers[c] = Field(this);
            KeepRoomWhenHidden(*w.numbers[c]);
            grid->addWidget(w.numbers[c], row, int(c) + 1);
        }
        w.leakage = Field(this);
        KeepRoomWhenHidden(*w.leakage);
        grid->addWidget(w.leakage, row, int(kColumnCount) + 1);
    }
    const QString widest = tr("Выход 5, 2-я часть (2 половины)");
    grid->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance(widest));
    return grid;
}

void WindingWindow::ShowDesign(const DesignResult& calculated) {
    design_ = calculated;
    FillBobbins();
    Replan();
}

// The bobbins made for the design's core, the chosen one kept while the core has it.
void WindingWindow::FillBobbins() {
    const QString chosen = bobbin_->currentText();
    const QSignalBlocker quiet(bobbin_);
    bobbin_->clear();
    const CatalogueCore* core = winding::CatalogueCoreOf(design_->inputs);
    if (design_->inputs.coreType == CoreType::Ring) {
        bobbin_->addItem(tr("нет: кольцо"));
    } else if (const auto bobbins =
                   core ? winding::BobbinsOf(*core) : std::vector<const winding::Bobbin*>{};
               bobbins.empty()) {
        bobbin_->addItem(tr("по окну сердечника"));
    } else {
        for (const winding::Bobbin* bobbin : bobbins)
            bobbin_->addItem(QString::fromUtf8(bobbin->name.data(), qsizetype(bobbin->name.size())),
                             QVariant::fromValue(static_cast<const void*>(bobbin)));
    }
    bobbin_->setCurrentIndex(std::max(0, bobbin_->findText(chosen)));
    bobbin_->setEnabled(bobbin_->count() > 1);
}

winding::PlanOptions WindingWindow::options() const {
    winding::PlanOptions options;
    options.bobbin =
        static_cast<const winding::Bobbin*>(bobbin_->currentData().value<const void*>());
    options.wireGrade = grade_->currentIndex() + 1;
    options.interleave = interleave_->isChecked();
    if (tapeLayers_->value() != kAutomaticTapeLayers) options.tapeLayers = tapeLayers_->value();
    if (margin_->value() > kAutomaticMarginMm) options.marginMm = margin_->value();
    options.tripleInsulated = tripleInsulated_->isChecked();
    return options;
}

void WindingWindow::ChoiceChanged() {
    Replan();
    emit optionsChanged(options());
}

void WindingWindow::Replan() {
    if (!design_) return;
    plan_ = winding::PlanWinding(*design_, options());
    picture_->Show(plan_);
    ShowPlan();
}

void WindingWindow::ShowPlan() {
    const winding::Space& space = plan_.space;
    breadth_->setText(Number(space.breadthMm, FixedDecimals(2)));
    depth_->setText(Number(space.depthMm, FixedDecimals(2)));
    marginShown_->setText(Number(plan_.marginMm, FixedDecimals(2)));
    build_->setText(Number(plan_.buildMm, FixedDecimals(2)));
    fill_->setText(Number(plan_.fillPercent, FixedDecimals(1)));
    fits_->setText(plan_.fits ? tr("Обмотки помещаются.") : tr("Обмотки не помещаются!"));
    QPalette colour = fits_->palette();
    colour.setColor(QPalette::WindowText, plan_.fits ? QColor(20, 120, 40) : QColor(180, 0, 0));
    fits_->setPalette(colour);
    for (std::size_t i = 0; i < windings_.size(); ++i)
        ShowWinding(windings_[i], i < plan_.windings.size() ? &plan_.windings[i] : nullptr);

    QStringList notes;
    switch (space.kind) {
        case winding::SpaceKind::Bobbin:
            break;
        case winding::SpaceKind::Derived:
            notes << tr(
                "Каркас по окну сердечника: стенки как у каталожных каркасов того же "
                "семейства.");
            break;
        case winding::SpaceKind::Ring:
            notes << tr(
                "Кольцо без каркаса: каждый слой ложится на меньшую окружность отверстия; "
                "глубина — радиус отверстия.");
            break;
    }
    if (plan_.reinforced)
        notes << tr(
            "Сетевое питание: между первичной и выходами усиленная изоляция — не меньше "
            "трех слоев ленты и поля у щек (половина пути утечки 5 мм при 250 В).");
    if (!plan_.planned) notes << tr("Числа витков или жил расчета не позволяют составить намотку.");
    for (const Winding& w : plan_.windings)
        if (!w.StandardWire() && w.part != winding::Part::SecondHalf)
            notes << tr("%1: провода %2 мм нет в IEC 60317, взят ближайший %3 мм.")
                         .arg(WindingName(w), Number(w.enteredWireMm, FixedDecimals(3)),
                              Number(w.wireMm, FixedDecimals(3)));
    notes_->setText(notes.join(u'\n'));
}

void WindingWindow::ShowWinding(WindingRow& row, const Winding* w) {
    row.name->setVisible(w != nullptr);
    row.leakage->setVisible(w != nullptr);
    for (QLabel* number : row.numbers) number->setVisible(w != nullptr);
    if (!w) return;
    const QString tag = u"["_s + Tag(*w) + u"]"_s;
    row.name->setText(WindingName(*w));
    QPalette colour = row.name->palette();
    colour.setColor(QPalette::WindowText, WindingColour(*w));
    row.name->setPalette(colour);
    for (std::size_t c = 0; c < kColumnCount; ++c) {
        row.numbers[c]->setObjectName(kColumns[c].key.toString() + tag);
        row.numbers[c]->setText(Number(kColumns[c].value(*w), kColumns[c].decimals));
    }
    row.leakage->setObjectName(u"leakage_uH"_s + tag);
    row.leakage->setText(w->output > 0
                             ? Number(plan_.leakageH[w->output - 1] * kMicrohenry, FixedDecimals(3))
                             : QString());
}

}  // namespace toroglav::ui
