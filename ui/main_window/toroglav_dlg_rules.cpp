// The window side of the field rules: the record side is in calc/field_rules.h.

#include <QLineEdit>

#include "calc/option_values.h"
#include "ui/main_window/toroglav_dlg.h"

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
    ApplyControllerEdits(ControllerEditsFor(IndexOf(Controller::DutyLimited)));
}
void CToroglavDlg::OnControllerOther() {
    ApplyControllerEdits(ControllerEditsFor(IndexOf(Controller::DeadTime)));
}
void CToroglavDlg::OnSwitchDropUsat() {
    ApplySwitchDropEdits(SwitchDropEditsFor(IndexOf(SwitchDrop::SaturationVoltage)));
}
void CToroglavDlg::OnSwitchDropRdsOn() {
    ApplySwitchDropEdits(SwitchDropEditsFor(IndexOf(SwitchDrop::RdsOn)));
}

// The core type goes into the record at once, so the next paint draws the new core.
void CToroglavDlg::SetCoreType(CoreType coreType) {
    m_record.m_nCoreType = IndexOf(coreType);
    update(m_rectPicture);
}

void CToroglavDlg::OnCoreRing() {
    SetCoreType(CoreType::Ring);
}
void CToroglavDlg::OnCoreE() {
    SetCoreType(CoreType::E);
}
void CToroglavDlg::OnCoreEtd() {
    SetCoreType(CoreType::Etd);
}
void CToroglavDlg::OnCoreOther() {
    SetCoreType(CoreType::Other);
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
