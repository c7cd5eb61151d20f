// Тороглав: the pulse transformer calculator. The process lives as long as its window.

#include <QApplication>

#include "ui/main_window/toroglav_dlg.h"
#include "ui/services/qt_translations.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    toroglav::ui::InstallQtTranslations(application);
    toroglav::ui::CToroglavDlg dialog;
    dialog.exec();
    return 0;
}
