// The field rules as the user meets them in the window: option clicks, supply kind and the limits
// on typed induction and frequency.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include "ui/main_window/control_ids.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

bool Checked(OpenWindow& window, int id) {
    return qobject_cast<QAbstractButton*>(window->control(id))->isChecked();
}

QStringList SupplyTexts(const OpenWindow& window) {
    return {window.Text(ids::kSupplyMin), window.Text(ids::kSupplyNom),
            window.Text(ids::kSupplyMax)};
}

}  // namespace

class FieldRulesTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    // Each click switches one pair of edits; the record learns the option at the next take.
    void optionClicksSwitchEdits_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("enabled");  // duty, dead time, Usat, Rds(on)
        QTest::newRow("Другие") << QList<int>{ids::kController[1]} << QList<int>{0, 1, 0, 1};
        QTest::newRow("Другие, TL494")
            << QList<int>{ids::kController[1], ids::kController[0]} << QList<int>{1, 0, 0, 1};
        QTest::newRow("Uнас.") << QList<int>{ids::kSwitchDrop[0]} << QList<int>{1, 0, 1, 0};
        QTest::newRow("Uнас., Rds(on)")
            << QList<int>{ids::kSwitchDrop[0], ids::kSwitchDrop[1]} << QList<int>{1, 0, 0, 1};
        QTest::newRow("both pairs")
            << QList<int>{ids::kSwitchDrop[0], ids::kController[1]} << QList<int>{0, 1, 1, 0};
    }
    void optionClicksSwitchEdits() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, enabled);
        OpenWindow window;
        const DesignRecord before = window->record();
        for (const int id : clicks) window.Click(id);

        const int edits[] = {ids::kDutyMax, ids::kDeadTime, ids::kUsat, ids::kRdsOn};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(window->control(edits[i])->isEnabled(), enabled[i] != 0);
        QVERIFY(window->record() == before);

        window->UpdateData(true);
        QCOMPARE(window->record().m_nController, enabled[1]);
        QCOMPARE(window->record().m_nSwitchDrop, enabled[3]);
    }

    // Enables follow the record's options whatever the radios show.
    void fieldEnablesFollowTheRecord() {
        OpenWindow window;
        window->record().m_nController = 1;
        window->record().m_nSwitchDrop = 0;
        window->ApplyFieldEnables();
        QVERIFY(!window->control(ids::kDutyMax)->isEnabled());
        QVERIFY(window->control(ids::kDeadTime)->isEnabled());
        QVERIFY(window->control(ids::kUsat)->isEnabled());
        QVERIFY(!window->control(ids::kRdsOn)->isEnabled());
        QVERIFY(Checked(window, ids::kController[0]));  // the radios wait for the next show
    }

    void mainsSetsTheMainsVoltagesOverTypedOnes() {
        OpenWindow window;
        window.Click(ids::kSupplyKind[1]);
        QCOMPARE(SupplyTexts(window), (QStringList{u"198"_s, u"220"_s, u"242"_s}));
        QCOMPARE(window->record().m_nSupplyKind, 1);
        QVERIFY(Checked(window, ids::kSupplyKind[1]));

        window.Type(ids::kSupplyNom, u"230"_s);
        window.Click(ids::kSupplyKind[1]);
        QCOMPARE(SupplyTexts(window), (QStringList{u"198"_s, u"220"_s, u"242"_s}));
    }

    void dcAfterMainsConverts() {
        OpenWindow window;
        window.Click(ids::kSupplyKind[1]);
        window.Click(ids::kSupplyKind[0]);
        QCOMPARE(SupplyTexts(window), (QStringList{u"270"_s, u"300"_s, u"330"_s}));
        QCOMPARE(window->record().m_nSupplyKind, 0);
        QVERIFY(Checked(window, ids::kSupplyKind[0]));
    }

    // The supply rules show the record without taking the window: typing elsewhere is undone.
    void dcWhileDcShowsTheRecordAgain() {
        OpenWindow window;
        window.Type(ids::kPermeability, u"3000"_s);
        window.Type(ids::kSupplyMax, u"400"_s);
        window.Click(ids::kSupplyKind[0]);
        QCOMPARE(SupplyTexts(window), (QStringList{u"260"_s, u"300"_s, u"340"_s}));
        QCOMPARE(window.Text(ids::kPermeability), u"2000"_s);
    }

    // Typing runs the limit on every keystroke; the field ends up as the rule leaves it.
    void typedLimits_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("B 0,35") << ids::kInductionMax << u"0,35"_s << u"0,3"_s;
        QTest::newRow("B 0.35") << ids::kInductionMax << u"0.35"_s << u"0,3"_s;
        QTest::newRow("B 1") << ids::kInductionMax << u"1"_s << u"0,3"_s;
        QTest::newRow("B 0,3") << ids::kInductionMax << u"0,3"_s << u"0,3"_s;
        QTest::newRow("B 0,25") << ids::kInductionMax << u"0,25"_s << u"0,25"_s;
        QTest::newRow("B cleared") << ids::kInductionMax << QString() << QString();
        QTest::newRow("f 350") << ids::kFrequency << u"350"_s << u"300"_s;
        QTest::newRow("f 300,5") << ids::kFrequency << u"300,5"_s << u"300"_s;
        QTest::newRow("f 300") << ids::kFrequency << u"300"_s << u"300"_s;
        QTest::newRow("f 32") << ids::kFrequency << u"32"_s << u"32"_s;
    }
    void typedLimits() {
        QFETCH(int, id);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        OpenWindow window;
        window.Type(id, typed);
        QCOMPARE(window.Text(id), shown);
        const DesignRecord& record = window->record();
        QCOMPARE(id == ids::kInductionMax ? record.m_strInductionMax : record.m_strFrequency,
                 shown.toStdString());
    }

    // A limit takes the whole window before it shows the record.
    void limitTakesTheWindowFirst() {
        OpenWindow window;
        window.Edit(ids::kPermeability)->setText(u"3000"_s);
        window.Type(ids::kFrequency, u"50"_s);
        QCOMPARE(window->record().m_strPermeability, "3000");
        QCOMPARE(window.Text(ids::kPermeability), u"3000"_s);
        QCOMPARE(window->record().m_dFrequency, std::optional<double>(50));
    }

    // Texts the program puts into the fields never run the limits.
    void programChangesDoNotRunTheLimits_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("induction") << ids::kInductionMax << u"5"_s;
        QTest::newRow("frequency") << ids::kFrequency << u"999"_s;
    }
    void programChangesDoNotRunTheLimits() {
        QFETCH(int, id);
        QFETCH(QString, text);
        OpenWindow window;
        const DesignRecord before = window->record();
        window.Edit(id)->setText(text);
        QCOMPARE(window.Text(id), text);
        QVERIFY(window->record() == before);

        DesignRecord& record = window->record();
        (id == ids::kInductionMax ? record.m_strInductionMax : record.m_strFrequency) = "777";
        window->UpdateData(false);
        QCOMPARE(window.Text(id), u"777"_s);

        window->OnCalculate();  // the calculation writes the field back with points
        QCOMPARE(window.Text(id), u"777"_s);
    }
};

QTEST_MAIN(FieldRulesTest)
#include "field_rules_test.moc"
