// Тороглав: the pulse transformer calculator. The process lives as long as its window, which a
// language chosen in its menu opens again in that language, with the inputs it had.

#include <QApplication>

#include "ui/main_window/toroglav_dlg.h"
#include "ui/services/translations.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    bool reopen = false;
    do {
        toroglav::ui::InstallTranslations(application);
        toroglav::ui::CToroglavDlg dialog;
        dialog.exec();
        reopen = dialog.languageChanged();
    } while (reopen);
    return 0;
}
