// The record side of the field rules, without any window.

#include "ui/option_rules.h"

#include <QTest>

using namespace toroglav;
using namespace toroglav::ui;

namespace {

QByteArray Bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

}  // namespace

class OptionRulesTest : public QObject {
    Q_OBJECT

private slots:
    void dcSupplyConvertsMainsTexts_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArrayList>("texts");
        QTest::addColumn<int>("kindAfter");
        QTest::addColumn<QByteArrayList>("textsAfter");
        QTest::newRow("mains 198/220/242")
            << 1 << QByteArrayList{"198", "220", "242"} << 0 << QByteArrayList{"270", "300", "330"};
        QTest::newRow("comma and point") << 1 << QByteArrayList{"200,5", "100.4", "1e2"} << 0
                                         << QByteArrayList{"273", "137", "136"};
        QTest::newRow("not numbers read as 0")
            << 1 << QByteArrayList{"", "abc", "-10"} << 0 << QByteArrayList{"0", "0", "-14"};
        QTest::newRow("already DC")
            << 0 << QByteArrayList{"198", "220", "242"} << 0 << QByteArrayList{"198", "220", "242"};
        QTest::newRow("kind out of range")
            << 2 << QByteArrayList{"198", "220", "242"} << 2 << QByteArrayList{"198", "220", "242"};
    }
    void dcSupplyConvertsMainsTexts() {
        QFETCH(int, kind);
        QFETCH(QByteArrayList, texts);
        QFETCH(int, kindAfter);
        QFETCH(QByteArrayList, textsAfter);
        DesignRecord record;
        record.m_nSupplyKind = kind;
        record.m_strSupplyMin = texts[0].toStdString();
        record.m_strSupplyNom = texts[1].toStdString();
        record.m_strSupplyMax = texts[2].toStdString();
        DesignRecord expected = record;
        SelectDcSupply(record);
        QCOMPARE(record.m_nSupplyKind, kindAfter);
        QCOMPARE((QByteArrayList{Bytes(record.m_strSupplyMin), Bytes(record.m_strSupplyNom),
                                 Bytes(record.m_strSupplyMax)}),
                 textsAfter);
        // Nothing else in the record moves.
        expected.m_nSupplyKind = record.m_nSupplyKind;
        expected.m_strSupplyMin = record.m_strSupplyMin;
        expected.m_strSupplyNom = record.m_strSupplyNom;
        expected.m_strSupplyMax = record.m_strSupplyMax;
        QVERIFY(record == expected);
    }

    void mainsSupplyAlwaysSetsTheMainsVoltages_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("from DC") << 0;
        QTest::newRow("from mains") << 1;
        QTest::newRow("from out of range") << 7;
    }
    void mainsSupplyAlwaysSetsTheMainsVoltages() {
        QFETCH(int, kind);
        DesignRecord record;
        record.m_nSupplyKind = kind;
        record.m_strSupplyNom = "12,5";
        SelectMainsSupply(record);
        QCOMPARE(record.m_nSupplyKind, 1);
        QCOMPARE(Bytes(record.m_strSupplyMin), QByteArray("198"));
        QCOMPARE(Bytes(record.m_strSupplyNom), QByteArray("220"));
        QCOMPARE(Bytes(record.m_strSupplyMax), QByteArray("242"));
    }

    // Typing in the window covers the usual texts; here the working numbers and odd texts.
    void limits_data() {
        QTest::addColumn<bool>("induction");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("textAfter");
        QTest::addColumn<double>("number");
        QTest::newRow("B 0,35") << true << QByteArray("0,35") << QByteArray("0,3") << 0.35;
        QTest::newRow("B 0.3 keeps its point")
            << true << QByteArray("0.3") << QByteArray("0.3") << 0.3;
        QTest::newRow("B negative") << true << QByteArray("-5") << QByteArray("-5") << -5.0;
        QTest::newRow("B 3e-1x") << true << QByteArray("3e-1x") << QByteArray("3e-1x") << 0.3;
        QTest::newRow("f 300,5") << false << QByteArray("300,5") << QByteArray("300") << 300.5;
        QTest::newRow("f text") << false << QByteArray("abc") << QByteArray("abc") << 0.0;
    }
    void limits() {
        QFETCH(bool, induction);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, textAfter);
        QFETCH(double, number);
        DesignRecord record;
        Text& field = induction ? record.m_strInductionMax : record.m_strFrequency;
        WorkingNumber& working = induction ? record.m_dInduction : record.m_dFrequency;
        field = text.toStdString();
        induction ? LimitInduction(record) : LimitFrequency(record);
        QCOMPARE(Bytes(field), textAfter);
        QVERIFY(working.has_value());
        QCOMPARE(*working, number);
        // The other limit's members are untouched.
        QVERIFY(!(induction ? record.m_dFrequency : record.m_dInduction).has_value());
    }

    void switchableEditPairs_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("firstInUse");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("2, any other value") << 2 << true;
        QTest::newRow("-1, nothing chosen") << -1 << true;
    }
    void switchableEditPairs() {
        QFETCH(int, option);
        QFETCH(bool, firstInUse);
        const ControllerEdits controller = ControllerEditsFor(option);
        QCOMPARE(controller.dutyMax, firstInUse);
        QCOMPARE(controller.deadTime, !firstInUse);
        const SwitchDropEdits switchDrop = SwitchDropEditsFor(option);
        QCOMPARE(switchDrop.usat, firstInUse);
        QCOMPARE(switchDrop.rdsOn, !firstInUse);
    }
};

QTEST_APPLESS_MAIN(OptionRulesTest)
#include "option_rules_test.moc"
