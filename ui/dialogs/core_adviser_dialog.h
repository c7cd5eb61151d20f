#pragma once
// The core adviser window: the catalogue cores of a family that carry the design as it stands in
// the main window, best first (smallest, or least total loss), with what each gives. Enter or a
// double click picks the current core, Esc leaves without one; the family and the order can be
// changed in the window. It only chooses; the main window applies the choice.

#include <QDialog>

#include "calc/analysis/core_adviser.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace toroglav::ui {

class CoreAdviserDialog : public QDialog {
    Q_OBJECT

public:
    CoreAdviserDialog(const DesignRecord& design, QWidget* owner);
    // The core picked, or nullptr when the window was left without one.
    const CatalogueCore* chosen() const { return chosen_; }

    void accept() override;

private:
    void ShowAdvice();

    const DesignRecord& design_;
    Advice advice_;
    QComboBox* family_;
    QComboBox* rank_;
    QTreeWidget* list_;
    QLabel* summary_;
    QPushButton* pick_;
    const CatalogueCore* chosen_ = nullptr;
};

}  // namespace toroglav::ui
