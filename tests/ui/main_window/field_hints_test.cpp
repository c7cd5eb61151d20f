// The window's hints: every text on its control in registration order, the controls without
// one, the band over the rectifier grid, and a hint shown as the user sees it.

#include "ui/main_window/field_hints.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include "ui/main_window/control_ids.h"
#include "ui/widgets/hint_control.h"
#include "window_test_support.h"

using namespace Qt::StringLiterals;
using namespace toroglav;
using namespace toroglav::ui;
using toroglav::ui::test::OpenWindow;

namespace {

QPoint CentreOf(OpenWindow& window, int id) {
    const QWidget* control = window->control(id);
    return control->mapTo(&*window, control->rect().center());
}

void Hint(int order, int id, const QString& text) {
    QTest::addRow("%d", order) << order << id << text;
}

QWidget* ShownTip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
    return nullptr;
}

}  // namespace

class FieldHintsTest : public QObject {
    Q_OBJECT

    test::ModalWatchdog watchdog_;

private slots:
    void cleanup() { QCOMPARE(watchdog_.TakeSeen(), QStringList()); }

    void everyHintOnItsControlInOrder_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        Hint(
            1, ids::kPermeability,
            u"Мои исследования ферритов показали, что эффективная магнитная проницаемость в среднем раза в полтора выше начальной, поэтому смело можно брать полторы начальной. Это происходит потому, что в рабочем режиме петля частного цикла перемагничивания идет круче петли предельного цикла."_s);
        Hint(
            2, ids::kInductionMax,
            u"Диапазон вводимой индукции 0,05 - 0,3 Т. Потери в сердечнике зависят от сочетания индукции и частоты. При большой частоте и большой индукции потери окажутся на столько большими, что сердечник превратится в утюг. При получении в расчете больших потерь следует уменьшить индукцию или частоту и пересчитать заново."_s);
        Hint(
            3, ids::kWindowFill,
            u"Коэффициент заполнения окна характеризует, какую часть окна сердечника займут все обмотки. Для колец можно задавать больше, до 0,5, так как у них площадь окна большая. У Ш-образных сердечников площадь окна ограничена самим сердечником и каркасом. Для них коэффициент заполнения окна может быть в диапазоне 0,15 - 0,35 в зависимости от размера сердечника, меньшие значения соответствуют меньшим размерам."_s);
        Hint(
            4, ids::kCurrentDensity,
            u"При вентиляции плотность тока можно выбрать больше, до 8 - 10 А/мм2. При естественном охлаждении следует выбирать 4 - 5 А/мм2."_s);
        Hint(
            5, ids::kFrequency,
            u"Диапазон вводимой частоты 25 - 300 кГц. Не стоит гнаться за большой частотой. При высокой частоте увеличиваются коммутационные потери в транзисторах и диодах. Также при большой частоте из-за малого числа витков ток намагничивания получается слиишком велик, что приводит к большому току холостого хода и, соответственно, низкому КПД."_s);
        Hint(
            6, ids::kDutyMax,
            u"Это поле используется для TL494 и ей подобных мелкосхем, у которых максимальный рабочий цикл (duty cicle) не зависит от частоты."_s);
        Hint(
            7, ids::kDeadTime,
            u"Это поле используется для мелкосхем, у которых мертвое время (dead time) либо фиксированное, как у IR2153, либо задается внешними элементами, как у SG3525, и не зависит от частоты."_s);
        Hint(
            8, ids::kUsat,
            u"Для полевых транзисторов в это поле следует ввести произведения сопротивления открытого канала Rds(on) на амплитуду тока первичной обмотки."_s);
        Hint(
            9, ids::kOutCurrentMin[0],
            u"В эти поля вводится минимальный ток потребления, это необходимо для расчета индуктивности дросселя. Например, для усилителя сюда следует ввести ток покоя усилителя.\nЕсли получилась большая величина индуктивности, и нет возможности ее обеспечить, можно изготовить дроссель на меньшую индуктивность, но тогда при минимальном токе дроссель будет накапливать недостаточно энергии (будет работать в режиме разрывного тока), и напряжение на выходе будет больше расчетного."_s);
        Hint(
            10, ids::kDiodeDrop[0],
            u"В эти поля вводится прямое падение напряжения на диодах, которое можно узнать из даташита. Если диоды нагружены не на номинальный ток, то по графику в даташите можно оценить падение для заданного тока."_s);
        Hint(
            11, ids::kController[0],
            u"Этот переключатель используется для TL494 и ей подобных мелкосхем, у которых максимальный рабочий цикл (duty cicle) не зависит от частоты."_s);
        Hint(
            12, ids::kController[1],
            u"Этот переключатель используется для мелкосхем, у которых мертвое время (dead time) либо фиксированное, как у IR2153, либо задается внешними элементами, как у SG3525, и не зависит от частоты."_s);
        Hint(13, ids::kSwitchDrop[0],
             u"Этот переключатель используется для биполярных или IGBT транзисторов."_s);
        Hint(
            14, ids::kSwitchDrop[1],
            u"Этот переключатель используется для полевых транзисторов. При этом в напряжение насыщения выводится расчетная величина падения напряжения на транзисторе"_s);
        Hint(
            15, ids::kStabilization[1],
            u"Расчет ведется по минимальному напряжению питания. Первый выход является ведущим. И на него надо назначать выход с наибольшим потреблением. Остальные выходы считаются по первому. Для реальной стабилизации всех выходов следует применять дроссель групповой стабилизации."_s);
        Hint(
            16, ids::kStabilization[0],
            u"Расчет всех выходов ведется по номинальному напряжению питания. Применять дроссель групповой стабилизации не нужно."_s);
        Hint(
            17, ids::kCoreType[1],
            u"При выборе типа сердечника EI (с замыкающей пластиной) следует пересчитать высоты сердечника и окна, как будто он состоит из двух половинок Е."_s);
        Hint(
            18, ids::kCoreType[3],
            u"При выборе типа сердечника \"Другой тип\" данные взять из документации производителя. Площадь окна рассчитать самостоятельно.\n   Ae - площадь сердечника, мм2,\n   le - средняя длина магнитной линии, мм,\n   So - площадь окна, мм2,\n   Ve - объем, см3"_s);
        Hint(19, ids::kMaterial[0], u"Выбор материала необходим для расчета потерь."_s);
        Hint(20, ids::kMaterial[1],
             u"Отечественные ферриты по своим потерям примерно соответствуют этому материалу."_s);
        Hint(
            21, ids::kSupplyKind[1],
            u"Поскольку конденсаторы никогда не заряжаются до амплитудного значения, при расчете применяется практически определенный коэффициент 1,364 вместо корня из 2."_s);
        Hint(
            22, ids::kSaveReport,
            u"Сохранение основных результатов расчета в текстовый файл с расширеним .txt для последующего использования или распечатки."_s);
        Hint(
            23, ids::kSaveDesign,
            u"Сохранение исходных данных в файл с расширеним .sav во внутреннем формате данных для последующего использования."_s);
        Hint(24, ids::kLoadDesign,
             u"Загрузка сохраненных исходных данных из файла с расширеним .sav"_s);
        Hint(25, ids::kCalculate,
             u"Вместо этой кнопки для оперативности можно нажать клавишу Enter"_s);
        Hint(26, ids::kExit, u"Если изволите выйти из программы, тогда жмите сюда"_s);
    }
    void everyHintOnItsControlInOrder() {
        QFETCH(int, order);
        QFETCH(int, id);
        QFETCH(QString, text);
        OpenWindow window;
        QCOMPARE(FieldHints()[static_cast<std::size_t>(order - 1)].id, id);
        QCOMPARE(window->hints()->HintAt(CentreOf(window, id)), text);
    }

    void controlsWithoutAHint_data() {
        QTest::addColumn<int>("id");
        QTest::newRow("converter") << ids::kConverter[0];
        QTest::newRow("dimension") << ids::kDimD;
        QTest::newRow("Rds(on) edit") << ids::kRdsOn;
        QTest::newRow("supply edit") << ids::kSupplyNom;
        QTest::newRow("ring") << ids::kCoreType[0];
        QTest::newRow("ETD") << ids::kCoreType[2];
        QTest::newRow("DC supply") << ids::kSupplyKind[0];
        QTest::newRow("output voltage") << ids::kOutVoltage[0];
        QTest::newRow("primary wire") << ids::kWirePrimary;
        QTest::newRow("minimum current of output 2") << ids::kOutCurrentMin[1];
        QTest::newRow("diode drop of output 5") << ids::kDiodeDrop[4];
        QTest::newRow("result") << ids::kAe;
        QTest::newRow("rectifier radio in the band") << ids::kRectifier[4][1];
    }
    void controlsWithoutAHint() {
        QFETCH(int, id);
        OpenWindow window;
        QCOMPARE(window->hints()->HintAt(CentreOf(window, id)), QString());
    }

    // The band answers over the grid's own surface: its labels and the background beside them.
    void bandOverTheRectifierGrid() {
        OpenWindow window;
        QLabel* bridge = nullptr;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->text() == u"Мостовое"_s) bridge = label;
        QVERIFY(bridge);
        const QPoint overLabel = bridge->mapTo(&*window, bridge->rect().center());
        QCOMPARE(window->hints()->HintAt(overLabel), kRectifierBandHint.toString());
        QCOMPARE(window->hints()->HintAt(QPoint(1, overLabel.y())), kRectifierBandHint.toString());
    }

    // The pointer rests on a control of the active window: its hint shows after a moment,
    // wrapped to the tip's width with its own indented lines, on pale yellow. Disabled edits show
    // theirs too.
    void hintShowsAfterRest_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("line");
        QTest::newRow("Другой тип")
            << ids::kCoreType[3] << u"\n   Ae - площадь сердечника, мм2,\n"_s;
        QTest::newRow("disabled dead time") << ids::kDeadTime << u"IR2153"_s;
    }
    void hintShowsAfterRest() {
        QFETCH(int, id);
        QFETCH(QString, line);
        OpenWindow window;
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*window));
        QTest::mouseMove(window->control(id));
        QVERIFY(!ShownTip());
        QTRY_VERIFY(ShownTip());
        QVERIFY2(QToolTip::text().contains(line), qPrintable(QToolTip::text()));
        QVERIFY(ShownTip()->width() <= HintControl::kMaximumWidth);
        QCOMPARE(ShownTip()->palette().color(QPalette::ToolTipBase),
                 QColor::fromRgb(HintControl::kBackground));
        QToolTip::hideText();
    }

    void noHintWhileAnotherWindowIsActive() {
        OpenWindow window;
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::mouseMove(window->control(ids::kPermeability));
        QTest::qWait(3 * HintControl::kRestDelay);
        QVERIFY(!ShownTip());
    }
};

QTEST_MAIN(FieldHintsTest)
#include "field_hints_test.moc"
