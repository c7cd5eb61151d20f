// The core group: core type, the six dimension fields with their labels, the picture area and
// the material.

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

#include "ui/main_window/control_ids.h"
#include "ui/main_window/core_views.h"
#include "ui/main_window/field_hints.h"
#include "ui/main_window/form_builder.h"
#include "ui/main_window/main_form_parts.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr int kDimensionEdit = 7;        // characters
constexpr QSize kPictureSize(120, 110);  // the size of the core drawings

// A dimension label is renamed with the core type, so it is made wide enough for every caption
// it can get and keeps its height when empty; the layout never moves when the type changes.
QLabel* DimensionLabel(FormBuilder& b, int id, const QString& templateText) {
    QLabel* label = b.Label(id, templateText, Qt::AlignHCenter);
    const auto position =
        std::ranges::find(ids::kDimensionLabels, id) - ids::kDimensionLabels.begin();
    int width = 0;
    for (std::int32_t type = 0; const CoreView* view = CoreViewFor(type); ++type)
        width = std::max(width, label->fontMetrics().horizontalAdvance(
                                    view->captions[static_cast<std::size_t>(position)].toString()));
    label->setMinimumWidth(width);
    label->setFixedHeight(label->fontMetrics().height());
    return label;
}

// Hidden second-row fields keep their room.
QLineEdit* SwitchableEdit(FormBuilder& b, int id) {
    QLineEdit* edit = b.Edit(id, kDimensionEdit);
    QSizePolicy policy = edit->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    edit->setSizePolicy(policy);
    return edit;
}

QGridLayout* BuildDimensions(FormBuilder& b) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->addWidget(DimensionLabel(b, ids::kLabelDimD, u"D"_s), 0, 0);
    grid->addWidget(DimensionLabel(b, ids::kLabelDimd, u"d"_s), 0, 1);
    grid->addWidget(DimensionLabel(b, ids::kLabelDimh, u"h"_s), 0, 2);
    grid->addWidget(b.Edit(ids::kDimD, kDimensionEdit), 1, 0, Qt::AlignHCenter);
    grid->addWidget(b.Edit(ids::kDimd, kDimensionEdit), 1, 1, Qt::AlignHCenter);
    grid->addWidget(b.Edit(ids::kDimh, kDimensionEdit), 1, 2, Qt::AlignHCenter);
    grid->addWidget(DimensionLabel(b, ids::kLabelDimHs, u"Hs"_s), 2, 0);
    grid->addWidget(DimensionLabel(b, ids::kLabelDimho, u"ho"_s), 2, 1);
    grid->addWidget(DimensionLabel(b, ids::kLabelDimL, u"L"_s), 2, 2);
    grid->addWidget(SwitchableEdit(b, ids::kDimHs), 3, 0, Qt::AlignHCenter);
    grid->addWidget(SwitchableEdit(b, ids::kDimho), 3, 1, Qt::AlignHCenter);
    grid->addWidget(SwitchableEdit(b, ids::kDimL), 3, 2, Qt::AlignHCenter);
    return grid;
}

}  // namespace

QGroupBox* BuildCoreGroup(FormBuilder& b) {
    auto* box = new QGroupBox(MainForm::tr("Магнитопровод"), &b.dialog());

    auto* types = new QGridLayout;
    types->addWidget(b.Radio(ids::kCoreType[1], CoreViewFor(1)->name.toString()), 0, 0);
    types->addWidget(b.Radio(ids::kCoreType[2], CoreViewFor(2)->name.toString()), 0, 1);
    types->addWidget(b.Radio(ids::kCoreType[0], CoreViewFor(0)->name.toString()), 1, 0);
    types->addWidget(b.Radio(ids::kCoreType[3], CoreViewFor(3)->name.toString()), 1, 1);
    b.GroupRadios(ids::kCoreType);

    auto* fields = new QVBoxLayout;
    fields->addLayout(types);
    auto* heading = new QHBoxLayout;
    heading->addWidget(b.Label(MainForm::tr("Размеры магнитопровода")));
    heading->addWidget(b.SmallButton(ids::kPickCore, u"…"_s, kPickCoreHint.toString()));
    heading->addStretch();
    fields->addLayout(heading);
    fields->addLayout(BuildDimensions(b));
    fields->addStretch();

    auto* picture = new QWidget(&b.dialog());
    picture->setFixedSize(kPictureSize);
    b.SetPictureArea(picture);

    // The caption stands centred over the radios, which take only their own width.
    auto* material = new QVBoxLayout;
    material->addWidget(b.Label(MainForm::tr("Материал"), Qt::AlignHCenter));
    material->addWidget(b.Radio(ids::kMaterial[0], u"N87"_s), 0, Qt::AlignHCenter);
    material->addWidget(b.Radio(ids::kMaterial[1], u"N27"_s), 0, Qt::AlignHCenter);
    material->addStretch();
    material->addWidget(
        b.SmallButton(ids::kAdviseCore, MainForm::tr("Подобрать"), kAdviseCoreHint.toString()));
    const QString losses = MainForm::tr("Потери и нагрев");
    material->addWidget(b.SmallButton(ids::kShowLosses, losses, losses));
    const QString winding = MainForm::tr("Намотка");
    material->addWidget(b.SmallButton(ids::kShowWinding, winding, winding));
    b.GroupRadios(ids::kMaterial);

    auto* row = new QHBoxLayout(box);
    b.SetNarrowMargins(*row);
    row->addLayout(fields);
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addLayout(material);
    return box;
}

}  // namespace toroglav::ui
