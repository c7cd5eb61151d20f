#pragma once
// How the window tells the user about a calculation warning. The dialog holds one service; the
// program shows modal boxes, tests put in a service that only records.

#include <QString>

class QWidget;

namespace toroglav::ui {

class MessageService {
public:
    virtual ~MessageService() = default;
    // Returns once the user has seen the warning; the calculation then goes on.
    virtual void ShowWarning(QWidget* owner, const QString& text) = 0;
};

// A modal box captioned "Внимание!" with the text and a single OK button, no icon.
class MessageBoxService : public MessageService {
public:
    void ShowWarning(QWidget* owner, const QString& text) override;
};

}  // namespace toroglav::ui
