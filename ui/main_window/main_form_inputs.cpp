// The left half of the form: converter scheme, input data, secondary windings and rectifiers.

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/main_window/control_ids.h"
#include "ui/main_window/form_builder.h"
#include "ui/main_window/main_form_parts.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// Characters the edits hold: six in the upper rows and the output columns, seven for the supply.
constexpr int kNumberEdit = 6;
constexpr int kSupplyEdit = 7;
constexpr int kRowSpacing = 2;  // pixels; the rows are dense, as on the dialog they come from

// One grid for the whole group, so the output columns line up under the edits above them: the
// upper rows put their edit in the column of output 2 and what stands beside it (a result, an
// option) over outputs 3 to 5. The supply's three wider edits start in the same column.
enum Column {
    kLabelColumn = 0,
    kOutputColumn = 1,  // output k takes column kOutputColumn + k
    kEditColumn = 2,
    kBesideColumn = 3,
};
constexpr int kUpperLabelSpan = kEditColumn - kLabelColumn;
constexpr int kBesideSpan = kOutputColumn + kOutputCount - kBesideColumn;
constexpr int kAllColumns = kOutputColumn + kOutputCount;
constexpr int kFromEditSpan = kAllColumns - kEditColumn;

void AddUpperRow(QGridLayout& grid, QLabel* label, QWidget* edit, QWidget* beside = nullptr) {
    const int row = grid.rowCount();
    grid.addWidget(label, row, kLabelColumn, 1, kUpperLabelSpan);
    grid.addWidget(edit, row, kEditColumn, Qt::AlignHCenter);
    if (beside) grid.addWidget(beside, row, kBesideColumn, 1, kBesideSpan);
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

// Magnetic and converter data, switch drop and supply, down to the stabilisation option.
void AddOperatingRows(FormBuilder& b, QGridLayout& grid) {
    auto* headings = new QVBoxLayout;
    headings->setSpacing(0);
    headings->addWidget(b.Label(u"Индукция"_s, Qt::AlignHCenter));
    headings->addWidget(b.Label(u"мин.    ном.    макс."_s, Qt::AlignHCenter));
    grid.addLayout(headings, 0, kBesideColumn, 1, kBesideSpan);

    AddUpperRow(grid, b.Label(u"Магнитная проницаемость, эффективная"_s),
                b.Edit(ids::kPermeability, kNumberEdit));
    AddUpperRow(grid, b.Label(u"Индукция, максимальная, Т"_s),
                b.Edit(ids::kInductionMax, kNumberEdit),
                b.Result(ids::kInductionRange, u"0,000; 0,000; 0,000", Qt::AlignHCenter));
    AddUpperRow(grid, b.Label(u"Коэффициент заполнения окна"_s),
                b.Edit(ids::kWindowFill, kNumberEdit),
                b.Result(ids::kWindowFillResult, u"00,000 (расчет)", Qt::AlignLeft));
    AddUpperRow(grid, b.Label(u"Плотность тока, А/мм2"_s),
                b.Edit(ids::kCurrentDensity, kNumberEdit));
    AddUpperRow(grid, b.Label(u"Частота преобразования, кГц"_s),
                b.Edit(ids::kFrequency, kNumberEdit));
    AddUpperRow(grid, b.Label(u"Коэффициент заполнения импульса, макс."_s),
                b.Edit(ids::kDutyMax, kNumberEdit),
                b.Radio(ids::kController[0], u"TL494 и т.п."_s));
    AddUpperRow(grid, b.Label(u"Мертвое время (dead time), минимум, мкс"_s),
                b.Edit(ids::kDeadTime, kNumberEdit), b.Radio(ids::kController[1], u"Другие"_s));
    AddUpperRow(grid, b.Label(u"Сопротивление канала Rds(on), Ом"_s),
                b.Edit(ids::kRdsOn, kNumberEdit), b.Radio(ids::kSwitchDrop[1], u"Rds(on)"_s));
    AddUpperRow(grid, b.Label(u"Напряжение насыщения Uнас., В"_s), b.Edit(ids::kUsat, kNumberEdit),
                b.Radio(ids::kSwitchDrop[0], u"Uнас."_s));
    b.GroupRadios(ids::kController);
    b.GroupRadios(ids::kSwitchDrop);

    int row = grid.rowCount();
    grid.addWidget(b.Label(u"Напряжение питания (мин., ном., макс.), В"_s), row, kLabelColumn, 1,
                   kUpperLabelSpan);
    grid.addLayout(Row({b.Edit(ids::kSupplyMin, kSupplyEdit), b.Edit(ids::kSupplyNom, kSupplyEdit),
                        b.Edit(ids::kSupplyMax, kSupplyEdit)}),
                   row, kEditColumn, 1, kFromEditSpan);
    grid.addLayout(Row({b.Radio(ids::kSupplyKind[0], u"Постоянное"_s),
                        b.Radio(ids::kSupplyKind[1], u"Сетевое"_s)}),
                   ++row, kEditColumn, 1, kFromEditSpan);
    b.GroupRadios(ids::kSupplyKind);

    grid.addWidget(b.Label(u"Вторичные обмотки"_s, Qt::AlignHCenter), ++row, kLabelColumn, 1,
                   kAllColumns);
    grid.addWidget(b.Label(u"Стабилизация выходных напряжений"_s), ++row, kLabelColumn, 1,
                   kUpperLabelSpan);
    // "Есть" stands left of "Нет", but "Нет" is option 0.
    grid.addLayout(Row({b.Radio(ids::kStabilization[1], u"Есть"_s),
                        b.Radio(ids::kStabilization[0], u"Нет"_s)}),
                   row, kEditColumn, 1, kFromEditSpan);
    b.GroupRadios(ids::kStabilization);
}

void AddOutputEdits(FormBuilder& b, QGridLayout& grid, int row, const ids::PerOutput& ids) {
    for (int k = 0; k < kOutputCount; ++k)
        grid.addWidget(b.Edit(ids[k], kNumberEdit), row, kOutputColumn + k, Qt::AlignHCenter);
}

void AddOutputRow(FormBuilder& b, QGridLayout& grid, const QString& label,
                  const ids::PerOutput& ids) {
    const int row = grid.rowCount();
    grid.addWidget(b.Label(label), row, kLabelColumn);
    AddOutputEdits(b, grid, row, ids);
}

// Five columns, output 1 to output 5, then the rectifier kind of each output.
void AddOutputRows(FormBuilder& b, QGridLayout& grid) {
    AddOutputRow(b, grid, u"Номинальное напряжение, В"_s, ids::kOutVoltage);
    AddOutputRow(b, grid, u"Номинальный ток, А"_s, ids::kOutCurrent);
    AddOutputRow(b, grid, u"Минимальный ток, А"_s, ids::kOutCurrentMin);
    AddOutputRow(b, grid, u"Падение на диодах, В"_s, ids::kDiodeDrop);

    // The wire row carries the primary's wire too, ahead of the outputs' "2...".
    auto* wire = new QHBoxLayout;
    wire->addWidget(b.WrappedLabel(u"Диаметр провода         1 (желаемый)"_s, 2));
    wire->addStretch();
    wire->addWidget(b.Edit(ids::kWirePrimary, kNumberEdit));
    wire->addWidget(b.Label(u"2..."_s));
    const int wireRow = grid.rowCount();
    grid.addLayout(wire, wireRow, kLabelColumn);
    AddOutputEdits(b, grid, wireRow, ids::kWireOut);

    grid.addWidget(b.Label(u"Выпрямление:"_s), grid.rowCount(), kLabelColumn);
    const QString kinds[] = {u"Однополярное, со средней точкой:"_s,
                             u"Двухполярное, со средней точкой:"_s, u"Мостовое"_s};
    const int firstRow = grid.rowCount();
    for (int kind = 0; kind < 3; ++kind) {
        grid.addWidget(b.Label(kinds[kind]), firstRow + kind, kLabelColumn);
        for (int k = 0; k < kOutputCount; ++k)
            grid.addWidget(b.Radio(ids::kRectifier[k][kind]), firstRow + kind, kOutputColumn + k,
                           Qt::AlignHCenter);
    }
    for (const auto& group : ids::kRectifier) b.GroupRadios(group);
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
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(kRowSpacing);
    grid->setHorizontalSpacing(b.ColumnGap());
    grid->setColumnStretch(kLabelColumn, 1);
    AddOperatingRows(b, *grid);
    AddOutputRows(b, *grid);
    auto* column = new QVBoxLayout(box);
    b.SetNarrowMargins(*column);
    column->addLayout(grid);
    column->addStretch();
    return box;
}

}  // namespace toroglav::ui
