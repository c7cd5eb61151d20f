#include "ui/dialogs/schemes_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/widgets/picture_view.h"
#include "ui/widgets/text_wrap.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

struct Scheme {
    QString name;
    QString picture;
    QSize size;
    int lines;  // of the name
};

}  // namespace

CVypr::CVypr(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Схемы выпрямления"));
    const Scheme schemes[] = {
        {tr("Однополярное, со средней точкой:"), u":/rectifier_unipolar_134.svg"_s, {100, 80}, 2},
        {tr("Двухполярное, со средней точкой:"), u":/rectifier_bipolar_135.svg"_s, {120, 90}, 2},
        {tr("Мостовое"), u":/rectifier_bridge_136.svg"_s, {105, 80}, 1},
    };
    auto* grid = new QGridLayout(this);
    for (int column = 0; column < 3; ++column) {
        const Scheme& scheme = schemes[column];
        auto* name = new QLabel(scheme.name, this);
        name->setWordWrap(true);
        name->setFixedWidth(NarrowestWrapWidth(scheme.name, name->fontMetrics(), scheme.lines));
        grid->addWidget(name, 0, column, Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(new PictureView(scheme.picture, scheme.size, this), 1, column,
                        Qt::AlignLeft | Qt::AlignTop);
    }
    auto* ok = new QPushButton(tr("ОК"), this);  // Cyrillic letters in Russian
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, 2, 0, 1, 3, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace toroglav::ui
