#include "ui/main_window/main_form.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialog>
#include <QGroupBox>
#include <QMenuBar>

#include "ui/main_window/control_ids.h"
#include "ui/main_window/form_builder.h"
#include "ui/main_window/main_form_parts.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

QButtonGroup* MainForm::radioGroup(int radioId) const {
    return get<QAbstractButton>(radioId).group();
}

namespace {

// Three commands straight on the bar, no drop-down lists.
QMenuBar* BuildMenuBar(FormBuilder& build) {
    auto* menuBar = new QMenuBar(&build.dialog());
    build.Command(*menuBar, ids::kShowSchemes, u"Показать схемы &выпрямления"_s);
    menuBar->addSeparator();
    build.Command(*menuBar, ids::kAbout, u"&О программе..."_s);
    menuBar->addSeparator();
    build.Command(*menuBar, ids::kHelp, u"&Помощь"_s);
    menuBar->addSeparator();
    return menuBar;
}

}  // namespace

MainForm BuildMainForm(QDialog& dialog) {
    MainForm form;
    FormBuilder build(dialog, form);

    // Left: the converter scheme centred over the input data. Right: core over results.
    auto* converterRow = new QHBoxLayout;
    converterRow->addStretch();
    converterRow->addWidget(BuildConverterGroup(build));
    converterRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(converterRow);
    left->addWidget(BuildInputGroup(build), 1);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildCoreGroup(build), 0, Qt::AlignLeft);  // as wide as what it holds
    right->addWidget(BuildResultsGroup(build), 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* window = new QVBoxLayout(&dialog);
    build.SetNarrowMargins(*window);
    window->setMenuBar(BuildMenuBar(build));
    window->addLayout(columns);
    window->addLayout(BuildCommandButtons(build));
    return form;
}

}  // namespace toroglav::ui
