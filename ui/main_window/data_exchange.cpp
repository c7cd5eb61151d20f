#include "ui/main_window/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

#include "ui/main_window/control_ids.h"
#include "ui/services/qstring_cp1251.h"

namespace toroglav::ui {

namespace {

// Every member bound to a control, in the record's declared order. `Record` is const when
// showing, so the same list cannot write the record by mistake.
template <class Record, class Exchange>
void ExchangeFields(Record& r, Exchange& dx) {
    dx.Radio(ids::kConverter, r.m_nConverter);
    dx.Radio(ids::kController, r.m_nController);
    dx.Radio(ids::kSwitchDrop, r.m_nSwitchDrop);
    for (int k = 0; k < kOutputCount; ++k) dx.Radio(ids::kRectifier[k], r.m_nRectifier[k]);
    dx.Radio(ids::kStabilization, r.m_nStabilization);
    dx.Radio(ids::kCoreType, r.m_nCoreType);
    dx.Radio(ids::kMaterial, r.m_nMaterial);
    dx.Radio(ids::kSupplyKind, r.m_nSupplyKind);

    dx.Edit(ids::kDimD, r.m_strDimD);
    dx.Edit(ids::kDimd, r.m_strDimd);
    dx.Edit(ids::kDimh, r.m_strDimh);
    dx.Edit(ids::kDimho, r.m_strDimho);
    dx.Edit(ids::kDimHs, r.m_strDimHs);
    dx.Edit(ids::kDimL, r.m_strDimL);
    dx.Edit(ids::kInductionMax, r.m_strInductionMax);
    dx.Edit(ids::kFrequency, r.m_strFrequency);
    dx.Result(ids::kInductionRange, r.m_strInductionRange);
    dx.Edit(ids::kPermeability, r.m_strPermeability);
    dx.Edit(ids::kUsat, r.m_strUsat);
    dx.Edit(ids::kCurrentDensity, r.m_strCurrentDensity);
    dx.Edit(ids::kWindowFill, r.m_strWindowFill);
    dx.Result(ids::kWindowFillResult, r.m_strWindowFillResult);
    dx.Edit(ids::kDutyMax, r.m_strDutyMax);
    dx.Edit(ids::kSupplyMin, r.m_strSupplyMin);
    dx.Edit(ids::kSupplyNom, r.m_strSupplyNom);
    dx.Edit(ids::kSupplyMax, r.m_strSupplyMax);
    dx.Edits(ids::kOutVoltage, r.m_strOutVoltage);
    dx.Edits(ids::kOutCurrent, r.m_strOutCurrent);
    dx.Edits(ids::kOutCurrentMin, r.m_strOutCurrentMin);
    dx.Edit(ids::kWirePrimary, r.m_strWirePrimary);
    dx.Edits(ids::kWireOut, r.m_strWireOut);
    dx.Result(ids::kPrimaryTurns, r.m_strPrimaryTurns);
    dx.Result(ids::kInductance, r.m_strInductance);
    dx.Result(ids::kPrimaryWire, r.m_strPrimaryWire);
    dx.Results(ids::kOutTurns, r.m_strOutTurns);
    dx.Results(ids::kOutWire, r.m_strOutWire);
    dx.Result(ids::kAe, r.m_strAe);
    dx.Result(ids::kSo, r.m_strSo);
    dx.Result(ids::kPowerLoad, r.m_strPowerLoad);
    dx.Result(ids::kPowerOverall, r.m_strPowerOverall);
    dx.Result(ids::kMagnetizingCurrent, r.m_strMagnetizingCurrent);
    dx.Result(ids::kPrimaryCurrentPeak, r.m_strPrimaryCurrentPeak);
    dx.Result(ids::kSupplyCurrent, r.m_strSupplyCurrent);
    dx.Results(ids::kOutVmin, r.m_strOutVmin);
    dx.Results(ids::kOutVnom, r.m_strOutVnom);
    dx.Results(ids::kOutVmax, r.m_strOutVmax);
    dx.Edits(ids::kDiodeDrop, r.m_strDiodeDrop);
    dx.Edit(ids::kDeadTime, r.m_strDeadTime);
    dx.Edit(ids::kRdsOn, r.m_strRdsOn);
    dx.Result(ids::kSkinDiameter, r.m_strSkinDiameter);
    dx.Result(ids::kInductanceUnit, r.m_strInductanceUnit);
    dx.Result(ids::kCoreLoss, r.m_strCoreLoss);
    dx.Results(ids::kChoke, r.m_strChoke);
    dx.Result(ids::kOverheat, r.m_strOverheat);
    dx.Result(ids::kEfficiency, r.m_strEfficiency);
}

// A text set again would move the cursor of the edit being typed in, so only changes are set.
template <class Control>
void SetChangedText(Control& control, const QString& text) {
    if (control.text() != text) control.setText(text);
}

// Radio groups are addressed by any of their buttons; the first is used.
template <std::size_t N>
QButtonGroup* GroupOf(const MainForm& form, const std::array<int, N>& radios) {
    return form.radioGroup(radios.front());
}

struct Take {
    const MainForm& form;

    template <std::size_t N>
    void Radio(const std::array<int, N>& radios, std::int32_t& value) {
        value = GroupOf(form, radios)->checkedId();
    }
    void Edit(int id, toroglav::Text& text) {
        text = Cp1251FromQString(form.get<QLineEdit>(id).text());
    }
    void Result(int id, toroglav::Text& text) {
        text = Cp1251FromQString(form.get<QLabel>(id).text());
    }
    void Edits(const ids::PerOutput& ids, OutputTexts& texts) {
        for (int k = 0; k < kOutputCount; ++k) Edit(ids[k], texts[k]);
    }
    void Results(const ids::PerOutput& ids, OutputTexts& texts) {
        for (int k = 0; k < kOutputCount; ++k) Result(ids[k], texts[k]);
    }
};

struct Show {
    const MainForm& form;

    template <std::size_t N>
    void Radio(const std::array<int, N>& radios, std::int32_t value) {
        QButtonGroup* group = GroupOf(form, radios);
        if (QAbstractButton* chosen = group->button(value)) {
            chosen->setChecked(true);
            return;
        }
        // An exclusive group refuses to uncheck its last button, so lift that for a moment.
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons()) button->setChecked(false);
        group->setExclusive(true);
    }
    void Edit(int id, const toroglav::Text& text) {
        SetChangedText(form.get<QLineEdit>(id), QStringFromCp1251(text));
    }
    void Result(int id, const toroglav::Text& text) {
        SetChangedText(form.get<QLabel>(id), QStringFromCp1251(text));
    }
    void Edits(const ids::PerOutput& ids, const OutputTexts& texts) {
        for (int k = 0; k < kOutputCount; ++k) Edit(ids[k], texts[k]);
    }
    void Results(const ids::PerOutput& ids, const OutputTexts& texts) {
        for (int k = 0; k < kOutputCount; ++k) Result(ids[k], texts[k]);
    }
};

}  // namespace

void TakeRecord(const MainForm& form, DesignRecord& record) {
    Take take{form};
    ExchangeFields(record, take);
}

void ShowRecord(const MainForm& form, const DesignRecord& record) {
    Show show{form};
    ExchangeFields(record, show);
}

}  // namespace toroglav::ui
