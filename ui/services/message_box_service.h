#pragma once
// The program's message service.

#include <QCoreApplication>

#include "ui/services/message_service.h"

namespace toroglav::ui {

// Modal boxes with a single OK button: warnings captioned "Внимание!" and information without
// an icon, errors captioned with the program's name and the stop icon.
class MessageBoxService : public MessageService {
    Q_DECLARE_TR_FUNCTIONS(MessageBoxService)

public:
    void ShowWarning(QWidget* owner, const QString& text) override;
    void ShowError(QWidget* owner, const QString& text) override;
    void ShowInformation(QWidget* owner, const QString& caption, const QString& text) override;
};

}  // namespace toroglav::ui
