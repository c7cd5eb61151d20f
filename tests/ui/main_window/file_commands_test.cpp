// Save, load, the state file and the report, driven through the window's buttons with scripted
// file dialogs.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "calc/design/calculation.h"
#include "files/design_file_path.h"
#include "tests/unwritable_file.h"
#include "ui/main_window/control_ids.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

const QString kStateFile = u"Тороглав.ini"_s;
const QString kEndOfFile = u"An attempt was made to access an unnamed file past its end."_s;

DesignRecord Calculated(DesignRecord record) {
    CalculateRecord(record, [](std::string_view) {});
    return record;
}

// A core given by its parameters, the dead-time controller and the saturation voltage: every
// switchable edit, the labels and the picture differ from the defaults.
DesignRecord OtherDesign() {
    DesignRecord record;
    record.m_nCoreType = 3;
    record.m_nController = 1;
    record.m_nSwitchDrop = 0;
    record.m_strDimD = "12";
    record.m_strDimd = "42";
    record.m_strDimh = "30";
    record.m_strDimho = "15";
    record.m_strDimHs = "21";
    record.m_strDimL = "15";
    record.m_strPermeability = "3000";
    record.m_strOutVoltage[2] = "5";
    record.m_strOutCurrent[2] = "1";
    return record;
}

void PutFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString LabelText(OpenWindow& window, int id) {
    return qobject_cast<QLabel*>(window->control(id))->text();
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    ui::test::ModalWatchdog watchdog_;

private slots:
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    // The offered name is the design's, and it reaches the disk as a UTF-8 file name.
    void saveOffersTheDesignNameAndCompletesTheExtension() {
        OpenWindow window;
        const QString offered = u"Расчёт кольца 40x25x11, 32кГц, 340В, 17Вх10А"_s;
        window.AnswerFileDialog(window.folder() + u'/' + offered);
        window.Click(ids::kSaveDesign);
        QCOMPARE(window.fileDialogsAsked().size(), 1);
        const FileChoice& asked = window.fileDialogsAsked().constFirst();
        QCOMPARE(asked.title, u"Сохранить как . . ."_s);
        QCOMPARE(asked.nameFilters, QStringList{u"Файлы Тороглав *.sav (*.sav)"_s});
        QCOMPARE(asked.initialName, offered);
        QVERIFY(std::filesystem::exists(window.folder().toStdString() +
                                        "/Расчёт кольца 40x25x11, 32кГц, 340В, 17Вх10А.sav"));
        QVERIFY(window.errors().isEmpty());
    }

    // Save, change every input, load: the saved design is back, calculated, with the switchable
    // edits, the labels and the fields of its core.
    void loadGivesTheSavedDesignBack() {
        OpenWindow window;
        window->record() = OtherDesign();
        window->UpdateData(false);
        const QString path = window.folder() + u"/design.sav"_s;
        window.AnswerFileDialog(path);
        window.Click(ids::kSaveDesign);

        window->record() = DesignRecord();
        window->record().m_strPermeability = "1";
        window->UpdateData(false);
        window->ApplyFieldEnables();
        window.AnswerFileDialog(path);
        window.Click(ids::kLoadDesign);

        QVERIFY(window->record() == Calculated(OtherDesign()));
        QVERIFY(window->control(ids::kDeadTime)->isEnabled());
        QVERIFY(!window->control(ids::kDutyMax)->isEnabled());
        QVERIFY(window->control(ids::kUsat)->isEnabled());
        QVERIFY(!window->control(ids::kRdsOn)->isEnabled());
        QCOMPARE(LabelText(window, ids::kLabelDimD), u"Ae, мм2"_s);
        QVERIFY(window->control(ids::kDimho)->isVisible());
        QTRY_VERIFY(window.PictureCorner() != ui::test::kPictureBackground);  // no drawing
        QCOMPARE(window.Text(ids::kPermeability), u"3000"_s);
    }

    // A damaged file shows the error and changes nothing, not even the core picture.
    void damagedFileChangesNothing() {
        OpenWindow window;
        const QString path = window.folder() + u"/short.sav"_s;
        QVERIFY(SaveDesignFile(path.toStdString(), OtherDesign()).ok);
        QVERIFY(QFile::resize(path, 30));
        const DesignRecord before = window->record();
        window.AnswerFileDialog(path);
        window.Click(ids::kLoadDesign);
        QCOMPARE(window.errors(), QStringList{kEndOfFile});
        QVERIFY(window->record() == before);
        QTest::qWait(20);
        QCOMPARE(LabelText(window, ids::kLabelDimD), u"D"_s);
    }

    void exitThenStartAgainRestoresTheInputsCalculated() {
        QTemporaryDir folder;
        {
            OpenWindow window(folder.path());
            window.Type(ids::kPermeability, u"3000"_s);  // typed, never calculated
            window.Click(ids::kExit);
        }
        OpenWindow again(folder.path());
        DesignRecord expected;
        expected.m_strPermeability = "3000";
        QVERIFY(again->record() == Calculated(expected));
        QCOMPARE(again.Text(ids::kPermeability), u"3000"_s);
    }

    // File dialogs may leave the process in another folder; the state file stays where the
    // program started, so that the next start finds it.
    void stateFileStaysInTheStartFolder() {
        OpenWindow window;
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        window.Click(ids::kExit);
        QVERIFY(QFile::exists(window.folder() + u'/' + kStateFile));
        QVERIFY(!QFile::exists(elsewhere.path() + u'/' + kStateFile));
    }

    void damagedStateFileOpensOnTheDefaultsCalculated() {
        QTemporaryDir folder;
        PutFile(folder.filePath(kStateFile), QByteArray(30, '\1'));
        OpenWindow window(folder.path());
        QCOMPARE(window.errors(), QStringList{kEndOfFile});
        QVERIFY(window->record() == Calculated(DesignRecord()));
        QVERIFY(!window->control(ids::kDeadTime)->isEnabled());
    }

    // A failed write says which file and why; on exit the window closes all the same.
    void failedWritesAreReported_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("save") << ids::kSaveDesign;
        QTest::newRow("report") << ids::kSaveReport;
        QTest::newRow("exit") << ids::kExit;
    }
    void failedWritesAreReported() {
        QFETCH(int, command);
        QTemporaryDir folder;
        // A folder in the way of the state file makes it impossible to write.
        QVERIFY(QDir(folder.path()).mkdir(kStateFile));
        OpenWindow window(folder.path());
        const QString path = folder.path() + u"/missing/design"_s;
        window.AnswerFileDialog(path);
        window.Click(command);
        QCOMPARE(window.errors().size(), 1);
        const QString& error = window.errors().constFirst();
        if (command == ids::kExit) {
            QVERIFY2(error.contains(folder.filePath(kStateFile)), qPrintable(error));
            QVERIFY2(error.contains(u"Is a directory"_s), qPrintable(error));
            QVERIFY(!window->isVisible());
        } else {
            QVERIFY2(error.contains(path), qPrintable(error));
            QVERIFY2(error.contains(u"No such file or directory"_s), qPrintable(error));
            QVERIFY(window->isVisible());
        }
    }

    // Saving over a file the user may not write says so and leaves the file.
    void readOnlyFileIsNotReplaced() {
        OpenWindow window;
        const QString path = window.folder() + u"/read-only.sav"_s;
        PutFile(path, "OLD");
        const toroglav::test::UnwritableFile unwritable(path.toStdString());
        QVERIFY(unwritable.ok());
        window.AnswerFileDialog(path);
        window.Click(ids::kSaveDesign);
        QCOMPARE(window.errors(),
                 QStringList{u"Не удалось сохранить файл «%1»:\nPermission denied."_s.arg(path)});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "OLD");
    }

    // A cancelled dialog ends the command; the report's calculation stays.
    void cancelledDialogsWriteNothing() {
        OpenWindow window;
        window.Type(ids::kPermeability, u"4000"_s);
        for (const int command : {ids::kSaveDesign, ids::kLoadDesign, ids::kSaveReport}) {
            window.AnswerFileDialog({});
            window.Click(command);
        }
        QCOMPARE(window.fileDialogsAsked().size(), 3);
        QCOMPARE(QDir(window.folder()).entryList(QDir::Files), QStringList());
        QCOMPARE(window.Text(ids::kInductance), u"25,994"_s);
        QVERIFY(window.errors().isEmpty());
    }

    void reportIsWrittenWithItsExtension() {
        OpenWindow window;
        window.AnswerFileDialog(window.folder() + u"/report"_s);
        window.Click(ids::kSaveReport);
        const FileChoice& asked = window.fileDialogsAsked().constFirst();
        QCOMPARE(asked.nameFilters, QStringList{u"Файлы Тороглав *.txt (*.txt)"_s});
        QFile report(window.folder() + u"/report.txt"_s);
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(report.readAll().contains("0.1775 T\r\n"));
        QCOMPARE(window->record().m_strInductionRange, "0.1775");
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
