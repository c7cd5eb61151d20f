#include "ui/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

#include "ui/control_ids.h"
#include "ui/qstring_cp1251.h"

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

    dx.Text(ids::kDimD, r.m_strDimD);
    dx.Text(ids::kDimd, r.m_strDimd);
    dx.Text(ids::kDimh, r.m_strDimh);
    dx.Text(ids::kDimho, r.m_strDimho);
    dx.Text(ids::kDimHs, r.m_strDimHs);
    dx.Text(ids::kDimL, r.m_strDimL);
    dx.Text(ids::kInductionMax, r.m_strInductionMax);
    dx.Text(ids::kFrequency, r.m_strFrequency);
    dx.Text(ids::kInductionRange, r.m_strInductionRange);
    dx.Text(ids::kPermeability, r.m_strPermeability);
    dx.Text(ids::kUsat, r.m_strUsat);
    dx.Text(ids::kCurrentDensity, r.m_strCurrentDensity);
    dx.Text(ids::kWindowFill, r.m_strWindowFill);
    dx.Text(ids::kWindowFillResult, r.m_strWindowFillResult);
    dx.Text(ids::kDutyMax, r.m_strDutyMax);
    dx.Text(ids::kSupplyMin, r.m_strSupplyMin);
    dx.Text(ids::kSupplyNom, r.m_strSupplyNom);
    dx.Text(ids::kSupplyMax, r.m_strSupplyMax);
    dx.Texts(ids::kOutVoltage, r.m_strOutVoltage);
    dx.Texts(ids::kOutCurrent, r.m_strOutCurrent);
    dx.Texts(ids::kOutCurrentMin, r.m_strOutCurrentMin);
    dx.Text(ids::kWirePrimary, r.m_strWirePrimary);
    dx.Texts(ids::kWireOut, r.m_strWireOut);
    dx.Text(ids::kPrimaryTurns, r.m_strPrimaryTurns);
    dx.Text(ids::kInductance, r.m_strInductance);
    dx.Text(ids::kPrimaryWire, r.m_strPrimaryWire);
    dx.Texts(ids::kOutTurns, r.m_strOutTurns);
    dx.Texts(ids::kOutWire, r.m_strOutWire);
    dx.Text(ids::kAe, r.m_strAe);
    dx.Text(ids::kSo, r.m_strSo);
    dx.Text(ids::kPowerLoad, r.m_strPowerLoad);
    dx.Text(ids::kPowerOverall, r.m_strPowerOverall);
    dx.Text(ids::kMagnetizingCurrent, r.m_strMagnetizingCurrent);
    dx.Text(ids::kPrimaryCurrentPeak, r.m_strPrimaryCurrentPeak);
    dx.Text(ids::kSupplyCurrent, r.m_strSupplyCurrent);
    dx.Texts(ids::kOutVmin, r.m_strOutVmin);
    dx.Texts(ids::kOutVnom, r.m_strOutVnom);
    dx.Texts(ids::kOutVmax, r.m_strOutVmax);
    dx.Texts(ids::kDiodeDrop, r.m_strDiodeDrop);
    dx.Text(ids::kDeadTime, r.m_strDeadTime);
    dx.Text(ids::kRdsOn, r.m_strRdsOn);
    dx.Text(ids::kSkinDiameter, r.m_strSkinDiameter);
    dx.Text(ids::kInductanceUnit, r.m_strInductanceUnit);
    dx.Text(ids::kCoreLoss, r.m_strCoreLoss);
    dx.Texts(ids::kChoke, r.m_strChoke);
    dx.Text(ids::kOverheat, r.m_strOverheat);
    dx.Text(ids::kEfficiency, r.m_strEfficiency);
}

QString ControlText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return {};
}

void SetControlText(QWidget* control, const QString& text) {
    if (ControlText(control) == text) return;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(text);
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
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
    void Text(int id, toroglav::Text& text) {
        text = Cp1251FromQString(ControlText(form.control(id)));
    }
    void Texts(const ids::PerOutput& ids, OutputTexts& texts) {
        for (int k = 0; k < kOutputCount; ++k) Text(ids[k], texts[k]);
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
    void Text(int id, const toroglav::Text& text) {
        SetControlText(form.control(id), QStringFromCp1251(text));
    }
    void Texts(const ids::PerOutput& ids, const OutputTexts& texts) {
        for (int k = 0; k < kOutputCount; ++k) Text(ids[k], texts[k]);
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
