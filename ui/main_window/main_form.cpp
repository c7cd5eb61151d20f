#include "ui/main_window/main_form.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QBoxLayout>
#include <QDialog>
#include <QGroupBox>
#include <QMenu>
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

// Three commands straight on the bar, then the one drop-down list, the language's. Its title
// and the languages' names read the same in either language, so either reader finds them.
QMenuBar* BuildMenuBar(FormBuilder& build) {
    auto* menuBar = new QMenuBar(&build.dialog());
    build.Command(*menuBar, ids::kShowSchemes, MainForm::tr("Показать схемы &выпрямления"));
    menuBar->addSeparator();
    build.Command(*menuBar, ids::kAbout, MainForm::tr("&О программе..."));
    menuBar->addSeparator();
    build.Command(*menuBar, ids::kHelp, MainForm::tr("&Помощь"));
    menuBar->addSeparator();
    QMenu* language = menuBar->addMenu(u"Язык / &Language"_s);
    const QString languages[] = {MainForm::tr("Как в системе"), u"Русский"_s, u"English"_s};
    auto* exclusive = new QActionGroup(language);
    for (std::size_t i = 0; i < ids::kLanguage.size(); ++i) {
        QAction* choice = build.Command(*language, ids::kLanguage[i], languages[i]);
        choice->setCheckable(true);
        exclusive->addAction(choice);
    }
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
