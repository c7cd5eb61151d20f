#include "ui/main_window/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "ui/main_window/control_ids.h"
#include "ui/main_window/record_words.h"
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
                std::ranges::find(ids::kMemberControls, field.member, &ids::MemberControls::member);
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

// Inputs are edits, results are result fields; the results show the record's words in the
// window's language.
Text ControlText(const MainForm& form, MemberKind kind, int id) {
    return kind == MemberKind::Input ? Cp1251FromQString(form.get<QLineEdit>(id).text())
                                     : RecordedResult(form.get<QLabel>(id).text());
}

void ShowText(const MainForm& form, MemberKind kind, int id, const Text& text) {
    if (kind == MemberKind::Input)
        SetChangedText(form.get<QLineEdit>(id), QStringFromCp1251(text));
    else
        SetChangedText(form.get<QLabel>(id), ShownResult(text));
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

using Options = std::array<std::int32_t, kOutputCount>;

// Hands every control with its part of the record to `radio(id, option)` or to
// `text(kind, id, text)`, member by member in the record's order.
template <class Record, class Radio, class TextControl>
void ForEachControl(Record& record, Radio&& radio, TextControl&& text) {
    for (const auto& [field, controls] : Bindings()) {
        const ids::PerOutput& id = controls->ids;
        std::visit(
            [&](auto member) {
                auto& value = record.*member;
                using Value = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, std::int32_t>) {
                    radio(id[0], value);
                } else if constexpr (std::is_same_v<Value, Options>) {
                    for (int k = 0; k < kOutputCount; ++k) radio(id[k], value[k]);
                } else if constexpr (std::is_same_v<Value, Text>) {
                    text(field->kind, id[0], value);
                } else if constexpr (std::is_same_v<Value, OutputTexts>) {
                    for (int k = 0; k < kOutputCount; ++k) text(field->kind, id[k], value[k]);
                }
            },
            field->member);
    }
}

}  // namespace

void TakeRecord(const MainForm& form, DesignRecord& record) {
    ForEachControl(
        record, [&](int id, std::int32_t& option) { option = form.radioGroup(id)->checkedId(); },
        [&](MemberKind kind, int id, Text& text) { text = ControlText(form, kind, id); });
}

void ShowRecord(const MainForm& form, const DesignRecord& record) {
    ForEachControl(
        record, [&](int id, std::int32_t option) { ShowOption(form, id, option); },
        [&](MemberKind kind, int id, const Text& text) { ShowText(form, kind, id, text); });
}

}  // namespace toroglav::ui
