// The left half of the form: converter scheme, input data, secondary windings and rectifiers.

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/control_ids.h"
#include "ui/form_widgets.h"
#include "ui/main_form_parts.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr int kEditWidth = 30;    // input edits of the upper rows
constexpr int kOutputWidth = 24;  // edits of the five output columns
constexpr int kBesideWidth = 70;  // column of results and option radios beside the edits
constexpr int kRowSpacing = 2;    // pixels; the rows are dense, as on the dialog they come from

// Columns of the upper rows.
enum { kLabelColumn, kEditColumn, kBesideColumn };

void AddRow(QGridLayout& grid, QLabel* label, QWidget* edit, QWidget* beside = nullptr) {
    const int row = grid.rowCount();
    grid.addWidget(label, row, kLabelColumn);
    grid.addWidget(edit, row, kEditColumn);
    if (beside) grid.addWidget(beside, row, kBesideColumn);
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

// Magnetic and converter data, switch drop and supply, down to the stabilisation option.
QGridLayout* BuildOperatingRows(FormBuilder& b) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(kRowSpacing);
    grid->setColumnStretch(kLabelColumn, 1);
    grid->setColumnMinimumWidth(kBesideColumn, b.units().x(kBesideWidth));

    auto* headings = new QVBoxLayout;
    headings->setSpacing(0);
    headings->addWidget(b.Label(u"Индукция"_s, Qt::AlignHCenter));
    headings->addWidget(b.Label(u"мин.    ном.    макс."_s, Qt::AlignHCenter));
    grid->addLayout(headings, 0, kBesideColumn);

    AddRow(*grid, b.Label(u"Магнитная проницаемость, эффективная"_s),
           b.Edit(ids::kPermeability, kEditWidth));
    AddRow(*grid, b.Label(u"Индукция, максимальная, Т"_s), b.Edit(ids::kInductionMax, kEditWidth),
           b.Result(ids::kInductionRange, kBesideWidth, Qt::AlignHCenter));
    AddRow(*grid, b.Label(u"Коэффициент заполнения окна"_s), b.Edit(ids::kWindowFill, kEditWidth),
           b.Result(ids::kWindowFillResult, kBesideWidth, Qt::AlignLeft));
    AddRow(*grid, b.Label(u"Плотность тока, А/мм2"_s), b.Edit(ids::kCurrentDensity, kEditWidth));
    AddRow(*grid, b.Label(u"Частота преобразования, кГц"_s), b.Edit(ids::kFrequency, kEditWidth));
    AddRow(*grid, b.Label(u"Коэффициент заполнения импульса, макс."_s),
           b.Edit(ids::kDutyMax, kEditWidth), b.Radio(ids::kController[0], u"TL494 и т.п."_s));
    AddRow(*grid, b.Label(u"Мертвое время (dead time), минимум, мкс"_s),
           b.Edit(ids::kDeadTime, kEditWidth), b.Radio(ids::kController[1], u"Другие"_s));
    AddRow(*grid, b.Label(u"Сопротивление канала Rds(on), Ом"_s), b.Edit(ids::kRdsOn, kEditWidth),
           b.Radio(ids::kSwitchDrop[1], u"Rds(on)"_s));
    AddRow(*grid, b.Label(u"Напряжение насыщения Uнас., В"_s), b.Edit(ids::kUsat, kEditWidth),
           b.Radio(ids::kSwitchDrop[0], u"Uнас."_s));
    b.GroupRadios(ids::kController);
    b.GroupRadios(ids::kSwitchDrop);

    int row = grid->rowCount();
    grid->addWidget(b.Label(u"Напряжение питания (мин., ном., макс.), В"_s), row, kLabelColumn);
    grid->addLayout(Row({b.Edit(ids::kSupplyMin, kEditWidth), b.Edit(ids::kSupplyNom, kEditWidth),
                         b.Edit(ids::kSupplyMax, kEditWidth)}),
                    row, kEditColumn, 1, 2);
    grid->addLayout(Row({b.Radio(ids::kSupplyKind[0], u"Постоянное"_s),
                         b.Radio(ids::kSupplyKind[1], u"Сетевое"_s)}),
                    ++row, kEditColumn, 1, 2);
    b.GroupRadios(ids::kSupplyKind);

    grid->addWidget(b.Label(u"Вторичные обмотки"_s, Qt::AlignHCenter), ++row, kLabelColumn, 1, 3);
    grid->addWidget(b.Label(u"Стабилизация выходных напряжений"_s), ++row, kLabelColumn);
    // "Есть" stands left of "Нет", but "Нет" is option 0.
    grid->addLayout(Row({b.Radio(ids::kStabilization[1], u"Есть"_s),
                         b.Radio(ids::kStabilization[0], u"Нет"_s)}),
                    row, kEditColumn, 1, 2);
    b.GroupRadios(ids::kStabilization);
    return grid;
}

void AddOutputEdits(FormBuilder& b, QGridLayout& grid, int row, const ids::PerOutput& ids) {
    for (int k = 0; k < kOutputCount; ++k) grid.addWidget(b.Edit(ids[k], kOutputWidth), row, k + 1);
}

void AddOutputRow(FormBuilder& b, QGridLayout& grid, const QString& label,
                  const ids::PerOutput& ids) {
    const int row = grid.rowCount();
    grid.addWidget(b.Label(label), row, 0);
    AddOutputEdits(b, grid, row, ids);
}

// Five columns, output 1 to output 5, then the rectifier kind of each output.
QGridLayout* BuildOutputRows(FormBuilder& b) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(kRowSpacing);
    grid->setColumnStretch(0, 1);
    AddOutputRow(b, *grid, u"Номинальное напряжение, В"_s, ids::kOutVoltage);
    AddOutputRow(b, *grid, u"Номинальный ток, А"_s, ids::kOutCurrent);
    AddOutputRow(b, *grid, u"Минимальный ток, А"_s, ids::kOutCurrentMin);
    AddOutputRow(b, *grid, u"Падение на диодах, В"_s, ids::kDiodeDrop);

    // The wire row carries the primary's wire too, ahead of the outputs' "2...".
    auto* wire = new QHBoxLayout;
    wire->addWidget(b.TwoLineLabel(u"Диаметр провода         1 (желаемый)"_s));
    wire->addStretch();
    wire->addWidget(b.Edit(ids::kWirePrimary, kOutputWidth));
    wire->addWidget(b.Label(u"2..."_s));
    const int wireRow = grid->rowCount();
    grid->addLayout(wire, wireRow, 0);
    AddOutputEdits(b, *grid, wireRow, ids::kWireOut);

    grid->addWidget(b.Label(u"Выпрямление:"_s), grid->rowCount(), 0);
    const QString kinds[] = {u"Однополярное, со средней точкой:"_s,
                             u"Двухполярное, со средней точкой:"_s, u"Мостовое"_s};
    const int firstRow = grid->rowCount();
    for (int kind = 0; kind < 3; ++kind) {
        grid->addWidget(b.Label(kinds[kind]), firstRow + kind, 0);
        for (int k = 0; k < kOutputCount; ++k)
            grid->addWidget(b.Radio(ids::kRectifier[k][kind]), firstRow + kind, k + 1,
                            Qt::AlignHCenter);
    }
    for (const auto& group : ids::kRectifier) b.GroupRadios(group);
    return grid;
}

}  // namespace

QGroupBox* BuildConverterGroup(FormBuilder& b) {
    auto* box = new QGroupBox(u"Схема преобразователя"_s, &b.dialog());
    auto* row = new QHBoxLayout(box);
    row->addWidget(b.Radio(ids::kConverter[0], u"Пуш-пул"_s));
    row->addWidget(b.Radio(ids::kConverter[1], u"Полумостовая"_s));
    row->addWidget(b.Radio(ids::kConverter[2], u"Мостовая"_s));
    b.GroupRadios(ids::kConverter);
    return box;
}

QGroupBox* BuildInputGroup(FormBuilder& b) {
    auto* box = new QGroupBox(u"Исходные данные"_s, &b.dialog());
    auto* column = new QVBoxLayout(box);
    column->setSpacing(kRowSpacing);
    column->addLayout(BuildOperatingRows(b));
    column->addLayout(BuildOutputRows(b));
    column->addStretch();
    return box;
}

}  // namespace toroglav::ui
