// The window side of the field rules: the record side is in option_rules.h.

#include <QLineEdit>

#include "ui/toroglav_dlg.h"

namespace toroglav::ui {

void CToroglavDlg::ApplyFieldEnables() {
    ApplyControllerEdits(ControllerEditsFor(m_record.m_nController));
    ApplySwitchDropEdits(SwitchDropEditsFor(m_record.m_nSwitchDrop));
}

void CToroglavDlg::ApplyControllerEdits(ControllerEdits edits) {
    m_editDutyMax->setEnabled(edits.dutyMax);
    m_editDeadTime->setEnabled(edits.deadTime);
}

void CToroglavDlg::ApplySwitchDropEdits(SwitchDropEdits edits) {
    m_editUsat->setEnabled(edits.usat);
    m_editRdsOn->setEnabled(edits.rdsOn);
}

// The option clicks only switch the edits; the record takes the new option at the next take.
void CToroglavDlg::OnControllerTl494() {
    ApplyControllerEdits(ControllerEditsFor(0));
}
void CToroglavDlg::OnControllerOther() {
    ApplyControllerEdits(ControllerEditsFor(1));
}
void CToroglavDlg::OnSwitchDropUsat() {
    ApplySwitchDropEdits(SwitchDropEditsFor(0));
}
void CToroglavDlg::OnSwitchDropRdsOn() {
    ApplySwitchDropEdits(SwitchDropEditsFor(1));
}

// The core type goes into the record at once, so the next paint draws the new core.
void CToroglavDlg::SetCoreType(std::int32_t coreType) {
    m_record.m_nCoreType = coreType;
    update(m_rectPicture);
}

void CToroglavDlg::OnCoreRing() {
    SetCoreType(0);
}
void CToroglavDlg::OnCoreE() {
    SetCoreType(1);
}
void CToroglavDlg::OnCoreEtd() {
    SetCoreType(2);
}
void CToroglavDlg::OnCoreOther() {
    SetCoreType(3);
}

// The supply rules work on the record as it stands, without taking the window first, so the
// whole form then shows the record again.
void CToroglavDlg::OnSupplyDc() {
    SelectDcSupply(m_record);
    UpdateData(false);
}

void CToroglavDlg::OnSupplyMains() {
    SelectMainsSupply(m_record);
    UpdateData(false);
}

void CToroglavDlg::OnChangeInduction() {
    UpdateData(true);
    LimitInduction(m_record);
    UpdateData(false);
}

void CToroglavDlg::OnChangeFrequency() {
    UpdateData(true);
    LimitFrequency(m_record);
    UpdateData(false);
}

}  // namespace toroglav::ui
