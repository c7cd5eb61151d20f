// Picking catalogue cores in the window: the core type as its radio sets it, the fields filled,
// the captions and fields in use renamed and shown, and the design calculated on the new core.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "ui/main_window/control_ids.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

// Opens the catalogue with its button and, from inside it, types `name` and presses Enter.
void PickCore(OpenWindow& window, const QString& name) {
    QTimer::singleShot(0, [name] {
        QWidget* catalogue = QApplication::activeModalWidget();
        QLineEdit* filter = catalogue ? catalogue->findChild<QLineEdit*>() : nullptr;
        if (!filter) return;
        QTest::keyClicks(filter, name);
        QTest::keyClick(filter, Qt::Key_Return);
    });
    window.Click(ids::kPickCore);
}

QStringList Shown(OpenWindow& window, std::initializer_list<int> ids) {
    QStringList texts;
    for (const int id : ids) texts << window.Text(id);
    return texts;
}

struct Picked {
    int radio;
    QStringList fields;     // D, d, h, ho, Hs, as the calculation leaves them
    QStringList captions;   // over D, d, h, ho, Hs, L
    QList<bool> secondRow;  // ho, Hs, L shown
    QString ae;
};

void CheckPicked(OpenWindow& window, const Picked& picked) {
    QVERIFY(qobject_cast<QAbstractButton*>(window->control(picked.radio))->isChecked());
    QCOMPARE(Shown(window, {ids::kDimD, ids::kDimd, ids::kDimh, ids::kDimho, ids::kDimHs}),
             picked.fields);
    QCOMPARE(window.Text(ids::kAe), picked.ae);
    QCOMPARE(Shown(window, {ids::kLabelDimD, ids::kLabelDimd, ids::kLabelDimh, ids::kLabelDimho,
                            ids::kLabelDimHs, ids::kLabelDimL}),
             picked.captions);
    QCOMPARE((QList<bool>{window->control(ids::kDimho)->isVisible(),
                          window->control(ids::kDimHs)->isVisible(),
                          window->control(ids::kDimL)->isVisible()}),
             picked.secondRow);
}

}  // namespace

class CorePickerTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    void pickEtdThenRing() {
        OpenWindow window;
        PickCore(window, u"ETD 39"_s);
        // Ae = pi * 12,5^2 / 4 = 122,72 mm2.
        CheckPicked(window, {ids::kCoreType[2],
                             {u"12.5"_s, u"39.1"_s, u"30.1"_s, u"14.6"_s, u"19.8"_s},
                             {u"d"_s, u"A"_s, u"B"_s, u"ho"_s, u"Hs"_s, {}},
                             {true, true, false},
                             u"122,72"_s});
        if (QTest::currentTestFailed()) return;
        PickCore(window, u"R 25x15x10"_s);
        // Ae = (25 - 15) * 10 / 2 = 50 mm2; the hidden fields keep the ETD's texts.
        CheckPicked(window, {ids::kCoreType[0],
                             {u"25"_s, u"15"_s, u"10"_s, u"14.6"_s, u"19.8"_s},
                             {u"D"_s, u"d"_s, u"h"_s, {}, {}, {}},
                             {false, false, false},
                             u"50,00"_s});
        // Typing into a field afterwards works as before.
        window.Type(ids::kDimh, u"12"_s);
        QCOMPARE(window.Text(ids::kDimh), u"12"_s);
    }

    // A shape the fields of no core type describe: the catalogue lists it with its family, and
    // picking it gives "Другой тип" with its effective parameters.
    void pickAnotherTypeCore() {
        OpenWindow window;
        QStringList listed;
        QTimer::singleShot(0, [&listed] {
            QWidget* catalogue = QApplication::activeModalWidget();
            auto* filter = catalogue ? catalogue->findChild<QLineEdit*>() : nullptr;
            auto* list = catalogue ? catalogue->findChild<QTreeWidget*>() : nullptr;
            if (!filter || !list) return;
            QTest::keyClicks(filter, u"EC 7"_s);
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                if (!list->topLevelItem(row)->isHidden())
                    listed << list->topLevelItem(row)->text(0) + u": "_s +
                                  list->topLevelItem(row)->text(1);
            QTest::keyClick(filter, Qt::Key_Return);
        });
        window.Click(ids::kPickCore);
        QCOMPARE(listed, QStringList{u"EC: EC 70 (EC 70/35/16, EC 70/34/17)"_s});
        CheckPicked(window, {ids::kCoreType[3],
                             {u"277"_s, u"143.4"_s, u"639.3"_s, u"39.72"_s, {}},
                             {u"Ae, мм2"_s, u"le, мм"_s, u"So, мм2"_s, u"Ve, см3"_s, {}, {}},
                             {true, false, false},
                             u"277,00"_s});
    }

    // The adviser lists the rings that carry the default design, best first; the second one
    // chosen is applied and calculated as a catalogue pick is.
    void adviseThenChooseTheSecondCore() {
        OpenWindow window;
        QStringList firstTwo;
        QTimer::singleShot(0, [&firstTwo] {
            QWidget* adviser = QApplication::activeModalWidget();
            auto* list = adviser ? adviser->findChild<QTreeWidget*>() : nullptr;
            if (!list || list->topLevelItemCount() < 2) return;
            firstTwo << list->topLevelItem(0)->text(0) << list->topLevelItem(1)->text(0);
            // The keys go where the user's would: to the adviser's focus.
            QTest::keyClick(adviser->focusWidget(), Qt::Key_Down);
            QTest::keyClick(adviser->focusWidget(), Qt::Key_Return);
        });
        window.Click(ids::kAdviseCore);
        QCOMPARE(firstTwo, (QStringList{u"T 36/23/10"_s, u"T 29/19/15"_s}));
        QCOMPARE(Shown(window, {ids::kDimD, ids::kDimd, ids::kDimh}),
                 (QStringList{u"29.9"_s, u"19"_s, u"15"_s}));
        QCOMPARE(window.Text(ids::kPrimaryTurns), u"81 (81,23)"_s);
    }
};

QTEST_MAIN(CorePickerTest)
#include "core_picker_test.moc"
