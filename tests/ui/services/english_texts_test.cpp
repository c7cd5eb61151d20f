// The window on an English system (ctest runs this under LANG=en_US.UTF-8): English throughout,
// not a Cyrillic letter in any text of the windows, their hints and their messages, but for the
// language menu's title and Russian's own name in it, which read the same in either language.

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QAction>
#include <QChartView>
#include <QTest>

#include "calc/catalogue/core_catalogue.h"
#include "ui/dialogs/loss_window.h"
#include "ui/dialogs/winding_window.h"
#include "ui/main_window/control_ids.h"
#include "ui/services/translations.h"
#include "ui/widgets/hint_control.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using namespace toroglav::ui::test;

// What a window (or a command of the main window) shows, given the main window.
using Texts = std::function<QStringList(OpenWindow&)>;
Q_DECLARE_METATYPE(Texts)

namespace {

// The hint over every visible control, and over the rectifier grid's own surface.
QStringList Hints(OpenWindow& window) {
    QStringList hints;
    for (const QWidget* widget : window->findChildren<QWidget*>())
        if (widget->isVisible())
            hints << window->hints()->HintAt(widget->mapTo(&*window, widget->rect().center()));
    hints.removeDuplicates();
    hints.removeAll(QString());
    return hints;
}

QStringList WarningsOf(OpenWindow& window, const char* inductionMax, const char* frequency) {
    window->record().m_strInductionMax = inductionMax;
    window->record().m_strFrequency = frequency;
    window->UpdateData(false);
    window->OnCalculate();
    return window.warnings();
}

// The three file dialogs, cancelled, then a save that fails.
QStringList FileTexts(OpenWindow& window) {
    for (const int command : {ids::kSaveDesign, ids::kLoadDesign, ids::kSaveReport}) {
        window.AnswerFileDialog({});
        window.Click(command);
    }
    window.AnswerFileDialog(window.folder() + u"/no folder/design.sav"_s);
    window.Click(ids::kSaveDesign);
    QStringList texts = window.errors();
    for (const FileChoice& asked : window.fileDialogsAsked())
        texts << asked.title << asked.nameFilters << asked.initialName;
    return texts;
}

// The loss window with its plot's axes and legend, for the design typed (frequency, induction
// and the ring's D, d, h).
QStringList LossTexts(OpenWindow& window, const QStringList& typed) {
    const int ids[] = {ids::kFrequency, ids::kInductionMax, ids::kDimD, ids::kDimd, ids::kDimh};
    for (qsizetype i = 0; i < typed.size(); ++i) window.Type(ids[i], typed[i]);
    window.Click(ids::kCalculate);
    window.Click(ids::kShowLosses);
    const auto* losses = window->findChild<LossWindow*>();
    if (!losses) return {};
    QStringList texts = ShownTexts(*losses);
    const QChart& plot = *losses->findChild<QChartView*>()->chart();
    for (const QAbstractAxis* axis : plot.axes()) texts << axis->titleText();
    for (const QAbstractSeries* series : plot.series()) texts << series->name();
    return texts;
}

// The winding window for the design on `core` (none: the default ring), on the mains.
QStringList WindingTexts(OpenWindow& window, const char* core) {
    window->UpdateData(true);
    if (core) ApplyCore(*FindCore(core), window->record());
    window->record().m_nSupplyKind = 1;
    window->UpdateData(false);
    window.Click(ids::kCalculate);
    window.Click(ids::kShowWinding);
    const auto* winding = window->findChild<WindingWindow*>();
    return winding ? ShownTexts(*winding) : QStringList();
}

}  // namespace

class EnglishTextsTest : public QObject {
    Q_OBJECT

    ModalWatchdog watchdog_;

private slots:
    void initTestCase() {
        InstallProgramTranslations();
        QCOMPARE(InstalledLanguage(), Language::English);
    }
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    void noCyrillicLetter_data() {
        QTest::addColumn<Texts>("shown");
        QTest::newRow("main window") << Texts([](OpenWindow& w) { return ShownTexts(*w); });
        QTest::newRow("main window, other core type") << Texts([](OpenWindow& w) {
            w.Click(ids::kCoreType[3]);
            return ShownTexts(*w);
        });
        QTest::newRow("hints") << Texts(Hints);
        QTest::newRow("rectifier schemes") << Texts([](OpenWindow& w) {
            return ShownInModal([&] { w->command(ids::kShowSchemes)->trigger(); });
        });
        QTest::newRow("About") << Texts([](OpenWindow& w) {
            return ShownInModal([&] { w->command(ids::kAbout)->trigger(); });
        });
        QTest::newRow("help") << Texts([](OpenWindow& w) {
            w->command(ids::kHelp)->trigger();
            return w.information();
        });
        QTest::newRow("core picker")
            << Texts([](OpenWindow& w) { return ShownInModal([&] { w.Click(ids::kPickCore); }); });
        QTest::newRow("no loss data warning")
            << Texts([](OpenWindow& w) { return WarningsOf(w, "0,3", "150"); });
        QTest::newRow("overheating warning")
            << Texts([](OpenWindow& w) { return WarningsOf(w, "0,25", "100"); });
        QTest::newRow("file dialogs and errors") << Texts(FileTexts);
        QTest::newRow("loss window") << Texts([](OpenWindow& w) { return LossTexts(w, {}); });
        QTest::newRow("loss window, thermal runaway") << Texts([](OpenWindow& w) {
            return LossTexts(w, {u"100"_s, u"0,3"_s, u"12"_s, u"7"_s, u"5"_s});
        });
        QTest::newRow("core adviser") << Texts(
            [](OpenWindow& w) { return ShownInModal([&] { w.Click(ids::kAdviseCore); }); });
        QTest::newRow("core adviser, no core will do") << Texts([](OpenWindow& w) {
            w.Type(ids::kOutCurrent[0], u"5000"_s);
            return ShownInModal([&] { w.Click(ids::kAdviseCore); });
        });
        QTest::newRow("winding window, ring")
            << Texts([](OpenWindow& w) { return WindingTexts(w, nullptr); });
        QTest::newRow("winding window, E core")
            << Texts([](OpenWindow& w) { return WindingTexts(w, "ETD 49"); });
    }
    void noCyrillicLetter() {
        QFETCH(Texts, shown);
        OpenWindow window;
        QStringList texts = shown(window);
        QVERIFY(!texts.isEmpty());
        texts.replaceInStrings(u"&"_s, QString());  // the mnemonics' marks
        texts.removeAll(u"Язык / Language"_s);
        texts.removeAll(u"Русский"_s);
        const QStringList cyrillic = Cyrillic(texts);
        QVERIFY2(cyrillic.isEmpty(), qPrintable(cyrillic.join(u" | "_s)));
    }

    // The window shows the record's Russian words in English and takes them back as they were,
    // so the state file, the design files and the text report stay the same in either language.
    void recordKeepsItsRussianWords() {
        OpenWindow window;
        const DesignRecord calculated = window->record();
        window->UpdateData(true);
        QVERIFY(window->record() == calculated);
        QCOMPARE(window.Text(ids::kInductanceUnit), u"mH"_s);
    }
};

QTEST_MAIN(EnglishTextsTest)
#include "english_texts_test.moc"
