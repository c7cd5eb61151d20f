#pragma once
// Makes the controls of the form with the common conventions (centred edits that never scroll,
// plain-text result fields, radios grouped by option value) and registers each under its id.

#include <QString>
#include <span>

#include "ui/dialog_units.h"
#include "ui/main_form.h"

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace toroglav::ui {

class FormBuilder {
public:
    FormBuilder(QDialog& dialog, MainForm& form);

    QDialog& dialog() const { return dialog_; }
    const DialogUnits& units() const { return units_; }

    QLineEdit* Edit(int id, int widthUnits);
    QLabel* Result(int id, int widthUnits, Qt::Alignment alignment = Qt::AlignRight);
    QRadioButton* Radio(int id, const QString& caption = {});
    // Puts already made radios into one exclusive group; a radio's position is its option value.
    void GroupRadios(std::span<const int> idsInGroupOrder);
    QLabel* Label(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    QLabel* Label(int id, const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    // A caption broken into two lines at the space that makes the narrower block.
    QLabel* TwoLineLabel(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    QLabel* TwoLineLabel(int id, const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    QPushButton* Button(int id, const QString& caption, int widthUnits);
    QAction* Command(QMenuBar& menuBar, int id, const QString& text);
    void SetPictureArea(QWidget* area) { form_.pictureArea_ = area; }

private:
    void Register(int id, QWidget* control);

    QDialog& dialog_;
    MainForm& form_;
    DialogUnits units_;
};

}  // namespace toroglav::ui
