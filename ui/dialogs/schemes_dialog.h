#pragma once
// The rectifier schemes window: the circuits of the three rectifier kinds the form offers, side
// by side under their names. It only shows; it reads and changes nothing of the design.

#include <QDialog>

namespace toroglav::ui {

class CVypr : public QDialog {
    Q_OBJECT

public:
    explicit CVypr(QWidget* owner);
};

}  // namespace toroglav::ui
