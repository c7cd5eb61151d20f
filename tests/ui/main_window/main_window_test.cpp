// Start-up, the keyboard and command paths, warnings and the data exchange of the main window.

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <variant>
#include <vector>

#include "calc/text/cp1251.h"
#include "ui/main_window/control_ids.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

class MainWindowTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    void startUpShowsCalculatedDefaults_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        // One figure proves the calculation; the others, what it writes back into the inputs.
        QTest::newRow("primary turns") << ids::kPrimaryTurns << u"80 (80,49)"_s;
        QTest::newRow("dead time derived") << ids::kDeadTime << u"1,562"_s;
        QTest::newRow("induction read with a point") << ids::kInductionMax << u"0.2"_s;
        QTest::newRow("unused output stays empty") << ids::kOutVoltage[1] << QString();
    }
    void startUpShowsCalculatedDefaults() {
        QFETCH(int, id);
        QFETCH(QString, text);
        OpenWindow window;
        QCOMPARE(window.Text(id), text);
        QVERIFY(window.warnings().isEmpty());
    }

    void startUpEnablesOneEditOfEachPair_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("duty factor") << ids::kDutyMax << true;
        QTest::newRow("dead time") << ids::kDeadTime << false;
        QTest::newRow("Rds(on)") << ids::kRdsOn << true;
        QTest::newRow("saturation voltage") << ids::kUsat << false;
    }
    void startUpEnablesOneEditOfEachPair() {
        QFETCH(int, id);
        QFETCH(bool, enabled);
        OpenWindow window;
        QCOMPARE(window->control(id)->isEnabled(), enabled);
    }

    void startUpWindow() {
        OpenWindow window;
        QCOMPARE(window->windowTitle(),
                 u"Расчет импульсного трансформатора двухтактного преобразователя"_s);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->focusWidget(), window->control(ids::kCalculate));
        QVERIFY(qobject_cast<QPushButton*>(window->control(ids::kCalculate))->isDefault());
    }

    // Three commands straight on the bar, then the one drop-down list, the language's.
    void menuBarHoldsThreeCommandsAndTheLanguages() {
        OpenWindow window;
        const auto* menuBar = window->findChild<QMenuBar*>();
        QVERIFY(menuBar);
        QStringList commands;
        for (const QAction* action : menuBar->actions()) {
            if (action->isSeparator()) continue;
            commands << action->text();
            QCOMPARE(action->menu() != nullptr, commands.size() == 4);
        }
        QCOMPARE(commands, (QStringList{u"Показать схемы &выпрямления"_s, u"&О программе..."_s,
                                        u"&Помощь"_s, u"Язык / &Language"_s}));
        QCOMPARE(window->command(ids::kShowSchemes)->text(), commands[0]);
        QCOMPARE(window->command(ids::kAbout)->text(), commands[1]);
        QCOMPARE(window->command(ids::kHelp)->text(), commands[2]);
    }

    // Enter anywhere in the form takes the window, calculates and shows the results.
    void enterCalculates_data() {
        QTest::addColumn<int>("focusId");
        QTest::newRow("permeability edit") << ids::kPermeability;
        QTest::newRow("supply edit") << ids::kSupplyNom;
        QTest::newRow("output voltage edit") << ids::kOutVoltage[0];
        QTest::newRow("converter radio") << ids::kConverter[2];
        QTest::newRow("core type radio") << ids::kCoreType[0];
    }
    void enterCalculates() {
        QFETCH(int, focusId);
        OpenWindow window;
        window.Edit(ids::kPermeability)->setText(u"4000"_s);
        QWidget* focus = window->control(focusId);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        QVERIFY(window->isVisible());
        QCOMPARE(window->record().m_strPermeability, "4000");
        QCOMPARE(window.Text(ids::kInductance), u"25,994"_s);
    }

    void calculateTakesOptionsChosenSinceLastRun() {
        OpenWindow window;
        qobject_cast<QAbstractButton*>(window->control(ids::kConverter[0]))->click();
        QCOMPARE(window->record().m_nConverter, 1);  // no rule: the record waits for a take
        qobject_cast<QAbstractButton*>(window->control(ids::kCalculate))->click();
        QCOMPARE(window->record().m_nConverter, 0);
        QVERIFY(window.Text(ids::kPrimaryTurns).contains(u" + "_s));
    }

    void exitPathsCloseTheWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << u"esc"_s;
        QTest::newRow("close box") << u"close"_s;
        QTest::newRow("Выход") << u"button"_s;
    }
    void exitPathsCloseTheWindow() {
        QFETCH(QString, how);
        OpenWindow window;
        if (how == u"esc"_s)
            QTest::keyClick(window->control(ids::kPermeability), Qt::Key_Escape);
        else if (how == u"close"_s)
            window->close();
        else
            qobject_cast<QAbstractButton*>(window->control(ids::kExit))->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
    }

    // The calculation's warnings reach the message service and the run still completes.
    void warningsGoToTheMessageService() {
        OpenWindow window;
        window->record().m_strInductionMax = "0,3";
        window->record().m_strFrequency = "300";
        window->UpdateData(false);
        window->OnCalculate();
        QCOMPARE(window.warnings(),
                 QStringList{u"Потери слишком велики.\nНет данных для расчета потерь!\nСнизте "
                             u"индукцию и(или) частоту!"_s});
        QCOMPARE(window.Text(ids::kCoreLoss), u"?  "_s);
        QVERIFY(window.Text(ids::kPrimaryTurns) != u"80 (80,49)"_s);
    }

    // Option indices outside a group check no radio, and a group without a check reads -1.
    void radioGroupsExchangeOutOfRangeIndices_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("above the group") << 3;
        QTest::newRow("negative") << -1;
        QTest::newRow("far out") << 1000;
    }
    void radioGroupsExchangeOutOfRangeIndices() {
        QFETCH(int, value);
        OpenWindow window;
        window->record().m_nConverter = value;
        window->record().m_nRectifier[4] = value;
        window->UpdateData(false);
        for (const int id : ids::kConverter)
            QVERIFY(!qobject_cast<QAbstractButton*>(window->control(id))->isChecked());
        window->UpdateData(true);
        QCOMPARE(window->record().m_nConverter, -1);
        QCOMPARE(window->record().m_nRectifier[4], -1);
        QCOMPARE(window->record().m_nRectifier[3], 0);

        window->record().m_nConverter = 2;
        window->UpdateData(false);
        QVERIFY(qobject_cast<QAbstractButton*>(window->control(ids::kConverter[2]))->isChecked());
        window->UpdateData(true);
        QCOMPARE(window->record().m_nConverter, 2);
    }

    // Edits do not scroll: typing stops where the box is full, shortening always works.
    void editsHoldNoMoreThanTheyShow() {
        OpenWindow window;
        QLineEdit* edit = window.Edit(ids::kOutCurrent[2]);
        QTest::keyClicks(edit, QString(40, u'8'));
        const QString typed = edit->text();
        QVERIFY(typed.size() > 1);
        QVERIFY(typed.size() < 40);
        QVERIFY(edit->fontMetrics().horizontalAdvance(typed) < edit->width());

        edit->setText(QString(40, u'9'));
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString(39, u'9'));
    }

    // Every text member of the record is bound to a control: a text of its own goes into the
    // window and comes back, whatever member it is.
    void everyTextMemberIsBound() {
        OpenWindow window;
        DesignRecord& record = window->record();
        std::vector<Text*> texts;
        for (const RecordField& field : RecordFields()) {
            if (const auto* text = std::get_if<Text DesignRecord::*>(&field.member))
                texts.push_back(&(record.**text));
            if (const auto* outputs = std::get_if<OutputTexts DesignRecord::*>(&field.member))
                for (Text& text : record.**outputs) texts.push_back(&text);
        }
        for (std::size_t i = 0; i < texts.size(); ++i) *texts[i] = "t" + std::to_string(i);
        window->UpdateData(false);
        for (Text* text : texts) text->clear();
        window->UpdateData(true);
        for (std::size_t i = 0; i < texts.size(); ++i) QCOMPARE(*texts[i], "t" + std::to_string(i));
    }

    // Showing the record sets only texts that changed, so the field being typed in keeps its
    // cursor while the induction rule takes and shows the whole record at every keystroke.
    void typingInTheMiddleKeepsTheCursor() {
        OpenWindow window;
        QLineEdit* induction = window.Edit(ids::kInductionMax);
        induction->setFocus();
        induction->setText(u"0,2"_s);
        induction->setCursorPosition(2);
        QTest::keyClicks(induction, u"15"_s);
        QCOMPARE(induction->text(), u"0,152"_s);
    }

    // Texts pass through the controls and back byte for byte, results included.
    void textsSurviveTheExchange_data() {
        QTest::addColumn<int>("field");
        QTest::newRow("input edit") << 0;
        QTest::newRow("output edit") << 1;
        QTest::newRow("result field") << 2;
    }
    void textsSurviveTheExchange() {
        QFETCH(int, field);
        OpenWindow window;
        std::string every;
        for (int byte = 1; byte < 256; ++byte) every.push_back(static_cast<char>(byte));
        DesignRecord& record = window->record();
        std::string* const members[] = {&record.m_strPermeability, &record.m_strOutCurrent[3],
                                        &record.m_strOverheat};
        *members[field] = every;
        window->UpdateData(false);
        *members[field] = "changed";
        window->UpdateData(true);
        QCOMPARE(*members[field], every);
        QCOMPARE(record.m_strInductanceUnit, std::string(Cp1251<"мГн">));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
