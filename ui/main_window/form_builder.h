#pragma once
// Makes the controls of the form with the common conventions (centred edits that never scroll,
// plain-text result fields, radios grouped by option value) and registers each under its id.

#include <QString>
#include <span>

#include "ui/main_window/main_form.h"
#include "ui/widgets/dialog_units.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace toroglav::ui {

class FormBuilder {
public:
    FormBuilder(QDialog& dialog, MainForm& form);

    QDialog& dialog() const { return dialog_; }
    const DialogUnits& units() const { return units_; }

    // An input edit that holds `characters` characters of a number: digits and one separator,
    // measured in the font's own digits, so that it fits whatever font the platform uses.
    QLineEdit* Edit(int id, int characters);
    // A result field wide enough for `widest`, the longest text real designs give it, which it
    // may exceed only by showing an ellipsis.
    QLabel* Result(int id, QStringView widest, Qt::Alignment alignment = Qt::AlignRight);
    QRadioButton* Radio(int id, const QString& caption = {});
    // Puts already made radios into one exclusive group; a radio's position is its option value.
    void GroupRadios(std::span<const int> idsInGroupOrder);
    QLabel* Label(const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    QLabel* Label(int id, const QString& text, Qt::Alignment alignment = Qt::AlignLeft);
    // A caption broken at its spaces into at most `lines` lines, as narrow as that allows.
    QLabel* WrappedLabel(const QString& text, int lines, Qt::Alignment alignment = Qt::AlignLeft);
    QLabel* WrappedLabel(int id, const QString& text, int lines,
                         Qt::Alignment alignment = Qt::AlignLeft);
    QPushButton* Button(int id, const QString& caption, int widthUnits);
    // A button as small as its caption, named for screen readers by `accessibleName`.
    QToolButton* SmallButton(int id, const QString& caption, const QString& accessibleName);
    // A command of the menu bar or of one of its menus.
    QAction* Command(QWidget& menu, int id, const QString& text);
    // The narrow side margins of the form's groups and window (four dialog units), which the
    // platform's wider font needs for the form to fit a 1024-pixel screen.
    void SetNarrowMargins(QLayout& layout) const;
    // The horizontal gap between the columns of a dense grid: two dialog units.
    int ColumnGap() const { return units_.x(2); }
    void SetPictureArea(QWidget* area) { form_.pictureArea_ = area; }

private:
    void Register(int id, QWidget* control);

    QDialog& dialog_;
    MainForm& form_;
    DialogUnits units_;
};

}  // namespace toroglav::ui
