// The program's own message service: a modal box with the warning, "Внимание!" and OK only.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTest>
#include <QTimer>

#include "ui/services/message_box_service.h"

using namespace Qt::StringLiterals;
using namespace toroglav::ui;

namespace {

// A style that, as some desktops' do, decorates dialog buttons with icons.
class ButtonIconStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new ButtonIconStyle); }

    void warningIsAModalBoxWithOkOnly() {
        QString title, text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::Critical;
        bool modal = false;
        bool plainOk = false;
        // The box blocks, so it is inspected and closed from inside its own event loop.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            icon = box->icon();
            modal = box->isModal();
            plainOk = box->button(QMessageBox::Ok)->icon().isNull();
            box->button(QMessageBox::Ok)->click();
        });
        MessageBoxService service;
        const QString warning =
            u"Ожидаемый перегрев сердечника более 50 градусов.\nСнизте индукцию и(или) частоту!"_s;
        service.ShowWarning(nullptr, warning);
        QCOMPARE(title, u"Внимание!"_s);
        QCOMPARE(text, warning);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(modal);
        QVERIFY(plainOk);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
