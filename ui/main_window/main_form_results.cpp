// The results group and the row of command buttons.

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "calc/design/shown_results.h"
#include "ui/main_window/control_ids.h"
#include "ui/main_window/form_builder.h"
#include "ui/main_window/main_form_parts.h"
#include "ui/main_window/record_words.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// The longest texts real designs give each kind of result; inf and nan are shorter, but for the
// strands of a wire, whose "nan" is wider than two digits.
constexpr QStringView kNumber = u"00000,000";
constexpr QStringView kPrimaryTurns = u"000 + 000 (000,00)";
constexpr QStringView kOutputTurns = u"000 + 000(000,00)";
constexpr QStringView kWire = u"0,00 x nan";
constexpr QStringView kVoltage = u"0000,0";
constexpr QStringView kChoke = u"00000,00";

// The wider of the two units the primary inductance is shown in, in the window's language.
QString WiderInductanceUnit(const FormBuilder& b) {
    const QString units[] = {ShownResult(shown::kMicrohenry), ShownResult(shown::kMillihenry)};
    return std::ranges::max(units, {}, [&](const QString& unit) {
        return b.dialog().fontMetrics().horizontalAdvance(unit);
    });
}

enum { kLabelColumn, kResultColumn, kUnitColumn };

struct ResultRow {
    QString label;
    int id;
    QString unit;  // empty: no unit label
};

// Label, result and unit, one row each; the primary inductance has its unit as a result field.
// The results fill the room between the labels and the units, and all end at the units.
QGridLayout* BuildMainResults(FormBuilder& b) {
    const ResultRow rows[] = {
        {MainForm::tr("Площадь сечения магнитопровода"), ids::kAe, MainForm::tr("мм2")},
        {MainForm::tr("Площадь окна магнитопровода"), ids::kSo, MainForm::tr("мм2")},
        {MainForm::tr("Мощность потерь в магнитопроводе"), ids::kCoreLoss, MainForm::tr("Вт")},
        {MainForm::tr("Ожидаемый перегрев магнитопровода"), ids::kOverheat,
         MainForm::tr("градусов")},
        {MainForm::tr("Габаритная мощность трансформатора"), ids::kPowerOverall,
         MainForm::tr("Вт")},
        {MainForm::tr("Потребляемая нагрузкой мощность"), ids::kPowerLoad, MainForm::tr("Вт")},
        {MainForm::tr("Индуктивность первичной обмотки"), ids::kInductance, {}},
        {MainForm::tr("Ток намагничивания первичной обмотки"), ids::kMagnetizingCurrent,
         MainForm::tr("А")},
        {MainForm::tr("Амплитуда тока первичной обмотки"), ids::kPrimaryCurrentPeak,
         MainForm::tr("А")},
        {MainForm::tr("Ток потребления"), ids::kSupplyCurrent, MainForm::tr("А")},
        {MainForm::tr("КПД без учета потерь в обмотках"), ids::kEfficiency, u"%"_s},
        {MainForm::tr("Число витков первичной обмотки"), ids::kPrimaryTurns, {}},
        {MainForm::tr("Диаметр провода первичной обмотки"), ids::kPrimaryWire, {}},
        {MainForm::tr("Диаметр провода по скин-эффекту"), ids::kSkinDiameter, MainForm::tr("мм")},
    };
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(b.units().y(1));
    grid->setColumnStretch(kResultColumn, 1);
    for (const ResultRow& row : rows) {
        const int line = grid->rowCount();
        grid->addWidget(b.Label(row.label), line, kLabelColumn);
        const QStringView widest = row.id == ids::kPrimaryTurns  ? kPrimaryTurns
                                   : row.id == ids::kPrimaryWire ? kWire
                                                                 : kNumber;
        grid->addWidget(b.Result(row.id, widest), line, kResultColumn);
        if (row.id == ids::kInductance)
            grid->addWidget(b.Result(ids::kInductanceUnit, WiderInductanceUnit(b), Qt::AlignLeft),
                            line, kUnitColumn);
        else if (!row.unit.isEmpty())
            grid->addWidget(b.Label(row.unit), line, kUnitColumn);
    }
    return grid;
}

// One row per output, numbered 1 to 5, under column headings of two lines (the wire's of three,
// which keeps its column as narrow as the wire texts).
QGridLayout* BuildOutputResults(FormBuilder& b) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(b.units().y(1));
    grid->setHorizontalSpacing(b.ColumnGap());
    const std::pair<QString, int> headings[] = {
        {MainForm::tr("Число витков"), 2},  {MainForm::tr("Диаметр мм х число жил"), 3},
        {MainForm::tr("Напр. мин, В"), 2},  {MainForm::tr("Напр. ном, В"), 2},
        {MainForm::tr("Напр. макс, В"), 2},
    };
    int column = 1;
    for (const auto& [heading, lines] : headings)
        grid->addWidget(b.WrappedLabel(heading, lines, Qt::AlignHCenter), 0, column++,
                        Qt::AlignBottom);
    grid->addWidget(b.WrappedLabel(ids::kChokeHeading, MainForm::tr("Индуктивность дросселя, мкГн"),
                                   2, Qt::AlignHCenter),
                    0, column, Qt::AlignBottom);

    for (int k = 0; k < kOutputCount; ++k) {
        const int row = k + 1;
        // The number keeps its distance from the turns beside it ("1  13 + 13", not "113 + 13").
        QLabel* number = b.Label(QString::number(row), Qt::AlignRight);
        number->setContentsMargins(0, 0, b.units().x(3), 0);
        grid->addWidget(number, row, 0);
        grid->addWidget(b.Result(ids::kOutTurns[k], kOutputTurns, Qt::AlignLeft), row, 1);
        grid->addWidget(b.Result(ids::kOutWire[k], kWire, Qt::AlignLeft), row, 2);
        grid->addWidget(b.Result(ids::kOutVmin[k], kVoltage, Qt::AlignHCenter), row, 3);
        grid->addWidget(b.Result(ids::kOutVnom[k], kVoltage, Qt::AlignHCenter), row, 4);
        grid->addWidget(b.Result(ids::kOutVmax[k], kVoltage, Qt::AlignHCenter), row, 5);
        grid->addWidget(b.Result(ids::kChoke[k], kChoke, Qt::AlignHCenter), row, 6);
    }
    return grid;
}

}  // namespace

QGroupBox* BuildResultsGroup(FormBuilder& b) {
    auto* box = new QGroupBox(MainForm::tr("Результаты расчета"), &b.dialog());
    auto* column = new QVBoxLayout(box);
    b.SetNarrowMargins(*column);
    column->addLayout(BuildMainResults(b));
    column->addWidget(b.Label(MainForm::tr("Вторичные обмотки"), Qt::AlignHCenter));
    column->addLayout(BuildOutputResults(b));
    column->addStretch();
    return box;
}

QLayout* BuildCommandButtons(FormBuilder& b) {
    constexpr int kButtonWidth = 50;      // dialog units
    constexpr int kWideButtonWidth = 90;  // "Сохранить как текст"
    auto* row = new QHBoxLayout;
    row->addWidget(b.Button(ids::kSaveDesign, MainForm::tr("Сохранить"), kButtonWidth));
    row->addWidget(b.Button(ids::kLoadDesign, MainForm::tr("Загрузить"), kButtonWidth));
    row->addWidget(
        b.Button(ids::kSaveReport, MainForm::tr("Сохранить как текст"), kWideButtonWidth));
    row->addStretch();
    QPushButton* calculate = b.Button(ids::kCalculate, MainForm::tr("Рассчитать!"), kButtonWidth);
    calculate->setDefault(true);
    row->addWidget(calculate);
    row->addWidget(b.Button(ids::kExit, MainForm::tr("Выход"), kButtonWidth));
    return row;
}

}  // namespace toroglav::ui
