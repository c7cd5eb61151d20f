#include "ui/dialogs/core_adviser_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

#include "calc/record/option_values.h"
#include "calc/text/result_format.h"
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

QString FailedCriterion(AdviceCriterion criterion) {
    switch (criterion) {
        case AdviceCriterion::FiniteResults:
            return u"результаты не получаются числами"_s;
        case AdviceCriterion::NoWarning:
            return u"расчет дает предупреждение"_s;
        case AdviceCriterion::WindowFill:
            return u"обмотки не помещаются в окно"_s;
        case AdviceCriterion::Overheat:
            return u"перегрев больше %1 градусов"_s.arg(kDefaultMaxRise);
        case AdviceCriterion::CoreTemperature:
            return u"сердечник горячее %1 °C или тепловой разгон"_s.arg(kMaxCoreTemperatureC);
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
    list_->setHeaderLabels({u"Магнитопровод"_s, u"Тип"_s, u"Объем,\nсм3"_s, u"Витки\nпервичной"_s,
                            u"Заполнение\nокна"_s, u"Потери в\nсердечнике, Вт"_s, u"Перегрев"_s,
                            u"КПД, %"_s, u"Температура\nсердечника, °C"_s,
                            u"Суммарные\nпотери, Вт"_s});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(units.x(330), units.y(150));
    summary_->setTextFormat(Qt::PlainText);

    auto* cancel = new QPushButton(u"Отмена"_s, this);
    pick_->setDefault(true);
    connect(pick_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(pick_);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(list_, 1);
    column->addLayout(buttons);
    ShowAdvice();
    list_->setFocus();  // the arrow keys walk the list, not the families
}

void CoreAdviserDialog::ShowAdvice() {
    const auto family = static_cast<AdviceFamily>(family_->currentData().toInt());
    const auto rank = static_cast<AdviceRank>(rank_->currentData().toInt());
    advice_ = AdviseCores(design_, AdviceCandidates(family), kDefaultMaxRise, rank);
    list_->clear();
    for (const CoreAdvice& a : advice_.cores)
        new QTreeWidgetItem(
            list_,
            {QString::fromLatin1(a.core->name), CoreTypeName(a.core->coreType()),
             QString::fromStdString(FormatFixed(a.volume, 2)), QStringFromCp1251(a.primaryTurns),
             QStringFromCp1251(a.windowFill), QStringFromCp1251(a.coreLossText),
             QStringFromCp1251(a.overheat), QStringFromCp1251(a.efficiency),
             QString::fromStdString(FormatFixed(a.coreTemperatureC, 1)),
             QString::fromStdString(FormatFixed(a.totalLossW, 2))});
    list_->setCurrentItem(list_->topLevelItem(0));
    for (int column = 2; column < list_->columnCount(); ++column)
        for (int row = 0; row < list_->topLevelItemCount(); ++row)
            list_->topLevelItem(row)->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    // Every column in view, never scrolled sideways.
    const int needed = list_->header()->length() + 2 * list_->frameWidth() +
                       list_->verticalScrollBar()->sizeHint().width();
    list_->setMinimumWidth(std::max(list_->minimumWidth(), needed));
    pick_->setEnabled(!advice_.cores.empty());
    summary_->setText(advice_.cores.empty()
                          ? u"Ни один магнитопровод не подходит: чаще всего %1."_s.arg(
                                FailedCriterion(advice_.MostFailed()))
                          : u"Подходят: %1, лучшие вверху"_s.arg(advice_.cores.size()));
}

void CoreAdviserDialog::accept() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    chosen_ = advice_.cores[static_cast<std::size_t>(row)].core;
    QDialog::accept();
}

}  // namespace toroglav::ui
