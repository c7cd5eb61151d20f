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
#include "ui/main_window/record_words.h"
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
    const char* caption;  // translated in CoreAdviserDialog's context
};
constexpr ColumnCaption kColumnCaptions[] = {
    {"name", QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Магнитопровод")},
    {"core type", QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Тип")},
    {"volume, cm3", QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Объем,\nсм3")},
    {"primary turns", QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Витки\nпервичной")},
    {"window fill", QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Заполнение\nокна")},
    {"core loss, W",
     QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Потери в\nсердечнике, Вт")},
    {"copper loss, W",
     QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Потери в\nобмотках, Вт")},
    {"total loss, W",
     QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Суммарные\nпотери, Вт")},
    {"core temperature, C",
     QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "Температура\nсердечника, °C")},
    {"efficiency, %", QT_TRANSLATE_NOOP("toroglav::ui::CoreAdviserDialog", "КПД, %")},
};

QString CaptionOf(std::string_view heading) {
    for (const auto& [known, caption] : kColumnCaptions)
        if (known == heading) return CoreAdviserDialog::tr(caption);
    return QString::fromStdString(std::string(heading));
}

QString FailedCriterion(const Advice& advice) {
    switch (advice.MostFailed()) {
        case AdviceCriterion::FiniteResults:
            return CoreAdviserDialog::tr("результаты не получаются числами");
        case AdviceCriterion::NoWarning:
            return CoreAdviserDialog::tr("расчет дает предупреждение");
        case AdviceCriterion::WindowFill:
            return CoreAdviserDialog::tr("обмотки не помещаются в окно");
        case AdviceCriterion::LossesJudged:
            return CoreAdviserDialog::tr("потери не оценить: %1")
                .arg(UnjudgedText(advice.unjudged, advice.unjudgedOutput));
        case AdviceCriterion::TemperatureRise:
            return CoreAdviserDialog::tr(
                       "перегрев сердечника больше %1 °C, тепловой разгон или нагрев выше данных "
                       "материала")
                .arg(limits::kDefaultMaxRiseK);
    }
    return {};
}

// The core type column shows the type as its radio names it, the others their text. (Below the
// texts: lupdate loses the class's namespace after a std::string_view constant.)
constexpr std::string_view kCoreTypeHeading = "core type";

}  // namespace

CoreAdviserDialog::CoreAdviserDialog(const DesignRecord& design, QWidget* owner)
    : QDialog(owner),
      design_(design),
      family_(new QComboBox(this)),
      rank_(new QComboBox(this)),
      list_(new QTreeWidget(this)),
      summary_(new QLabel(this)),
      pick_(new QPushButton(tr("Выбрать"), this)) {
    setWindowTitle(tr("Подбор магнитопровода"));
    const DialogUnits units(fontMetrics());

    const std::pair<QString, AdviceFamily> families[] = {
        {tr("Кольца"), AdviceFamily::Ring},
        {tr("Е, EI (Ш)"), AdviceFamily::E},
        {u"ETD, ER"_s, AdviceFamily::Etd},
        {tr("Другой тип (PQ, RM, EFD, EC, P ...)"), AdviceFamily::Other},
        {tr("Все"), AdviceFamily::All},
    };
    for (const auto& [name, family] : families) family_->addItem(name, static_cast<int>(family));
    family_->setCurrentIndex(
        family_->findData(static_cast<int>(AdviceFamilyOf(design.m_nCoreType))));
    auto* familyCaption = new QLabel(tr("&Семейство:"), this);
    familyCaption->setBuddy(family_);
    rank_->addItem(tr("меньший объем"), static_cast<int>(AdviceRank::Volume));
    rank_->addItem(tr("меньшие суммарные потери"), static_cast<int>(AdviceRank::Loss));
    auto* rankCaption = new QLabel(tr("С&начала:"), this);
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
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
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
                                                         : ShownResult(column.text(a)));
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
            ? tr("Ни один магнитопровод не подходит: чаще всего %1.").arg(FailedCriterion(advice_))
            : tr("Подходят: %1, лучшие вверху").arg(advice_.cores.size()));
}

void CoreAdviserDialog::accept() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    chosen_ = advice_.cores[static_cast<std::size_t>(row)].core;
    QDialog::accept();
}

}  // namespace toroglav::ui
