// The program's own message service: a modal box with the warning, "Внимание!" and OK only.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/message_service.h"

using namespace Qt::StringLiterals;
using namespace toroglav::ui;

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void warningIsAModalBoxWithOkOnly() {
        QString title, text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::Critical;
        bool modal = false;
        // The box blocks, so it is inspected and closed from inside its own event loop.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            icon = box->icon();
            modal = box->isModal();
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
    }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
