#pragma once
// The About box: the program's icon, name, version and date, and an OK button.

#include <QDialog>

namespace toroglav::ui {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* owner);
};

}  // namespace toroglav::ui
