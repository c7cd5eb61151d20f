#pragma once
// Moves the whole design record between the record and the form's controls. One list of
// bindings serves both directions: every text member goes through the cp1251 codec into the text
// of its edit or result field, every option index becomes the checked radio of its group.
// Results travel both ways like inputs. Setting a control never runs the field rules: the rules
// listen to the user's own edits and clicks only.

#include "calc/record/design_record.h"
#include "ui/main_window/main_form.h"

namespace toroglav::ui {

// Controls into the record. A radio group with no button checked gives -1.
void TakeRecord(const MainForm& form, DesignRecord& record);

// The record into the controls. An option index outside its group checks no button; a control
// whose text already matches is left alone, so the cursor of the field being typed in stays put.
void ShowRecord(const MainForm& form, const DesignRecord& record);

}  // namespace toroglav::ui
