// The window's language on a Russian system (ctest runs this under LANG=ru_RU.UTF-8): Russian
// with no translator of the program's texts, and a language chosen in the menu, which reopens the
// window in it with the inputs it had and is kept for the next start.

#include "ui/services/translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include "ui/main_window/control_ids.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using namespace toroglav::ui::test;

namespace {

const QString kRussianTitle = u"Расчет импульсного трансформатора двухтактного преобразователя"_s;
const QString kEnglishTitle = u"Pulse transformer design for double-ended converters"_s;

// Chooses the language of menu item `choice` in `window`, then opens the window again the way the
// program does when that closed it.
void Choose(std::unique_ptr<OpenWindow>& window, int choice) {
    const QString folder = (*window).folder();
    (*window)->command(choice)->trigger();
    if (!(*window)->languageChanged()) return;
    QVERIFY(!(*window)->isVisible());
    window.reset();
    InstallProgramTranslations();
    window = std::make_unique<OpenWindow>(folder);
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

    ModalWatchdog watchdog_;

private slots:
    void init() { InstallProgramTranslations(); }
    void cleanup() {
        ChooseLanguage(std::nullopt);
        QCOMPARE(watchdog_.TakeSeen(), QStringList());
    }

    void russianLoadsNoTranslatorOfTheProgram() {
        QCOMPARE(InstalledLanguage(), Language::Russian);
        for (const QTranslator* translator :
             QCoreApplication::instance()->findChildren<QTranslator*>())
            QVERIFY2(!translator->filePath().contains(u"toroglav"_s),
                     qPrintable(translator->filePath()));
        OpenWindow window;
        QCOMPARE(window->windowTitle(), kRussianTitle);
    }

    void chosenLanguageReopensTheWindowAndIsKept() {
        QTemporaryDir folder;
        auto window = std::make_unique<OpenWindow>(folder.path());
        window->Type(ids::kFrequency, u"50"_s);
        Choose(window, ids::kLanguage[1]);  // Russian, as shown: nothing to reopen
        QVERIFY((**window).isVisible());
        QCOMPARE(ChosenLanguage(), Language::Russian);

        Choose(window, ids::kLanguage[2]);
        QCOMPARE((**window).windowTitle(), kEnglishTitle);
        QCOMPARE(window->Text(ids::kFrequency), u"50"_s);
        QVERIFY((**window).command(ids::kLanguage[2])->isChecked());
        QCOMPARE(ChosenLanguage(), Language::English);

        Choose(window, ids::kLanguage[0]);
        QCOMPARE((**window).windowTitle(), kRussianTitle);
        QCOMPARE(ChosenLanguage(), std::nullopt);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
