// The results group and the row of command buttons.

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/control_ids.h"
#include "ui/form_widgets.h"
#include "ui/main_form_parts.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr int kResultWidth = 60;
constexpr int kTurnsWidth = 62;  // "13 + 13(12,04)"
constexpr int kWireWidth = 40;   // "0,63 x 5"
constexpr int kNumberWidth = 32;

struct ResultRow {
    QString label;
    int id;
    QString unit;  // empty: no unit label
    int width = kResultWidth;
};

// Label, result and unit, one row each; the primary inductance has its unit as a result field.
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
        {u"Число витков первичной обмотки"_s, ids::kPrimaryTurns, {}, 62},
        {u"Диаметр провода первичной обмотки"_s, ids::kPrimaryWire, {}, 40},
        {u"Диаметр провода по скин-эффекту"_s, ids::kSkinDiameter, u"мм"_s},
    };
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(b.units().y(1));
    grid->setColumnStretch(0, 1);
    for (const ResultRow& row : rows) {
        const int line = grid->rowCount();
        grid->addWidget(b.Label(row.label), line, 0);
        grid->addWidget(b.Result(row.id, row.width), line, 1, Qt::AlignRight);
        if (!row.unit.isEmpty()) grid->addWidget(b.Label(row.unit), line, 2);
        if (row.id == ids::kInductance)
            grid->addWidget(b.Result(ids::kInductanceUnit, 20, Qt::AlignLeft), line, 2);
    }
    return grid;
}

// One row per output, numbered 1 to 5, under two-line column headings.
QGridLayout* BuildOutputResults(FormBuilder& b) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(b.units().y(1));
    const QString headings[] = {u"Число витков"_s, u"Диаметр мм х число жил"_s, u"Напр. мин, В"_s,
                                u"Напр. ном, В"_s, u"Напр. макс, В"_s};
    int column = 1;
    for (const QString& heading : headings)
        grid->addWidget(b.TwoLineLabel(heading, Qt::AlignHCenter), 0, column++, Qt::AlignBottom);
    grid->addWidget(
        b.TwoLineLabel(ids::kChokeHeading, u"Индуктивность дросселя, мкГн"_s, Qt::AlignHCenter), 0,
        column, Qt::AlignBottom);

    for (int k = 0; k < kOutputCount; ++k) {
        const int row = k + 1;
        grid->addWidget(b.Label(QString::number(row), Qt::AlignRight), row, 0);
        grid->addWidget(b.Result(ids::kOutTurns[k], kTurnsWidth, Qt::AlignLeft), row, 1);
        grid->addWidget(b.Result(ids::kOutWire[k], kWireWidth, Qt::AlignLeft), row, 2);
        grid->addWidget(b.Result(ids::kOutVmin[k], kNumberWidth), row, 3, Qt::AlignHCenter);
        grid->addWidget(b.Result(ids::kOutVnom[k], kNumberWidth), row, 4, Qt::AlignHCenter);
        grid->addWidget(b.Result(ids::kOutVmax[k], kNumberWidth), row, 5, Qt::AlignHCenter);
        grid->addWidget(b.Result(ids::kChoke[k], kWireWidth), row, 6, Qt::AlignHCenter);
    }
    return grid;
}

}  // namespace

QGroupBox* BuildResultsGroup(FormBuilder& b) {
    auto* box = new QGroupBox(u"Результаты расчета"_s, &b.dialog());
    auto* column = new QVBoxLayout(box);
    column->addLayout(BuildMainResults(b));
    column->addWidget(b.Label(u"Вторичные обмотки"_s, Qt::AlignHCenter));
    column->addLayout(BuildOutputResults(b));
    column->addStretch();
    return box;
}

QLayout* BuildCommandButtons(FormBuilder& b) {
    auto* row = new QHBoxLayout;
    row->addWidget(b.Button(ids::kSaveDesign, u"Сохранить"_s, 50));
    row->addWidget(b.Button(ids::kLoadDesign, u"Загрузить"_s, 50));
    row->addWidget(b.Button(ids::kSaveReport, u"Сохранить как текст"_s, 90));
    row->addStretch();
    QPushButton* calculate = b.Button(ids::kCalculate, u"Рассчитать!"_s, 50);
    calculate->setDefault(true);
    row->addWidget(calculate);
    row->addWidget(b.Button(ids::kExit, u"Выход"_s, 50));
    return row;
}

}  // namespace toroglav::ui
