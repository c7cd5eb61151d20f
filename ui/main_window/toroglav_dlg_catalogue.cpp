// Picking a core from the catalogue, or from the cores the adviser finds for the design: the core
// type as its radio sets it, the dimension fields filled, and the design calculated on it.

#include "calc/core_catalogue.h"
#include "ui/dialogs/core_adviser_dialog.h"
#include "ui/dialogs/core_picker_dialog.h"
#include "ui/main_window/toroglav_dlg.h"

namespace toroglav::ui {

void CToroglavDlg::OnPickCore() {
    CorePickerDialog picker(this);
    if (picker.exec() == QDialog::Accepted && picker.chosen()) ApplyCatalogueCore(*picker.chosen());
}

// The advice is for the design as it stands in the window, typed but not yet calculated.
void CToroglavDlg::OnAdviseCore() {
    UpdateData(true);
    const DesignRecord design = m_record;
    CoreAdviserDialog adviser(design, this);
    if (adviser.exec() == QDialog::Accepted && adviser.chosen())
        ApplyCatalogueCore(*adviser.chosen());
}

void CToroglavDlg::ApplyCatalogueCore(const CatalogueCore& core) {
    UpdateData(true);  // what is typed elsewhere stays
    ApplyCore(core, m_record);
    UpdateData(false);
    SetCoreType(KnownCoreType(m_record.m_nCoreType).value_or(CoreType::Ring));
    OnCalculate();
}

}  // namespace toroglav::ui
