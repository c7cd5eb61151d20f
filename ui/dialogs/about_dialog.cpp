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
    setWindowTitle(tr("О програме"));
    const DialogUnits units(fontMetrics());
    auto* texts = new QVBoxLayout;
    texts->addWidget(CentredLabel(tr("Тороглав"), this));
    texts->addWidget(CentredLabel(tr(" Версия ") + QLatin1StringView(TOROGLAV_VERSION), this));
    texts->addSpacing(units.y(5));
    texts->addWidget(CentredLabel(tr("14 июня 2010"), this));

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

}  // namespace toroglav::ui
