#include "ui/main_window/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "ui/main_window/control_ids.h"
#include "ui/services/qstring_cp1251.h"

namespace toroglav::ui {

namespace {

// A record member with its controls, in the record's declared order.
struct Binding {
    const RecordField* field;
    const ids::MemberControls* controls;
};

// Every member the window shows (all but the working numbers), bound once. A member without a
// control is a programming error that the window's tests catch.
const std::vector<Binding>& Bindings() {
    static const std::vector<Binding> bindings = [] {
        std::vector<Binding> all;
        for (const RecordField& field : RecordFields()) {
            if (field.kind == MemberKind::Working) continue;
            const auto* found =
                std::ranges::find(ids::kMemberControls, field.name, &ids::MemberControls::member);
            if (found != std::end(ids::kMemberControls)) all.push_back({&field, found});
        }
        return all;
    }();
    return bindings;
}

// A text set again would move the cursor of the edit being typed in, so only changes are set.
template <class Control>
void SetChangedText(Control& control, const QString& text) {
    if (control.text() != text) control.setText(text);
}

// Inputs are edits, results are result fields.
QString ControlText(const MainForm& form, MemberKind kind, int id) {
    return kind == MemberKind::Input ? form.get<QLineEdit>(id).text() : form.get<QLabel>(id).text();
}

void ShowText(const MainForm& form, MemberKind kind, int id, const Text& text) {
    if (kind == MemberKind::Input)
        SetChangedText(form.get<QLineEdit>(id), QStringFromCp1251(text));
    else
        SetChangedText(form.get<QLabel>(id), QStringFromCp1251(text));
}

// Radio groups are addressed by any of their buttons.
void ShowOption(const MainForm& form, int id, std::int32_t value) {
    QButtonGroup* group = form.radioGroup(id);
    if (QAbstractButton* chosen = group->button(value)) {
        chosen->setChecked(true);
        return;
    }
    // An option index outside its group checks no button. An exclusive group refuses to uncheck
    // its last button, so lift that for a moment.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(true);
}

using R = DesignRecord;
using Options = std::array<std::int32_t, kOutputCount>;

}  // namespace

void TakeRecord(const MainForm& form, DesignRecord& record) {
    for (const auto& [field, controls] : Bindings()) {
        const MemberKind kind = field->kind;
        const ids::PerOutput& id = controls->ids;
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, std::int32_t R::*>) {
                    record.*member = form.radioGroup(id[0])->checkedId();
                } else if constexpr (std::is_same_v<Member, Options R::*>) {
                    for (int k = 0; k < kOutputCount; ++k)
                        (record.*member)[k] = form.radioGroup(id[k])->checkedId();
                } else if constexpr (std::is_same_v<Member, Text R::*>) {
                    record.*member = Cp1251FromQString(ControlText(form, kind, id[0]));
                } else if constexpr (std::is_same_v<Member, OutputTexts R::*>) {
                    for (int k = 0; k < kOutputCount; ++k)
                        (record.*member)[k] = Cp1251FromQString(ControlText(form, kind, id[k]));
                }
            },
            field->member);
    }
}

void ShowRecord(const MainForm& form, const DesignRecord& record) {
    for (const auto& [field, controls] : Bindings()) {
        const MemberKind kind = field->kind;
        const ids::PerOutput& id = controls->ids;
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, std::int32_t R::*>) {
                    ShowOption(form, id[0], record.*member);
                } else if constexpr (std::is_same_v<Member, Options R::*>) {
                    for (int k = 0; k < kOutputCount; ++k)
                        ShowOption(form, id[k], (record.*member)[k]);
                } else if constexpr (std::is_same_v<Member, Text R::*>) {
                    ShowText(form, kind, id[0], record.*member);
                } else if constexpr (std::is_same_v<Member, OutputTexts R::*>) {
                    for (int k = 0; k < kOutputCount; ++k)
                        ShowText(form, kind, id[k], (record.*member)[k]);
                }
            },
            field->member);
    }
}

}  // namespace toroglav::ui
