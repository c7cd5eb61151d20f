// The left half of the form: converter scheme, input data, secondary windings and rectifiers.

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calc/design/shown_results.h"
#include "ui/main_window/control_ids.h"
#include "ui/main_window/form_builder.h"
#include "ui/main_window/main_form_parts.h"
#include "ui/main_window/record_words.h"

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
    headings->addWidget(b.Label(MainForm::tr("Индукция"), Qt::AlignHCenter));
    headings->addWidget(b.Label(MainForm::tr("мин.    ном.    макс."), Qt::AlignHCenter));
    grid.addLayout(headings, 0, kBesideColumn, 1, kBesideSpan);

    AddUpperRow(grid, b.Label(MainForm::tr("Магнитная проницаемость, эффективная")),
                b.Edit(ids::kPermeability, kNumberEdit));
    AddUpperRow(grid, b.Label(MainForm::tr("Индукция, максимальная, Т")),
                b.Edit(ids::kInductionMax, kNumberEdit),
                b.Result(ids::kInductionRange, u"0,000; 0,000; 0,000", Qt::AlignHCenter));
    AddUpperRow(grid, b.Label(MainForm::tr("Коэффициент заполнения окна")),
                b.Edit(ids::kWindowFill, kNumberEdit),
                b.Result(ids::kWindowFillResult, u"00,000"_s + ShownResult(shown::kCalculatedMark),
                         Qt::AlignLeft));
    AddUpperRow(grid, b.Label(MainForm::tr("Плотность тока, А/мм2")),
                b.Edit(ids::kCurrentDensity, kNumberEdit));
    AddUpperRow(grid, b.Label(MainForm::tr("Частота преобразования, кГц")),
                b.Edit(ids::kFrequency, kNumberEdit));
    AddUpperRow(grid, b.Label(MainForm::tr("Коэффициент заполнения импульса, макс.")),
                b.Edit(ids::kDutyMax, kNumberEdit),
                b.Radio(ids::kController[0], MainForm::tr("TL494 и т.п.")));
    AddUpperRow(grid, b.Label(MainForm::tr("Мертвое время (dead time), минимум, мкс")),
                b.Edit(ids::kDeadTime, kNumberEdit),
                b.Radio(ids::kController[1], MainForm::tr("Другие")));
    AddUpperRow(grid, b.Label(MainForm::tr("Сопротивление канала Rds(on), Ом")),
                b.Edit(ids::kRdsOn, kNumberEdit), b.Radio(ids::kSwitchDrop[1], u"Rds(on)"_s));
    AddUpperRow(grid, b.Label(MainForm::tr("Напряжение насыщения Uнас., В")),
                b.Edit(ids::kUsat, kNumberEdit),
                b.Radio(ids::kSwitchDrop[0], MainForm::tr("Uнас.")));
    b.GroupRadios(ids::kController);
    b.GroupRadios(ids::kSwitchDrop);

    int row = grid.rowCount();
    grid.addWidget(b.Label(MainForm::tr("Напряжение питания (мин., ном., макс.), В")), row,
                   kLabelColumn, 1, kUpperLabelSpan);
    grid.addLayout(Row({b.Edit(ids::kSupplyMin, kSupplyEdit), b.Edit(ids::kSupplyNom, kSupplyEdit),
                        b.Edit(ids::kSupplyMax, kSupplyEdit)}),
                   row, kEditColumn, 1, kFromEditSpan);
    grid.addLayout(Row({b.Radio(ids::kSupplyKind[0], MainForm::tr("Постоянное")),
                        b.Radio(ids::kSupplyKind[1], MainForm::tr("Сетевое"))}),
                   ++row, kEditColumn, 1, kFromEditSpan);
    b.GroupRadios(ids::kSupplyKind);

    grid.addWidget(b.Label(MainForm::tr("Вторичные обмотки"), Qt::AlignHCenter), ++row,
                   kLabelColumn, 1, kAllColumns);
    grid.addWidget(b.Label(MainForm::tr("Стабилизация выходных напряжений")), ++row, kLabelColumn,
                   1, kUpperLabelSpan);
    // "Есть" stands left of "Нет", but "Нет" is option 0.
    grid.addLayout(Row({b.Radio(ids::kStabilization[1], MainForm::tr("Есть")),
                        b.Radio(ids::kStabilization[0], MainForm::tr("Нет"))}),
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
    AddOutputRow(b, grid, MainForm::tr("Номинальное напряжение, В"), ids::kOutVoltage);
    AddOutputRow(b, grid, MainForm::tr("Номинальный ток, А"), ids::kOutCurrent);
    AddOutputRow(b, grid, MainForm::tr("Минимальный ток, А"), ids::kOutCurrentMin);
    AddOutputRow(b, grid, MainForm::tr("Падение на диодах, В"), ids::kDiodeDrop);

    // The wire row carries the primary's wire too, ahead of the outputs' "2...".
    auto* wire = new QHBoxLayout;
    wire->addWidget(b.WrappedLabel(MainForm::tr("Диаметр провода         1 (желаемый)"), 2));
    wire->addStretch();
    wire->addWidget(b.Edit(ids::kWirePrimary, kNumberEdit));
    wire->addWidget(b.Label(u"2..."_s));
    const int wireRow = grid.rowCount();
    grid.addLayout(wire, wireRow, kLabelColumn);
    AddOutputEdits(b, grid, wireRow, ids::kWireOut);

    grid.addWidget(b.Label(MainForm::tr("Выпрямление:")), grid.rowCount(), kLabelColumn);
    const QString kinds[] = {MainForm::tr("Однополярное, со средней точкой:"),
                             MainForm::tr("Двухполярное, со средней точкой:"),
                             MainForm::tr("Мостовое")};
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
    auto* box = new QGroupBox(MainForm::tr("Схема преобразователя"), &b.dialog());
    auto* row = new QHBoxLayout(box);
    row->addWidget(b.Radio(ids::kConverter[0], MainForm::tr("Пуш-пул")));
    row->addWidget(b.Radio(ids::kConverter[1], MainForm::tr("Полумостовая")));
    row->addWidget(b.Radio(ids::kConverter[2], MainForm::tr("Мостовая")));
    b.GroupRadios(ids::kConverter);
    return box;
}

QGroupBox* BuildInputGroup(FormBuilder& b) {
    auto* box = new QGroupBox(MainForm::tr("Исходные данные"), &b.dialog());
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
