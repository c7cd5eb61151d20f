// The results group and the row of command buttons.

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/main_window/control_ids.h"
#include "ui/main_window/form_builder.h"
#include "ui/main_window/main_form_parts.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// The longest texts real designs give each kind of result; inf and nan are shorter.
constexpr QStringView kNumber = u"00000,000";
constexpr QStringView kPrimaryTurns = u"000 + 000 (000,00)";
constexpr QStringView kOutputTurns = u"000 + 000(000,00)";
constexpr QStringView kWire = u"0,00 x 00";
constexpr QStringView kVoltage = u"0000,0";
constexpr QStringView kChoke = u"00000,00";
constexpr QStringView kInductanceUnit = u"мкГн";

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
        {u"Площадь сечения магнитопровода"_s, ids::kAe, u"мм2"_s},
        {u"Площадь окна магнитопровода"_s, ids::kSo, u"мм2"_s},
        {u"Мощность потерь в магнитопроводе"_s, ids::kCoreLoss, u"Вт"_s},
        {u"Ожидаемый перегрев магнитопровода"_s, ids::kOverheat, u"градусов"_s},
        {u"Габаритная мощность трансформатора"_s, ids::kPowerOverall, u"Вт"_s},
        {u"Потребляемая нагрузкой мощность"_s, ids::kPowerLoad, u"Вт"_s},
        {u"Индуктивность первичной обмотки"_s, ids::kInductance, {}},
        {u"Ток намагничивания первичной обмотки"_s, ids::kMagnetizingCurrent, u"А"_s},
        {u"Амплитуда тока первичной обмотки"_s, ids::kPrimaryCurrentPeak, u"А"_s},
        {u"Ток потребления"_s, ids::kSupplyCurrent, u"А"_s},
        {u"КПД без учета потерь в обмотках"_s, ids::kEfficiency, u"%"_s},
        {u"Число витков первичной обмотки"_s, ids::kPrimaryTurns, {}},
        {u"Диаметр провода первичной обмотки"_s, ids::kPrimaryWire, {}},
        {u"Диаметр провода по скин-эффекту"_s, ids::kSkinDiameter, u"мм"_s},
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
            grid->addWidget(b.Result(ids::kInductanceUnit, kInductanceUnit, Qt::AlignLeft), line,
                            kUnitColumn);
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
        {u"Число витков"_s, 2}, {u"Диаметр мм х число жил"_s, 3}, {u"Напр. мин, В"_s, 2},
        {u"Напр. ном, В"_s, 2}, {u"Напр. макс, В"_s, 2},
    };
    int column = 1;
    for (const auto& [heading, lines] : headings)
        grid->addWidget(b.WrappedLabel(heading, lines, Qt::AlignHCenter), 0, column++,
                        Qt::AlignBottom);
    grid->addWidget(
        b.WrappedLabel(ids::kChokeHeading, u"Индуктивность дросселя, мкГн"_s, 2, Qt::AlignHCenter),
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
    auto* box = new QGroupBox(u"Результаты расчета"_s, &b.dialog());
    auto* column = new QVBoxLayout(box);
    b.SetNarrowMargins(*column);
    column->addLayout(BuildMainResults(b));
    column->addWidget(b.Label(u"Вторичные обмотки"_s, Qt::AlignHCenter));
    column->addLayout(BuildOutputResults(b));
    column->addStretch();
    return box;
}

QLayout* BuildCommandButtons(FormBuilder& b) {
    constexpr int kButtonWidth = 50;      // dialog units
    constexpr int kWideButtonWidth = 90;  // "Сохранить как текст"
    auto* row = new QHBoxLayout;
    row->addWidget(b.Button(ids::kSaveDesign, u"Сохранить"_s, kButtonWidth));
    row->addWidget(b.Button(ids::kLoadDesign, u"Загрузить"_s, kButtonWidth));
    row->addWidget(b.Button(ids::kSaveReport, u"Сохранить как текст"_s, kWideButtonWidth));
    row->addStretch();
    QPushButton* calculate = b.Button(ids::kCalculate, u"Рассчитать!"_s, kButtonWidth);
    calculate->setDefault(true);
    row->addWidget(calculate);
    row->addWidget(b.Button(ids::kExit, u"Выход"_s, kButtonWidth));
    return row;
}

}  // namespace toroglav::ui
