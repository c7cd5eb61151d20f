#pragma once
// The controls of the main window, built once by BuildMainForm and found afterwards by their
// numeric identifiers (control_ids.h).
//
// The window reaches its own controls through get<Type>(id), which stops the program with a
// message naming the identifier when there is no such control of that type: a wrong identifier
// fails where it is used, not as a null pointer later.
//
// The form's texts are written as MainForm::tr("…"), in Russian, and shown in the installed
// language (ui/services/translations.h).

#include <QCoreApplication>
#include <QHash>
#include <QWidget>

class QAction;
class QButtonGroup;
class QDialog;

namespace toroglav::ui {

class MainForm {
    Q_DECLARE_TR_FUNCTIONS(MainForm)

public:
    // The control with identifier `id`, or nullptr.
    QWidget* control(int id) const { return controls_.value(id); }
    template <class Widget>
    Widget& get(int id) const {
        auto* widget = qobject_cast<Widget*>(control(id));
        if (!widget) qFatal("the form has no %s %d", Widget::staticMetaObject.className(), id);
        return *widget;
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
