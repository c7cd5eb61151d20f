// Start-up probe for the window benchmark: opens a window on the offscreen platform, writes a line
// to standard output when the window gets its first paint, and quits. Built twice: with
// TOROGLAV_MAIN_WINDOW the program's main window (which calculates the default design before it is
// shown), with TOROGLAV_LABEL_DIALOG a dialog holding one line of text (what any window with text
// pays for the font database), and with neither a bare QDialog as the yardstick.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <cstdio>

#ifdef TOROGLAV_MAIN_WINDOW
#include "ui/main_window/toroglav_dlg.h"
#include "ui/services/translations.h"
#endif
#ifdef TOROGLAV_LABEL_DIALOG
#include <QLabel>
#include <QVBoxLayout>
#endif

namespace {

class QuitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
#ifdef TOROGLAV_MAIN_WINDOW
    toroglav::ui::InstallTranslations(application);
    toroglav::ui::CToroglavDlg window;
#else
    QDialog window;
#endif
#ifdef TOROGLAV_LABEL_DIALOG
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Расчет"), &window));
#endif
    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return application.exec();
}
