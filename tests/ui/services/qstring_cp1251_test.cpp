// The crossing between the record's cp1251 bytes and the window's QStrings.

#include "ui/services/qstring_cp1251.h"

#include <QTest>

#include "calc/text/cp1251.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;

class QStringCp1251Test : public QObject {
    Q_OBJECT

private slots:
    void everyByteSurvivesTheRoundTrip() {
        std::string every;
        for (int byte = 0; byte < 256; ++byte) every.push_back(static_cast<char>(byte));
        const QString text = QStringFromCp1251(every);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Cp1251FromQString(text), every);
    }

    void knownTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("unit") << u"мГн"_s << QByteArray("\xEC\xC3\xED");
        QTest::newRow("capital Ё and №") << u"Ё№"_s << QByteArray("\xA8\xB9");
        QTest::newRow("digits with comma") << u"0,154; 0,178"_s << QByteArray("0,154; 0,178");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void knownTexts() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(Cp1251FromQString(text)), bytes);
        QCOMPARE(QStringFromCp1251(bytes.toStdString()), text);
    }

    // Characters cp1251 cannot hold become one '?' each, a surrogate pair included.
    void foreignCharactersBecomeQuestionMarks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Greek") << u"αβ"_s << QByteArray("??");
        QTest::newRow("outside the BMP") << u"a\U0001F600b"_s << QByteArray("a?b");
        QTest::newRow("ideograph among Cyrillic") << u"Т漢Т"_s << QByteArray("\xD2?\xD2");
    }
    void foreignCharactersBecomeQuestionMarks() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(Cp1251FromQString(text)), bytes);
    }
};

QTEST_APPLESS_MAIN(QStringCp1251Test)
#include "qstring_cp1251_test.moc"
