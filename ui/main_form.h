#pragma once
// The controls of the main window, built once by BuildMainForm and found afterwards by their
// numeric identifiers (control_ids.h).

#include <QHash>
#include <QWidget>

class QAction;
class QButtonGroup;
class QDialog;

namespace toroglav::ui {

class MainForm {
public:
    QWidget* control(int id) const { return controls_.value(id); }
    template <class Widget>
    Widget* as(int id) const {
        return qobject_cast<Widget*>(control(id));
    }
    QAction* command(int id) const { return commands_.value(id); }
    // The group of a radio button; its ids are the option values.
    QButtonGroup* radioGroup(int radioId) const;
    // Placeholder that reserves the room of the core picture in the layout.
    QWidget* pictureArea() const { return pictureArea_; }

private:
    friend class FormBuilder;
    QHash<int, QWidget*> controls_;
    QHash<int, QAction*> commands_;
    QWidget* pictureArea_ = nullptr;
};

// Builds the whole form into `dialog`: menu bar, the four groups and the command buttons.
MainForm BuildMainForm(QDialog& dialog);

}  // namespace toroglav::ui
