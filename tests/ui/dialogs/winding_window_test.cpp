// The "Намотка" window: its numbers and its picture's own figures are those of
// toroglav-calc --winding for the same design and choices, and it fits the small screen whole.
#include "ui/dialogs/winding_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QTest>

#include "calc/catalogue/core_catalogue.h"
#include "calc/text/result_format.h"
#include "ui/dialogs/winding_picture.h"
#include "ui/main_window/control_ids.h"
#include "ui/widgets/result_field.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

// NAME=VALUE lines of toroglav-calc.
QHash<QString, QString> CommandLine(const QStringList& args) {
    QProcess calc;
    calc.start(QString::fromUtf8(TOROGLAV_CALC_PROGRAM), args);
    calc.waitForFinished();
    QHash<QString, QString> values;
    for (const QString& line : QString::fromUtf8(calc.readAllStandardOutput()).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0) values.insert(line.left(equals), line.mid(equals + 1));
    }
    return values;
}

QString Field(const WindingWindow& window, const QString& name) {
    const auto* field = window.findChild<QLabel*>(name);
    return field ? field->text() : u"<missing %1>"_s.arg(name);
}

QString Comma(const QString& value, FixedDecimals decimals) {
    return QString::fromStdString(FormatFixed(value.toDouble(), decimals));
}

// The design on `core` (none: the default ring), on the mains when asked, calculated.
WindingWindow* OpenWinding(OpenWindow& window, const char* core, bool mains) {
    window->UpdateData(true);  // what was typed stays
    if (core) ApplyCore(*FindCore(core), window->record());
    window->record().m_nSupplyKind = mains ? 1 : 0;
    window->UpdateData(false);
    window.Click(ids::kCalculate);
    window.Click(ids::kShowWinding);
    return window->findChild<WindingWindow*>();
}

}  // namespace

class WindingWindowTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    // As the program: Russian on a Russian system, English on another (the small-screen check
    // runs in both, see tests/ui/CMakeLists.txt).
    void initTestCase() { test::InstallProgramTranslations(); }
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    void picturesAndNumbersOfTheCommandLine_data() {
        QTest::addColumn<QString>("core");
        QTest::addColumn<bool>("mains");
        QTest::addColumn<bool>("interleave");
        QTest::addColumn<QString>("bobbin");  // chosen in the window, none: the first
        QTest::newRow("ring") << QString() << false << false << QString();
        QTest::newRow("ETD, interleaved, another bobbin")
            << u"ETD 34"_s << false << true << u"Bobbin ETD 34 (Dual-in-Line)"_s;
        QTest::newRow("E on the mains") << u"E 42/21/15"_s << true << false << QString();
    }
    void picturesAndNumbersOfTheCommandLine() {
        QFETCH(QString, core);
        QFETCH(bool, mains);
        QFETCH(bool, interleave);
        QFETCH(QString, bobbin);
        OpenWindow window;
        const QByteArray coreName = core.toUtf8();
        WindingWindow* winding =
            OpenWinding(window, core.isEmpty() ? nullptr : coreName.data(), mains);
        QVERIFY(winding && winding->isVisible());
        QCOMPARE(winding->windowTitle(), u"Намотка"_s);
        if (interleave) winding->findChild<QCheckBox*>(u"interleave"_s)->setChecked(true);
        if (!bobbin.isEmpty()) {
            auto* bobbins = winding->findChild<QComboBox*>(u"bobbin"_s);
            bobbins->setCurrentIndex(bobbins->findText(bobbin));
        }
        QVERIFY(QTest::qWaitForWindowExposed(winding));
        winding->repaint();

        QStringList args = {u"--winding"_s, u"--set"_s, u"m_nSupplyKind=%1"_s.arg(mains)};
        if (!core.isEmpty()) args << u"--core"_s << core;
        if (interleave) args << u"--interleave"_s;
        if (!bobbin.isEmpty()) args << u"--bobbin"_s << bobbin;
        const QHash<QString, QString> calc = CommandLine(args);
        QVERIFY(calc.contains(u"fits"_s));
        if (!bobbin.isEmpty()) QCOMPARE(calc[u"bobbin"_s], bobbin);
        QCOMPARE(Field(*winding, u"window_depth_mm"_s), Comma(calc[u"window_depth_mm"_s], 2));
        QCOMPARE(Field(*winding, u"margin_mm"_s), Comma(calc[u"margin_mm"_s], 2));
        QCOMPARE(Field(*winding, u"build_mm"_s), Comma(calc[u"build_mm"_s], 2));
        QCOMPARE(Field(*winding, u"fill_percent"_s), Comma(calc[u"fill_percent"_s], 1));
        QCOMPARE(winding->plan().fits, calc[u"fits"_s] == u"1"_s);

        const WindingPicture::Drawn& drawn = winding->picture().drawn();
        QVERIFY(drawn.pixelsPerMm > 0);
        QVERIFY(qAbs(drawn.depthPx / drawn.pixelsPerMm - calc[u"window_depth_mm"_s].toDouble()) <
                1e-9);
        const QStringList order = calc[u"order"_s].split(u',');
        QCOMPARE(drawn.windings.size(), std::size_t(order.size()));
        for (qsizetype k = 0; k < order.size(); ++k) {
            const QString tag = u"["_s + order[k] + u"]"_s;
            for (const QString& count :
                 {u"turns"_s, u"strands"_s, u"turns_per_layer"_s, u"layers"_s, u"tape_layers"_s})
                QCOMPARE(Field(*winding, count + tag), calc[count + tag]);
            QCOMPARE(Field(*winding, u"wire_mm"_s + tag), Comma(calc[u"wire_mm"_s + tag], 3));
            QCOMPARE(Field(*winding, u"build_mm"_s + tag), Comma(calc[u"build_mm"_s + tag], 2));
            QCOMPARE(Field(*winding, u"resistance_dc_mOhm"_s + tag),
                     Comma(calc[u"resistance_dc_mOhm"_s + tag], 2));
            if (calc.contains(u"leakage_uH"_s + tag))
                QCOMPARE(Field(*winding, u"leakage_uH"_s + tag),
                         Comma(calc[u"leakage_uH"_s + tag], 3));
            // The picture draws each layer, every wire of it, to scale.
            const WindingPicture::DrawnWinding& picture = drawn.windings[std::size_t(k)];
            const winding::Winding& planned = winding->plan().windings[std::size_t(k)];
            QCOMPARE(QString::number(picture.layers), calc[u"layers"_s + tag]);
            QCOMPARE(picture.wires, calc[u"turns"_s + tag].toInt() *
                                        calc[u"strands"_s + tag].toInt() * planned.halves);
            QVERIFY(qAbs(picture.buildPx / drawn.pixelsPerMm -
                         calc[u"build_mm"_s + tag].toDouble()) < 1e-6);
        }
    }

    // The longest table (push-pull, five outputs, the primary interleaved): the window fits
    // 1024 x 768 with its frame and shows every number whole; the picture grows with it.
    void everyNumberWholeOnTheSmallScreen() {
        OpenWindow window;
        window.Click(ids::kConverter[0]);
        for (int k = 1; k < kOutputCount; ++k) {
            window.Type(ids::kOutVoltage[k], QString::number(5 * k));
            window.Type(ids::kOutCurrent[k], u"1,5"_s);
        }
        WindingWindow* winding = OpenWinding(window, "ETD 49", false);
        QVERIFY(winding);
        winding->findChild<QCheckBox*>(u"interleave"_s)->setChecked(true);
        QCOMPARE(winding->plan().windings.size(), std::size_t(7));
        QVERIFY(QTest::qWaitForWindowExposed(winding));
        if (winding->devicePixelRatio() == 1)
            QVERIFY2(winding->frameGeometry().width() <= 1024 &&
                         winding->frameGeometry().height() <= 768,
                     qPrintable(u"%1 x %2"_s.arg(winding->frameGeometry().width())
                                    .arg(winding->frameGeometry().height())));
        for (const ResultField* field : winding->findChildren<ResultField*>())
            QVERIFY2(!field->isVisible() || !field->IsCut(), qPrintable(field->objectName()));
        winding->repaint();
        const double before = winding->picture().drawn().pixelsPerMm;
        winding->resize(winding->size() + QSize(200, 200));
        winding->repaint();
        QVERIFY(winding->picture().drawn().pixelsPerMm > before);
    }
};

QTEST_MAIN(WindingWindowTest)
#include "winding_window_test.moc"
