// Picking a core from the catalogue: the core type as its radio sets it, the dimension fields
// filled, and the design calculated on the new core.

#include "calc/core_catalogue.h"
#include "ui/core_picker_dialog.h"
#include "ui/toroglav_dlg.h"

namespace toroglav::ui {

void CToroglavDlg::OnPickCore() {
    CorePickerDialog picker(this);
    if (picker.exec() != QDialog::Accepted || !picker.chosen()) return;
    UpdateData(true);  // what is typed elsewhere stays
    ApplyCore(*picker.chosen(), m_record);
    UpdateData(false);
    SetCoreType(KnownCoreType(m_record.m_nCoreType).value_or(CoreType::Ring));
    OnCalculate();
}

}  // namespace toroglav::ui
