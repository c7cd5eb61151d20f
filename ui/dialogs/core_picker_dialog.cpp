#include "ui/dialogs/core_picker_dialog.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

#include "ui/widgets/dialog_units.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// "ETD 39/20/13 (ETD 39)": the name with the other names it goes by.
QString ListText(const CatalogueCore& core) {
    QString text = QString::fromLatin1(core.name);
    const std::vector<std::string_view> aliases = core.aliasList();
    for (std::size_t i = 0; i < aliases.size(); ++i)
        text += (i == 0 ? u" ("_s : u", "_s) + QString::fromLatin1(aliases[i]);
    if (!aliases.empty()) text += u')';
    return text;
}

// The family's name in the window's language: the catalogue names the planar families in
// Russian.
QString FamilyText(CoreFamily family) {
    [[maybe_unused]] constexpr const char* kPlanarFamilies[] = {
        QT_TRANSLATE_NOOP("CoreFamily", "E планарный"),
        QT_TRANSLATE_NOOP("CoreFamily", "ER планарный"),
        QT_TRANSLATE_NOOP("CoreFamily", "EL планарный"),
    };
    return QCoreApplication::translate("CoreFamily", std::string(FamilyName(family)).c_str());
}

}  // namespace

CorePickerDialog::CorePickerDialog(QWidget* owner)
    : QDialog(owner),
      filter_(new QLineEdit(this)),
      list_(new QTreeWidget(this)),
      pick_(new QPushButton(tr("Выбрать"), this)) {
    setWindowTitle(tr("Каталог магнитопроводов"));
    const DialogUnits units(fontMetrics());

    auto* caption = new QLabel(tr("&Название (например ETD 39, PQ 32/30, R 25x15x10):"), this);
    caption->setBuddy(filter_);
    // Every core stays in the list, in catalogue order (the cores of a family together);
    // filtering only hides rows, so typing never rebuilds it.
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({tr("Семейство"), tr("Магнитопровод")});
    for (const CatalogueCore& core : CatalogueCores())
        new QTreeWidgetItem(list_, {FamilyText(core.family), ListText(core)});
    // As wide as the longest family and name with its aliases, so nothing needs scrolling
    // sideways; measured once, since hiding rows changes no width. The names then take what
    // width the families leave.
    list_->header()->setStretchLastSection(false);
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    const int widest = list_->header()->length() + 2 * list_->frameWidth() +
                       list_->verticalScrollBar()->sizeHint().width();
    list_->header()->setStretchLastSection(true);
    list_->setMinimumSize(std::max(units.x(160), widest), units.y(120));
    filter_->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(pick_, QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    pick_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, &CorePickerDialog::ShowMatching);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addWidget(caption);
    column->addWidget(filter_);
    column->addWidget(list_, 1);
    column->addWidget(buttons);
    ShowMatching({});
}

void CorePickerDialog::ShowMatching(const QString& filter) {
    const auto cores = CatalogueCores();
    std::vector<bool> shown(cores.size());
    for (const CatalogueCore* core : CoresMatching(filter.toStdString()))
        shown[static_cast<std::size_t>(core - cores.data())] = true;
    QTreeWidgetItem* first = nullptr;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setHidden(!shown[static_cast<std::size_t>(row)]);
        if (!first && !item->isHidden()) first = item;
    }
    list_->setCurrentItem(first);
    pick_->setEnabled(first != nullptr);
}

void CorePickerDialog::accept() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || list_->topLevelItem(row)->isHidden()) return;
    chosen_ = &CatalogueCores()[static_cast<std::size_t>(row)];
    QDialog::accept();
}

bool CorePickerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(list_, event);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace toroglav::ui
