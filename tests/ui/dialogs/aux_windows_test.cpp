// The rectifier schemes window, the About box and the help message: what they show, that they
// are modal over the main window, and that closing them leaves the design as it was.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "ui/main_window/control_ids.h"
#include "ui/widgets/picture_view.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

struct Seen {
    QString title;
    QStringList labels;
    QStringList buttons;
    QStringList pictures;  // "resource WxH"
    bool modalOverMain = false;
};

// Runs the menu command and, from inside the window it opens, notes what it shows and closes it
// with Esc.
Seen OpenFromMenu(OpenWindow& window, int command) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen.title = dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>()) seen.labels << label->text();
        for (const QPushButton* button : dialog->findChildren<QPushButton*>())
            seen.buttons << button->text() + (button->isDefault() ? u" (default)"_s : QString());
        for (const PictureView* picture : dialog->findChildren<PictureView*>())
            seen.pictures << u"%1 %2x%3"_s.arg(picture->resource())
                                 .arg(picture->width())
                                 .arg(picture->height());
        seen.modalOverMain = dialog->isModal() && dialog->parentWidget() == &*window;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window->command(command)->trigger();
    return seen;
}

}  // namespace

class AuxWindowsTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    // Twice, to show that the window kept between openings shows the same.
    void schemesWindowShowsTheThreeCircuits() {
        OpenWindow window;
        const DesignRecord before = window->record();
        for (int opening = 0; opening < 2; ++opening) {
            const Seen seen = OpenFromMenu(window, ids::kShowSchemes);
            QCOMPARE(seen.title, u"Схемы выпрямления"_s);
            QCOMPARE(seen.labels,
                     (QStringList{u"Однополярное, со средней точкой:"_s,
                                  u"Двухполярное, со средней точкой:"_s, u"Мостовое"_s}));
            QCOMPARE(seen.buttons, QStringList{u"ОК (default)"_s});
            QCOMPARE(seen.pictures, (QStringList{u":/rectifier_unipolar_134.svg 100x80"_s,
                                                 u":/rectifier_bipolar_135.svg 120x90"_s,
                                                 u":/rectifier_bridge_136.svg 105x80"_s}));
            QVERIFY(seen.modalOverMain);
        }
        QVERIFY(window->record() == before);
    }

    void aboutBoxShowsNameVersionAndDate() {
        OpenWindow window;
        const DesignRecord before = window->record();
        const Seen seen = OpenFromMenu(window, ids::kAbout);
        QCOMPARE(seen.title, u"О програме"_s);
        QCOMPARE(seen.labels,
                 (QStringList{u"Тороглав"_s, u" Версия "_s + QLatin1StringView(TOROGLAV_VERSION),
                              u"14 июня 2010"_s}));
        QCOMPARE(seen.buttons, QStringList{u"OK (default)"_s});
        QCOMPARE(seen.pictures.size(), 1);
        QVERIFY(seen.modalOverMain);
        QVERIFY(window->record() == before);
    }

    // Six notes, each after a tab, the four symbols under note 2 indented by three blanks.
    void helpMessageHasItsSixNotes() {
        OpenWindow window;
        window->command(ids::kHelp)->trigger();
        QCOMPARE(window.information().size(), 1);
        const QString caption = u"Помощь: "_s;
        const QString shown = window.information().constFirst();
        QVERIFY(shown.startsWith(caption));
        QVERIFY(shown.endsWith(u"дроссель групповой стабилизации.\n"_s));
        const QStringList lines = shown.mid(caption.size()).chopped(1).split(u'\n');
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines.filter(QRegularExpression(u"^\t[1-6]\\."_s)).size(), 6);
        QCOMPARE(lines.filter(QRegularExpression(u"^   (Ae|le|So|Ve) - "_s)).size(), 4);
    }
};

QTEST_MAIN(AuxWindowsTest)
#include "aux_windows_test.moc"
