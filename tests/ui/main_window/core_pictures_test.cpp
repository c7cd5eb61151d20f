// The core group follows the core type: captions and fields in use at once, the picture at the
// next paint.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ui/main_window/control_ids.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

// Captions of labels 1063, 1064, 1065 (first row), then 1104, 1067, 1106 (second row).
QStringList Captions(OpenWindow& window) {
    QStringList captions;
    for (const int id : {ids::kLabelDimD, ids::kLabelDimd, ids::kLabelDimh, ids::kLabelDimHs,
                         ids::kLabelDimho, ids::kLabelDimL})
        captions << qobject_cast<QLabel*>(window->control(id))->text();
    return captions;
}

// Visibility of the second-row fields Hs, ho, L.
QList<bool> SecondRow(OpenWindow& window) {
    return {window->control(ids::kDimHs)->isVisible(), window->control(ids::kDimho)->isVisible(),
            window->control(ids::kDimL)->isVisible()};
}

}  // namespace

class CorePicturesTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    void coreTypeClicks_data() {
        QTest::addColumn<int>("radio");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<bool>>("secondRow");
        QTest::addColumn<bool>("picture");
        QTest::newRow("ring") << ids::kCoreType[0] << 0
                              << QStringList{u"D"_s, u"d"_s, u"h"_s, {}, {}, {}}
                              << QList<bool>{false, false, false} << true;
        QTest::newRow("E, EI") << ids::kCoreType[1] << 1
                               << QStringList{u"d"_s, u"A"_s, u"B"_s, u"Hs"_s, u"ho"_s, u"L"_s}
                               << QList<bool>{true, true, true} << true;
        QTest::newRow("ETD, ER") << ids::kCoreType[2] << 2
                                 << QStringList{u"d"_s, u"A"_s, u"B"_s, u"Hs"_s, u"ho"_s, {}}
                                 << QList<bool>{true, true, false} << true;
        QTest::newRow("other") << ids::kCoreType[3] << 3
                               << QStringList{u"Ae, мм2"_s, u"le, мм"_s,  u"So, мм2"_s,
                                              {},           u"Ve, см3"_s, {}}
                               << QList<bool>{false, true, false} << false;
    }
    void coreTypeClicks() {
        QFETCH(int, radio);
        QFETCH(int, type);
        QFETCH(QStringList, captions);
        QFETCH(QList<bool>, secondRow);
        QFETCH(bool, picture);
        OpenWindow window;
        const QString ringResult = window.Text(ids::kAe);
        qobject_cast<QAbstractButton*>(window->control(radio))->click();
        QCOMPARE(window->record().m_nCoreType, type);  // at once, before any paint
        QCOMPARE(Captions(window), captions);
        QCOMPARE(SecondRow(window), secondRow);
        QTRY_COMPARE(window.PictureCorner() == test::kPictureBackground, picture);
        // No calculation: the results and the typed dimensions stay.
        QCOMPARE(window.Text(ids::kAe), ringResult);
        QCOMPARE(window.Text(ids::kDimD), u"40"_s);
    }

    void startsWithTheRing() {
        OpenWindow window;
        QCOMPARE(Captions(window), (QStringList{u"D"_s, u"d"_s, u"h"_s, {}, {}, {}}));
        QCOMPARE(SecondRow(window), (QList<bool>{false, false, false}));
        QCOMPARE(window.PictureCorner(), test::kPictureBackground);
        QCOMPARE(window->pictureRect().size(), QSize(120, 110));
        // The picture stands right of the dimension fields.
        const QWidget* dimh = window->control(ids::kDimh);
        QVERIFY(window->pictureRect().left() > dimh->mapTo(&*window, QPoint(dimh->width(), 0)).x());
    }

    // A type no radio stands for draws nothing and leaves labels and fields as they were.
    void outOfRangeTypeChangesNothing_data() {
        QTest::addColumn<int>("type");
        QTest::newRow("4") << 4;
        QTest::newRow("-1") << -1;
    }
    void outOfRangeTypeChangesNothing() {
        QFETCH(int, type);
        OpenWindow window;
        qobject_cast<QAbstractButton*>(window->control(ids::kCoreType[2]))->click();
        QCOMPARE(SecondRow(window), (QList<bool>{true, true, false}));
        const QStringList captions = Captions(window);
        window->record().m_nCoreType = type;
        window->repaint();
        QCOMPARE(Captions(window), captions);
        QCOMPARE(SecondRow(window), (QList<bool>{true, true, false}));
        QVERIFY(window.PictureCorner() != test::kPictureBackground);
    }

    // Hidden fields keep their texts and the data exchange still carries them.
    void hiddenFieldsKeepTheirTexts() {
        OpenWindow window;
        qobject_cast<QAbstractButton*>(window->control(ids::kCoreType[1]))->click();
        QVERIFY(window->control(ids::kDimL)->isVisible());
        window.Edit(ids::kDimL)->setText(u"15"_s);
        qobject_cast<QAbstractButton*>(window->control(ids::kCoreType[0]))->click();
        QVERIFY(!window->control(ids::kDimL)->isVisible());
        window->UpdateData(true);
        QCOMPARE(window->record().m_strDimL, "15");
        qobject_cast<QAbstractButton*>(window->control(ids::kCoreType[1]))->click();
        QVERIFY(window->control(ids::kDimL)->isVisible());
        QCOMPARE(window.Text(ids::kDimL), u"15"_s);
    }
};

QTEST_MAIN(CorePicturesTest)
#include "core_pictures_test.moc"
