#pragma once
// The record side of the rules that keep the form consistent while the user works: supply kind,
// upper limits of induction and frequency, and which of each pair of switchable edits is in use.
// None of them needs a window; the window takes and shows the record around them.

#include <string_view>

#include "calc/record/design_record.h"

namespace toroglav {

// The upper limits of induction (T) and frequency (kHz), and the texts a larger entry becomes.
inline constexpr double kInductionLimit = 0.3;
inline constexpr std::string_view kInductionLimitText = "0,3";
inline constexpr double kFrequencyLimit = 300;
inline constexpr std::string_view kFrequencyLimitText = "300";

// Back to a DC supply: in mains mode each supply text becomes 1.364 times its value as a whole
// number and the kind becomes DC; in DC mode nothing changes.
void SelectDcSupply(DesignRecord& record);

// A mains supply: always 198, 220 and 242 V, whatever the texts held.
void SelectMainsSupply(DesignRecord& record);

// Reads the maximum induction into m_dInduction and cuts a text above the limit to the limit's
// text. The working number keeps the value as read.
void LimitInduction(DesignRecord& record);

// Reads the frequency into m_dFrequency and cuts a text above the limit to the limit's text.
void LimitFrequency(DesignRecord& record);

// Which edit of each switchable pair takes input: the dead time with a dead-time controller,
// otherwise the maximum duty factor; Rds(on) when the switch drop comes from it, otherwise the
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

}  // namespace toroglav
