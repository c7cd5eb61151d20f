// The "Потери и нагрев" window: the numbers of toroglav-calc --losses for the same design, the
// optimum entered into the main window and calculated, a material change, the winding window's
// choices, and every number in full on a window that fits the small screen.

#include "ui/dialogs/loss_window.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "calc/analysis/loss_figures.h"
#include "calc/catalogue/core_catalogue.h"
#include "calc/text/result_format.h"
#include "ui/dialogs/winding_window.h"
#include "ui/main_window/control_ids.h"
#include "ui/widgets/result_field.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

LossWindow* OpenLosses(OpenWindow& window) {
    window.Click(ids::kShowLosses);
    return window->findChild<LossWindow*>();
}

QString Field(const LossWindow& losses, const QString& name) {
    const auto* field = losses.findChild<QLabel*>(name);
    return field ? field->text() : u"<missing %1>"_s.arg(name);
}

// NAME=VALUE lines of toroglav-calc.
QHash<QString, double> CommandLineLosses(const QStringList& args) {
    QProcess calc;
    calc.start(QString::fromUtf8(TOROGLAV_CALC_PROGRAM), args);
    calc.waitForFinished();
    QHash<QString, double> values;
    for (const QString& line : QString::fromUtf8(calc.readAllStandardOutput()).split(u'\n')) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals > 0) values.insert(line.left(equals), line.mid(equals + 1).toDouble());
    }
    return values;
}

QString Comma(double value, FixedDecimals decimals) {
    return QString::fromStdString(FormatFixed(value, decimals));
}

// Texts typed into the main window's edits, by identifier.
using Typed = QList<std::pair<int, QString>>;

QPushButton* ApplyButton(const LossWindow& losses) {
    for (QPushButton* button : losses.findChildren<QPushButton*>())
        if (button->text() == u"Применить оптимум"_s) return button;
    return nullptr;
}

}  // namespace

class LossWindowTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    // As the program: Russian on a Russian system, English on another (the small-screen check
    // runs in both, see tests/ui/CMakeLists.txt).
    void initTestCase() { test::InstallProgramTranslations(); }
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    // The command line works the default design out on its own; the window must show the same
    // figures, each as its row in the table of figures says.
    void showsTheNumbersOfTheCommandLine() {
        OpenWindow window;
        const LossWindow* losses = OpenLosses(window);
        QVERIFY(losses && losses->isVisible());
        QCOMPARE(losses->windowTitle(), u"Потери и нагрев"_s);
        const QHash<QString, double> calc = CommandLineLosses({u"--losses"_s});
        QVERIFY(calc.contains(u"total_loss_W"_s));
        const auto compare = [&](const auto& figures, QStringView tag) {
            for (const auto& figure : figures) {
                if (figure.shown != kEverywhere) continue;
                const QString key = QString::fromLatin1(figure.key);
                const QString unit = QString::fromLatin1(UnitSuffix(figure.unit));
                const QString listed =
                    key + (unit.isEmpty() ? u""_s : u"_"_s + unit) + tag.toString();
                QVERIFY2(calc.contains(listed), qPrintable(listed));
                QCOMPARE(Field(*losses, key + tag.toString()),
                         Comma(calc[listed], figure.decimals));
            }
        };
        compare(kCoreFigures, {});
        compare(kTotalFigures, {});
        compare(kOptimumFigures, {});
        compare(kWindingFigures, u"[P]");
        compare(kWindingFigures, u"[1]");
    }

    // The main window's core loss and overheating come from another model; the window says so
    // beside its own figures, quoting them.
    void explainsTheMainWindowsFigures() {
        OpenWindow window;
        const LossWindow* losses = OpenLosses(window);
        QVERIFY(losses);
        const QString models = Field(*losses, u"models"_s);
        QVERIFY2(models.contains(window.Text(ids::kCoreLoss) + u" Вт"_s), qPrintable(models));
        QVERIFY2(models.contains(window.Text(ids::kOverheat)), qPrintable(models));
    }

    // An ambient temperature the analysis does not take (-240 C, 300 C, a word) shows in red, says
    // why and gives no figures, rather than a runaway.
    void refusesAnAmbientOutsideTheRange() {
        OpenWindow window;
        LossWindow* losses = OpenLosses(window);
        QVERIFY(losses);
        auto* ambient = losses->findChild<QLineEdit*>();
        for (const QString& typed : {u"300"_s, u"-240"_s, u"тепло"_s}) {
            ambient->setText(typed);
            emit ambient->textEdited(typed);
            QVERIFY2(Field(*losses, u"warnings"_s).contains(u"от −55 до 150 °C"_s),
                     qPrintable(typed));
            QCOMPARE(Field(*losses, u"core_temperature"_s), u"—"_s);
            QCOMPARE(Field(*losses, u"optimum_induction_max"_s), u"—"_s);
            QVERIFY(ambient->palette().color(QPalette::Text) !=
                    losses->palette().color(QPalette::Text));
        }
        ambient->setText(u"25"_s);
        emit ambient->textEdited(u"25"_s);
        QVERIFY(Field(*losses, u"core_temperature"_s) != u"—"_s);
        // So does an air speed; a stream that is taken cools the core.
        const double stillRise = losses->analysis().temperatureRiseK;
        auto* airSpeed = losses->findChild<QLineEdit*>(u"air_speed"_s);
        QVERIFY(airSpeed);
        for (const QString& typed : {u"-1"_s, u"ветер"_s, u"2"_s}) {
            airSpeed->setText(typed);
            emit airSpeed->textEdited(typed);
            const bool taken = typed == u"2"_s;
            QCOMPARE(Field(*losses, u"warnings"_s).contains(u"от 0 до 20 м/с"_s), !taken);
            QCOMPARE(Field(*losses, u"core_temperature"_s) == u"—"_s, !taken);
        }
        QVERIFY(losses->analysis().temperatureRiseK < stillRise);
    }

    // The optimum goes into the main window's induction, which calculates; the loss window
    // follows, its plot updated in place.
    void optimumIsAppliedAndCalculated() {
        OpenWindow window;
        LossWindow* losses = OpenLosses(window);
        QVERIFY(losses);
        const double optimum = losses->optimum().inductionMaxT.value_or(0);
        QVERIFY(optimum > 0.2);  // the default design's 0,2 T is not its optimum
        const QString turnsBefore = window.Text(ids::kPrimaryTurns);
        const QList<QAbstractSeries*> series = losses->findChild<QChartView*>()->chart()->series();
        ApplyButton(*losses)->click();
        // The calculation reads the comma and writes the text back with a point.
        QCOMPARE(window.Text(ids::kInductionMax), Comma(optimum, 3).replace(u',', u'.'));
        QVERIFY(window.Text(ids::kPrimaryTurns) != turnsBefore);
        QCOMPARE(Field(*losses, u"induction_max"_s), Comma(optimum, 3));
        QCOMPARE(losses->findChild<QChartView*>()->chart()->series(), series);
    }

    // Another ferrite in the window changes the core loss; the main window's material choice,
    // once calculated, brings the window to that material.
    void materialChoice() {
        OpenWindow window;
        LossWindow* losses = OpenLosses(window);
        QVERIFY(losses);
        auto* material = losses->findChild<QComboBox*>();
        QCOMPARE(material->currentText(), u"N87 (TDK)"_s);
        const QString n87 = Field(*losses, u"core_loss"_s);
        material->setCurrentIndex(material->findText(u"3C90 (Ferroxcube)"_s));
        QVERIFY(Field(*losses, u"core_loss"_s) != n87);
        window.Click(ids::kMaterial[1]);
        window.Click(ids::kCalculate);
        QCOMPARE(material->currentText(), u"N27 (TDK)"_s);
    }

    // Interleaving the primary in the winding window lowers the copper loss shown here at once;
    // the choice holds after the winding window closes.
    void followsTheWindingWindowsChoices() {
        OpenWindow window;
        window->UpdateData(true);
        ApplyCore(*FindCore("ETD 34"), window->record());
        window->UpdateData(false);
        window.Click(ids::kCalculate);
        LossWindow* losses = OpenLosses(window);
        window.Click(ids::kShowWinding);
        auto* winding = window->findChild<WindingWindow*>();
        QVERIFY(losses && winding);
        const QString wound = Field(*losses, u"copper_loss"_s);
        const double woundW = losses->analysis().copperLossW;
        winding->findChild<QCheckBox*>(u"interleave"_s)->setChecked(true);
        QVERIFY(Field(*losses, u"copper_loss"_s) != wound);
        const double interleavedW = losses->analysis().copperLossW;
        QVERIFY2(interleavedW < woundW, qPrintable(u"%1 W, %2 W"_s.arg(interleavedW).arg(woundW)));
        winding->close();
        window.Click(ids::kCalculate);
        QCOMPARE(losses->analysis().copperLossW, interleavedW);
    }

    // The longest table (push-pull, five outputs) and the widest text (a tiny ring that runs
    // away): the window fits 1024 x 768 with its frame and shows every number whole.
    void everyNumberWholeOnTheSmallScreen_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<bool>("runsAway");
        Typed outputs;
        for (int k = 1; k < kOutputCount; ++k)
            outputs << std::pair(ids::kOutVoltage[k], QString::number(5 * k))
                    << std::pair(ids::kOutCurrent[k], u"1,5"_s);
        QTest::newRow("push-pull, five outputs")
            << QList<int>{ids::kConverter[0]} << outputs << false;
        QTest::newRow("runaway") << QList<int>{}
                                 << Typed{{ids::kFrequency, u"100"_s},
                                          {ids::kInductionMax, u"0,3"_s},
                                          {ids::kDimD, u"14"_s},
                                          {ids::kDimd, u"8"_s},
                                          {ids::kDimh, u"6"_s}}
                                 << true;
    }
    void everyNumberWholeOnTheSmallScreen() {
        QFETCH(QList<int>, clicks);
        QFETCH(Typed, typed);
        QFETCH(bool, runsAway);
        OpenWindow window;
        for (const int id : clicks) window.Click(id);
        for (const auto& [id, text] : typed) window.Type(id, text);
        window.Click(ids::kCalculate);
        LossWindow* losses = OpenLosses(window);
        QVERIFY(losses);
        QCOMPARE(losses->analysis().thermalRunaway, runsAway);
        QVERIFY(QTest::qWaitForWindowExposed(losses));
        if (losses->devicePixelRatio() == 1)
            QVERIFY2(
                losses->frameGeometry().width() <= 1024 && losses->frameGeometry().height() <= 768,
                qPrintable(u"%1 x %2"_s.arg(losses->frameGeometry().width())
                               .arg(losses->frameGeometry().height())));
        for (const ResultField* field : losses->findChildren<ResultField*>())
            QVERIFY2(!field->isVisible() || !field->IsCut(), qPrintable(field->text()));
    }
};

QTEST_MAIN(LossWindowTest)
#include "loss_window_test.moc"
