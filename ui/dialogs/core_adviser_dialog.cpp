#include "ui/dialogs/core_adviser_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

#include "calc/analysis/advice_columns.h"
#include "calc/record/option_values.h"
#include "ui/dialogs/loss_window.h"
#include "ui/main_window/core_views.h"
#include "ui/services/qstring_cp1251.h"
#include "ui/widgets/dialog_units.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// The core types as their radios name them; an unknown one as "other".
QString CoreTypeName(std::int32_t coreType) {
    const CoreView* view = CoreViewFor(coreType);
    return (view ? view : CoreViewFor(IndexOf(CoreType::Other)))->name.toString();
}

// The caption of each column, by its heading (two lines keep the columns within a small screen).
struct ColumnCaption {
    std::string_view heading;
    QStringView caption;
};
constexpr ColumnCaption kColumnCaptions[] = {
    {"name", u"Магнитопровод"},
    {"core type", u"Тип"},
    {"volume, cm3", u"Объем,\nсм3"},
    {"primary turns", u"Витки\nпервичной"},
    {"window fill", u"Заполнение\nокна"},
    {"core loss, W", u"Потери в\nсердечнике, Вт"},
    {"copper loss, W", u"Потери в\nобмотках, Вт"},
    {"total loss, W", u"Суммарные\nпотери, Вт"},
    {"core temperature, C", u"Температура\nсердечника, °C"},
    {"efficiency, %", u"КПД, %"},
};

QString CaptionOf(std::string_view heading) {
    for (const auto& [known, caption] : kColumnCaptions)
        if (known == heading) return caption.toString();
    return QString::fromStdString(std::string(heading));
}

// The core type column shows the type as its radio names it, the others their text.
constexpr std::string_view kCoreTypeHeading = "core type";

QString FailedCriterion(const Advice& advice) {
    switch (advice.MostFailed()) {
        case AdviceCriterion::FiniteResults:
            return u"результаты не получаются числами"_s;
        case AdviceCriterion::NoWarning:
            return u"расчет дает предупреждение"_s;
        case AdviceCriterion::WindowFill:
            return u"обмотки не помещаются в окно"_s;
        case AdviceCriterion::LossesJudged:
            return u"потери не оценить: %1"_s.arg(
                UnjudgedText(advice.unjudged, advice.unjudgedOutput));
        case AdviceCriterion::TemperatureRise:
            return u"перегрев сердечника больше %1 °C, тепловой разгон или нагрев выше данных "
                   u"материала"_s.arg(limits::kDefaultMaxRiseK);
    }
    return {};
}

}  // namespace

CoreAdviserDialog::CoreAdviserDialog(const DesignRecord& design, QWidget* owner)
    : QDialog(owner),
      design_(design),
      family_(new QComboBox(this)),
      rank_(new QComboBox(this)),
      list_(new QTreeWidget(this)),
      summary_(new QLabel(this)),
      pick_(new QPushButton(u"Выбрать"_s, this)) {
    setWindowTitle(u"Подбор магнитопровода"_s);
    const DialogUnits units(fontMetrics());

    const std::pair<QString, AdviceFamily> families[] = {
        {u"Кольца"_s, AdviceFamily::Ring},
        {u"Е, EI (Ш)"_s, AdviceFamily::E},
        {u"ETD, ER"_s, AdviceFamily::Etd},
        {u"Другой тип (PQ, RM, EFD, EC, P ...)"_s, AdviceFamily::Other},
        {u"Все"_s, AdviceFamily::All},
    };
    for (const auto& [name, family] : families) family_->addItem(name, static_cast<int>(family));
    family_->setCurrentIndex(
        family_->findData(static_cast<int>(AdviceFamilyOf(design.m_nCoreType))));
    auto* familyCaption = new QLabel(u"&Семейство:"_s, this);
    familyCaption->setBuddy(family_);
    rank_->addItem(u"меньший объем"_s, static_cast<int>(AdviceRank::Volume));
    rank_->addItem(u"меньшие суммарные потери"_s, static_cast<int>(AdviceRank::Loss));
    auto* rankCaption = new QLabel(u"С&начала:"_s, this);
    rankCaption->setBuddy(rank_);

    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    // Two-line headings keep the ten columns within a small screen.
    QStringList captions;
    for (const AdviceColumn& column : AdviceColumns()) captions << CaptionOf(column.heading);
    list_->setHeaderLabels(captions);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(units.x(330), units.y(150));
    summary_->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(pick_, QDialogButtonBox::AcceptRole);
    buttons->addButton(u"Отмена"_s, QDialogButtonBox::RejectRole);
    pick_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(family_, &QComboBox::currentIndexChanged, this, &CoreAdviserDialog::ShowAdvice);
    connect(rank_, &QComboBox::currentIndexChanged, this, &CoreAdviserDialog::ShowAdvice);

    auto* top = new QHBoxLayout;
    top->addWidget(familyCaption);
    top->addWidget(family_);
    top->addSpacing(units.x(8));
    top->addWidget(rankCaption);
    top->addWidget(rank_);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(summary_, 1);
    bottom->addWidget(buttons);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(list_, 1);
    column->addLayout(bottom);
    ShowAdvice();
    list_->setFocus();  // the arrow keys walk the list, not the families
}

void CoreAdviserDialog::ShowAdvice() {
    const auto family = static_cast<AdviceFamily>(family_->currentData().toInt());
    const auto rank = static_cast<AdviceRank>(rank_->currentData().toInt());
    advice_ = AdviseCores(design_, AdviceCandidates(family), limits::kDefaultMaxRiseK, rank);
    list_->clear();
    const auto columns = AdviceColumns();
    for (const CoreAdvice& a : advice_.cores) {
        QStringList cells;
        for (const AdviceColumn& column : columns)
            cells << (column.heading == kCoreTypeHeading ? CoreTypeName(a.core->coreType())
                                                         : QStringFromCp1251(column.text(a)));
        new QTreeWidgetItem(list_, cells);
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    for (int column = 2; column < list_->columnCount(); ++column)
        for (int row = 0; row < list_->topLevelItemCount(); ++row)
            list_->topLevelItem(row)->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    // Every column in view, never scrolled sideways.
    const int needed = list_->header()->length() + 2 * list_->frameWidth() +
                       list_->verticalScrollBar()->sizeHint().width();
    list_->setMinimumWidth(std::max(list_->minimumWidth(), needed));
    pick_->setEnabled(!advice_.cores.empty());
    summary_->setText(
        advice_.cores.empty()
            ? u"Ни один магнитопровод не подходит: чаще всего %1."_s.arg(FailedCriterion(advice_))
            : u"Подходят: %1, лучшие вверху"_s.arg(advice_.cores.size()));
}

void CoreAdviserDialog::accept() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    chosen_ = advice_.cores[static_cast<std::size_t>(row)].core;
    QDialog::accept();
}

}  // namespace toroglav::ui
