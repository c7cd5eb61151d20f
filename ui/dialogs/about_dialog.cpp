#include "ui/dialogs/about_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/widgets/dialog_units.h"
#include "ui/widgets/picture_view.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

QLabel* CentredLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // shown as written, no mnemonic or markup
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle(u"О програме"_s);
    const DialogUnits units(fontMetrics());
    auto* texts = new QVBoxLayout;
    texts->addWidget(CentredLabel(u"Тороглав"_s, this));
    texts->addWidget(CentredLabel(u" Версия 2.6.0.0"_s, this));
    texts->addSpacing(units.y(5));
    texts->addWidget(CentredLabel(u"14 июня 2010"_s, this));

    auto* top = new QHBoxLayout;
    const QSize iconSize(units.x(20), units.x(20));
    top->addWidget(new PictureView(u":/icon_128.svg"_s, iconSize, this), 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    top->addSpacing(iconSize.width());  // the texts centred in the box, not beside the icon

    auto* ok = new QPushButton(u"OK"_s, this);  // Latin letters
    ok->setDefault(true);
    ok->setMinimumWidth(units.x(50));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addSpacing(units.y(12));
    column->addWidget(ok, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(units.x(190));
}

QString HelpText() {
    return QStringLiteral(
        "\t1.При выборе типа сердечника EI (с замыкающей пластиной) следует пересчитать высоты "
        "сердечника и окна, как будто он\n"
        "состоит из двух половинок Е.\n"
        "\t2.При выборе типа сердечника \"Другой\" данные взять из документации производителя. "
        "Площадь окна рассчитать\n"
        "самостоятельно.\n"
        "   Ae - площадь сердечника, мм2\n"
        "   le - средняя длина магнитной линии, мм\n"
        "   So - площадь окна, мм2\n"
        "   Ve - объем, см3\n"
        "\t3.Мои исследования ферритов показали, что эффективная магнитная проницаемость в среднем "
        "раза в полтора выше\n"
        "начальной, поэтому смело можно брать полторы начальной. Это происходит потому, что в "
        "рабочем режиме петля частного цикла\n"
        "перемагничивания идет круче петли предельного цикла.\n"
        "\t4.При однополярном выпрямлении, несмотря на удвоенное количество диодов, имеет "
        "преимущество мостовая схема, так как\n"
        "меньше расход провода, чем при схеме со средней точкой.\n"
        "\t5.Для правильной работы дросселя в выпрямителе после диодов перед дросселем не должно "
        "быть никаких конденсаторов!\n"
        "Даже маленького номинала.\n"
        "\t6.Если выбрана стабилизация выходных напряжений, то первый выход является ведущим.И на "
        "него надо назначать выход\n"
        "с наибольшим потреблением. Остальные выходы считаются по первому. Для реальной "
        "стабилизации всех выходов следует применять\n"
        "дроссель групповой стабилизации.\n");
}

}  // namespace toroglav::ui
