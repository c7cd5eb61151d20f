#pragma once
// The core catalogue window: a filter and the list of catalogue cores whose names match it, as
// typed, each with its family. Enter or a double click picks the current core, Esc leaves
// without one. It only chooses; the main window applies the choice.

#include <QDialog>

#include "calc/catalogue/core_catalogue.h"

class QLineEdit;
class QTreeWidget;
class QPushButton;

namespace toroglav::ui {

class CorePickerDialog : public QDialog {
    Q_OBJECT

public:
    explicit CorePickerDialog(QWidget* owner);
    // The core picked, or nullptr when the window was left without one.
    const CatalogueCore* chosen() const { return chosen_; }

    void accept() override;

protected:
    // The arrow and page keys in the filter move through the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMatching(const QString& filter);

    QLineEdit* filter_;
    QTreeWidget* list_;
    QPushButton* pick_;
    const CatalogueCore* chosen_ = nullptr;
};

}  // namespace toroglav::ui
