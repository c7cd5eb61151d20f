// The form at whatever scale the test runs (ctest runs it at 1x and 2x): every caption shown in
// full, every control inside the window, and the group structure of the form.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "ui/control_ids.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

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

    // Results of a push-pull design with bipolar outputs are the longest texts of their columns.
    void longResultsShownInFull() {
        OpenWindow window;
        DesignRecord& record = window->record();
        record.m_nConverter = 0;
        record.m_nStabilization = 0;
        for (int k = 0; k < kOutputCount; ++k) {
            record.m_nRectifier[k] = 1;
            record.m_strOutVoltage[k] = "150";
            record.m_strOutCurrent[k] = "0,5";
        }
        record.m_strSupplyMin = "26";
        record.m_strSupplyNom = "30";
        record.m_strSupplyMax = "34";
        window->UpdateData(false);
        window->OnCalculate();
        QVERIFY(window.Text(ids::kPrimaryTurns).contains(u" + "_s));
        QCOMPARE(ClippedTexts(*window), QStringList());
    }

    void controlsStandInTheirGroups_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("group");
        QTest::newRow("converter") << ids::kConverter[1] << u"Схема преобразователя"_s;
        QTest::newRow("permeability") << ids::kPermeability << u"Исходные данные"_s;
        QTest::newRow("rectifier") << ids::kRectifier[4][2] << u"Исходные данные"_s;
        QTest::newRow("core type") << ids::kCoreType[3] << u"Магнитопровод"_s;
        QTest::newRow("material") << ids::kMaterial[1] << u"Магнитопровод"_s;
        QTest::newRow("area") << ids::kAe << u"Результаты расчета"_s;
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
