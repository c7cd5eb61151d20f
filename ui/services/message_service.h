#pragma once
// How the window tells the user something. The dialog holds one service; the program shows
// modal boxes (MessageBoxService), tests put in a service that only records.

#include <QString>

class QWidget;

namespace toroglav::ui {

class MessageService {
public:
    virtual ~MessageService() = default;
    // A calculation warning. Returns once the user has seen it; the calculation then goes on.
    virtual void ShowWarning(QWidget* owner, const QString& text) = 0;
    // A file that could not be read or written; the command has ended without effect.
    virtual void ShowError(QWidget* owner, const QString& text) = 0;
    // Information the user asked for, under its caption.
    virtual void ShowInformation(QWidget* owner, const QString& caption, const QString& text) = 0;
};

}  // namespace toroglav::ui
