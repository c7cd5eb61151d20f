// The menu commands of the main window: the rectifier schemes, the About box and the help.
// None of them reads or changes the design.

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/schemes_dialog.h"
#include "ui/main_window/toroglav_dlg.h"

namespace toroglav::ui {

using namespace Qt::StringLiterals;

void CToroglavDlg::OnShowSchemes() {
    if (!m_dlgSchemes) m_dlgSchemes = std::make_unique<CVypr>(this);
    m_dlgSchemes->exec();
}

void CToroglavDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CToroglavDlg::OnShowHelp() {
    m_messages->ShowInformation(this, u"Помощь"_s, HelpText());
}

}  // namespace toroglav::ui
