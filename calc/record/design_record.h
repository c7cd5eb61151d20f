#pragma once
// The whole state of one transformer design.
//
// Data flow: the window (or the command line, or a design file) fills the inputs of a
// DesignRecord; Calculate() converts the input texts to numbers and runs the stages in order
// (operating point, core geometry, primary, core loss, secondaries, power summary), giving back
// every result as a number; WriteResultTexts() writes the result texts and working numbers into
// the record; the window shows the record, the design file stores its inputs. Every text is a
// cp1251 byte string, numbers included, exactly as typed; results carry a decimal comma.
//
// Members keep their declared order; RecordFields() lists them in that order by name, with their
// kind and their place in the design file. Adding a member means adding it here and there.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace toroglav {

inline constexpr int kOutputCount = 5;

using Text = std::string;  // cp1251 bytes
using OutputTexts = std::array<Text, kOutputCount>;
using WorkingNumber = std::optional<double>;  // empty until a calculation writes it

struct DesignRecord {
    DesignRecord();

    // Option indices: the position of the chosen radio within its group.
    std::int32_t m_nConverter = 1;                          // 0 push-pull, 1 half-bridge, 2 bridge
    std::int32_t m_nController = 0;                         // 0 fixed maximum duty, 1 dead time
    std::int32_t m_nSwitchDrop = 1;                         // 0 saturation voltage, 1 Rds(on)
    std::array<std::int32_t, kOutputCount> m_nRectifier{};  // 0 unipolar, 1 bipolar, 2 bridge
    std::int32_t m_nStabilization = 1;                      // 0 no, 1 yes
    std::int32_t m_nCoreType = 0;                           // 0 ring, 1 E/EI, 2 ETD/ER, 3 other
    std::int32_t m_nMaterial = 0;                           // 0 N87, 1 N27
    std::int32_t m_nSupplyKind = 0;                         // 0 DC, 1 rectified mains

    Text m_strDimD;
    Text m_strDimd;
    Text m_strDimh;
    Text m_strDimho;
    WorkingNumber m_dCoreVolume;  // cm3
    Text m_strDimHs;
    Text m_strDimL;
    Text m_strInductionMax;
    WorkingNumber m_dInduction;  // T
    Text m_strFrequency;
    WorkingNumber m_dFrequency;  // kHz
    Text m_strInductionRange;
    Text m_strPermeability;
    Text m_strUsat;
    Text m_strCurrentDensity;
    Text m_strWindowFill;
    Text m_strWindowFillResult;
    Text m_strDutyMax;
    Text m_strSupplyMin;
    Text m_strSupplyNom;
    Text m_strSupplyMax;
    OutputTexts m_strOutVoltage;
    OutputTexts m_strOutCurrent;
    OutputTexts m_strOutCurrentMin;
    Text m_strWirePrimary;
    OutputTexts m_strWireOut;
    Text m_strPrimaryTurns;
    Text m_strInductance;
    Text m_strPrimaryWire;
    OutputTexts m_strOutTurns;
    OutputTexts m_strOutWire;
    Text m_strAe;
    Text m_strSo;
    Text m_strPowerLoad;
    Text m_strPowerOverall;
    Text m_strMagnetizingCurrent;
    Text m_strPrimaryCurrentPeak;
    Text m_strSupplyCurrent;
    OutputTexts m_strOutVmin;
    OutputTexts m_strOutVnom;
    OutputTexts m_strOutVmax;
    OutputTexts m_strDiodeDrop;
    Text m_strDeadTime;
    Text m_strRdsOn;
    Text m_strSkinDiameter;
    Text m_strInductanceUnit;
    Text m_strCoreLoss;
    OutputTexts m_strChoke;
    Text m_strOverheat;
    Text m_strEfficiency;
    WorkingNumber m_dLossDensity;  // mW/cm3
    WorkingNumber m_dCoreLoss;     // W

    bool operator==(const DesignRecord&) const = default;
};

// What a member of the record is.
enum class MemberKind {
    Option,   // a radio position
    Input,    // a text the user types (the calculation may write it back, see Calculate)
    Result,   // a text the calculation writes
    Working,  // a number the calculation leaves for front ends that read numbers
};

// One member of the record: its name, its kind and where the design file keeps it. Everything
// that handles members one by one (the design file, the command-line listing, the clearing of
// results, the window's data exchange) is driven by this one table.
struct RecordField {
    using Member = std::variant<
        std::int32_t DesignRecord::*, Text DesignRecord::*, WorkingNumber DesignRecord::*,
        std::array<std::int32_t, kOutputCount> DesignRecord::*, OutputTexts DesignRecord::*>;
    std::string_view name;
    Member member;
    MemberKind kind = MemberKind::Input;
    // The item the design file holds it at (a per-output member takes five in a row, output 1
    // first), or kNotStored. Options come before texts in the file.
    int filePosition = kNotStored;
    int optionCount = 0;  // number of radios in the group, for option indices

    static constexpr int kNotStored = -1;

    bool IsArray() const {
        return std::holds_alternative<std::array<std::int32_t, kOutputCount> DesignRecord::*>(
                   member) ||
               std::holds_alternative<OutputTexts DesignRecord::*>(member);
    }
};

// Every member in declared order.
std::span<const RecordField> RecordFields();

}  // namespace toroglav
