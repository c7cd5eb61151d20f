// The form at whatever scale and in whatever language the test runs (ctest runs it at 1x and 2x,
// in Russian and in English): every caption shown in full, every control inside the window, and
// the group structure of the form.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QTest>
#include <QToolTip>
#include <functional>

#include "ui/main_window/control_ids.h"
#include "ui/widgets/result_field.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

// Changes to the default design, made before calculating.
using Design = std::function<void(DesignRecord&)>;
Q_DECLARE_METATYPE(Design)

namespace {

// Why `widget` does not show its whole text, or an empty string when it does.
QString Clipped(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) return {};
        const QRect room = label->contentsRect();
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(room.width()) <= room.height()
                : label->fontMetrics().horizontalAdvance(label->text()) <= room.width() &&
                      label->fontMetrics().height() <= room.height();
        return fits ? QString() : u"label \"%1\""_s.arg(label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        const QSize needed = button->sizeHint();
        return needed.width() <= button->width() && needed.height() <= button->height()
                   ? QString()
                   : u"button \"%1\""_s.arg(button->text());
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        // The line edit keeps a margin of two pixels inside its contents on either side.
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const int room =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 4;
        return edit->fontMetrics().horizontalAdvance(edit->text()) <= room
                   ? QString()
                   : u"edit \"%1\""_s.arg(edit->text());
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->minimumSizeHint().width() <= box->width() ? QString()
                                                              : u"group \"%1\""_s.arg(box->title());
    return {};
}

QStringList ClippedTexts(CToroglavDlg& window) {
    QStringList clipped;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        if (const QString why = Clipped(widget); !why.isEmpty()) clipped << why;
        const QRect inWindow(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if (!window.rect().contains(inWindow))
            clipped << u"outside the window: %1"_s.arg(widget->objectName());
    }
    return clipped;
}

QString GroupTitleOf(CToroglavDlg& window, int id) {
    for (QWidget* parent = window.control(id)->parentWidget(); parent;
         parent = parent->parentWidget())
        if (const auto* box = qobject_cast<QGroupBox*>(parent)) return box->title();
    return {};
}

}  // namespace

class FormLayoutTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    void initTestCase() { test::InstallProgramTranslations(); }
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    // Checked with the default results, then with the longest captions of each core type.
    void everyTextShownInFull_data() {
        QTest::addColumn<int>("coreRadio");
        QTest::newRow("ring") << ids::kCoreType[0];
        QTest::newRow("E core") << ids::kCoreType[1];
        QTest::newRow("other core") << ids::kCoreType[3];
    }
    void everyTextShownInFull() {
        QFETCH(int, coreRadio);
        OpenWindow window;
        qobject_cast<QAbstractButton*>(window->control(coreRadio))->click();
        window->repaint();
        QCOMPARE(ClippedTexts(*window), QStringList());
    }

    // Extreme but real designs: their results and the inputs the calculation writes back fit.
    void extremeDesignsShownInFull_data() {
        QTest::addColumn<Design>("design");
        QTest::addColumn<int>("id");  // a field that shows the extreme, to prove the design
        QTest::addColumn<QString>("shows");
        QTest::newRow("push-pull on 340 V mains") << Design([](DesignRecord& r) {
            r.m_nConverter = 0;
            r.m_nSupplyKind = 1;
            r.m_strSupplyMin = "300";
            r.m_strSupplyNom = "340";
            r.m_strSupplyMax = "380";
        }) << ids::kPrimaryTurns << u"245 + 245 (245,42)"_s;
        QTest::newRow("1000 V output") << Design([](DesignRecord& r) {
            r.m_nConverter = 0;
            r.m_strOutVoltage[0] = "1000";
            r.m_strOutCurrent[0] = "0,1";
            r.m_strOutCurrentMin[0] = "0,1";
        }) << ids::kOutTurns[0] << u"689 + 689(688,45)"_s;
        QTest::newRow("five outputs, bipolar and bridge") << Design([](DesignRecord& r) {
            r.m_nConverter = 0;
            r.m_nStabilization = 0;
            r.m_strSupplyMin = "20";
            r.m_strSupplyNom = "24";
            r.m_strSupplyMax = "28";
            r.m_strOutVoltage = {"150", "48", "12", "5", "1000"};
            r.m_strOutCurrent = {"10", "1", "2", "3", "0,05"};
            r.m_strOutCurrentMin[4] = "0,05";
            r.m_nRectifier = {1, 2, 1, 2, 1};
        }) << ids::kOutVmax[4] << u"1172,1"_s;
        QTest::newRow("2 A/mm2, many strands") << Design([](DesignRecord& r) {
            r.m_strCurrentDensity = "2";
            r.m_strOutCurrent[0] = "40";
        }) << ids::kOutWire[0] << u"0,63 x 43"_s;
        QTest::newRow("results not finite")
            << Design([](DesignRecord& r) { r.m_strFrequency = "0"; }) << ids::kPrimaryTurns
            << u"inf (inf)"_s;
    }
    void extremeDesignsShownInFull() {
        QFETCH(Design, design);
        QFETCH(int, id);
        QFETCH(QString, shows);
        OpenWindow window;
        design(window->record());
        window->UpdateData(false);
        window->OnCalculate();
        QCOMPARE(window.Text(id), shows);
        QCOMPARE(ClippedTexts(*window), QStringList());
    }

    // Every edit takes, typed, the widest number it is meant for: six characters, seven for the
    // supply and the core's dimensions (under the limits of induction and frequency).
    void editsTakeTheNumbersTheyAreFor() {
        OpenWindow window;
        QList<QWidget*> seven;
        for (const int id : {ids::kSupplyMin, ids::kSupplyNom, ids::kSupplyMax, ids::kDimD,
                             ids::kDimd, ids::kDimh, ids::kDimho, ids::kDimHs, ids::kDimL})
            seven << window->control(id);
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            const QString number = seven.contains(edit) ? u"1000,55"_s : u"0,0125"_s;
            edit->setEnabled(true);  // the switchable ones too
            edit->clear();
            QTest::keyClicks(edit, number);
            QCOMPARE(edit->text(), number);
        }
    }

    // With its frame, the window fits a 1024 x 768 screen at 96 dpi.
    void windowFitsTheSmallScreen() {
        OpenWindow window;
        if (window->devicePixelRatio() != 1) QSKIP("measured at scale 1");
        QVERIFY2(window->frameGeometry().width() <= 1024 && window->frameGeometry().height() <= 768,
                 qPrintable(u"%1 x %2"_s.arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())));
    }

    // A text longer than any real design gives is shown cut with an ellipsis, whole on hover.
    void overlongResultShowsItIsCut() {
        OpenWindow window;
        const std::string overlong(30, '9');
        window->record().m_strChoke[0] = overlong;
        window->UpdateData(false);
        auto* field = qobject_cast<ResultField*>(window->control(ids::kChoke[0]));
        QVERIFY(field->IsCut());
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &hover);
        QTRY_COMPARE(QToolTip::text(), QString::fromStdString(overlong));
    }

    void controlsStandInTheirGroups_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("group");
        QTest::newRow("converter") << ids::kConverter[1] << MainForm::tr("Схема преобразователя");
        QTest::newRow("permeability") << ids::kPermeability << MainForm::tr("Исходные данные");
        QTest::newRow("rectifier") << ids::kRectifier[4][2] << MainForm::tr("Исходные данные");
        QTest::newRow("core type") << ids::kCoreType[3] << MainForm::tr("Магнитопровод");
        QTest::newRow("material") << ids::kMaterial[1] << MainForm::tr("Магнитопровод");
        QTest::newRow("area") << ids::kAe << MainForm::tr("Результаты расчета");
        QTest::newRow("button") << ids::kCalculate << QString();
    }
    void controlsStandInTheirGroups() {
        QFETCH(int, id);
        QFETCH(QString, group);
        OpenWindow window;
        QCOMPARE(GroupTitleOf(*window, id), group);
    }

    // Left column over right column, outputs left to right, buttons in their order.
    void formOrder() {
        OpenWindow window;
        const auto x = [&](int id) { return window->control(id)->mapTo(&*window, QPoint()).x(); };
        const auto y = [&](int id) { return window->control(id)->mapTo(&*window, QPoint()).y(); };
        for (int k = 1; k < kOutputCount; ++k) {
            QVERIFY(x(ids::kOutVoltage[k - 1]) < x(ids::kOutVoltage[k]));
            QVERIFY(x(ids::kRectifier[k - 1][0]) < x(ids::kRectifier[k][0]));
            QVERIFY(y(ids::kOutTurns[k - 1]) < y(ids::kOutTurns[k]));
        }
        QVERIFY(x(ids::kPermeability) < x(ids::kAe));
        QVERIFY(y(ids::kDimD) < y(ids::kAe));
        QVERIFY(x(ids::kStabilization[1]) < x(ids::kStabilization[0]));  // "Есть" left of "Нет"
        const int buttons[] = {ids::kSaveDesign, ids::kLoadDesign, ids::kSaveReport,
                               ids::kCalculate, ids::kExit};
        for (int i = 1; i < 5; ++i) QVERIFY(x(buttons[i - 1]) < x(buttons[i]));
    }
};

QTEST_MAIN(FormLayoutTest)
#include "form_layout_test.moc"
