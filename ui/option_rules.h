#pragma once
// The record side of the rules that keep the form consistent while the user works: supply kind,
// upper limits of induction and frequency, and which of each pair of switchable edits is in use.
// None of them needs a window; the dialog takes and shows the record around them.

#include "calc/design_record.h"

namespace toroglav::ui {

// Mains voltages turned into the DC voltages the calculation works with (not the square root of
// 2: the reservoir capacitor never charges to the peak).
inline constexpr double kMainsToDc = 1.364;
inline constexpr double kInductionLimit = 0.3;  // T
inline constexpr double kFrequencyLimit = 300;  // kHz

// Back to a DC supply: in mains mode each supply text becomes 1.364 times its value as a whole
// number and the kind becomes DC; in DC mode nothing changes.
void SelectDcSupply(DesignRecord& record);

// A mains supply: always 198, 220 and 242 V, whatever the texts held.
void SelectMainsSupply(DesignRecord& record);

// Reads the maximum induction into m_dInduction and cuts a text above 0.3 T to "0,3". The
// working number keeps the value as read.
void LimitInduction(DesignRecord& record);

// Reads the frequency into m_dFrequency and cuts a text above 300 kHz to "300".
void LimitFrequency(DesignRecord& record);

// Which edit of each switchable pair takes input. Controller option 1 uses the dead time, any
// other value the maximum duty factor; switch-drop option 1 uses Rds(on), any other value the
// saturation voltage.
struct ControllerEdits {
    bool dutyMax;
    bool deadTime;
};
struct SwitchDropEdits {
    bool usat;
    bool rdsOn;
};
ControllerEdits ControllerEditsFor(std::int32_t controller);
SwitchDropEdits SwitchDropEditsFor(std::int32_t switchDrop);

}  // namespace toroglav::ui
