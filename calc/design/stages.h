#pragma once
// The stages of one calculation run and the numbers that pass between them. Each stage takes what
// it needs as arguments and returns its own numbers; none reads or writes the record. Calculate()
// runs them in order and result_texts.cpp turns their numbers into the record's texts.
//
// The stages keep the calculation's own order of evaluation, down to forms such as `x + x` for
// 2x or `a * 0.5 / b * c`: every result must match the last printed digit of designs worked out
// before, and a rewritten form rounds differently in the last bit. Do not simplify them.

#include <array>
#include <cstdint>

#include "calc/record/design_record.h"
#include "calc/record/option_values.h"

namespace toroglav::stages {

// Every option and numeric input, converted once at the start of a run.
struct Inputs {
    Converter converter = Converter::HalfBridge;
    Controller controller = Controller::DutyLimited;
    SwitchDrop switchDrop = SwitchDrop::RdsOn;
    std::array<Rectifier, kOutputCount> rectifier{};
    Stabilization stabilization = Stabilization::On;
    CoreType coreType = CoreType::Ring;  // an unknown type is calculated as a ring
    std::int32_t material = 0;           // as stored: an unknown material has no loss data
    SupplyKind supplyKind = SupplyKind::Dc;

    double dimD = 0, dimd = 0, dimh = 0, dimho = 0, dimHs = 0, dimL = 0;
    double inductionMax = 0;  // T
    double frequency = 0;     // kHz
    std::int32_t permeability = 0;
    double usat = 0, rdsOn = 0;                          // V, Ohm
    double supplyMin = 0, supplyNom = 0, supplyMax = 0;  // V, as entered
    std::array<double, kOutputCount> outVoltage{}, outCurrent{}, outCurrentMin{};
    double wirePrimary = 0;  // mm
    std::array<double, kOutputCount> wireOut{};
    double currentDensity = 0;  // A/mm2
    double windowFill = 0;
    double dutyMax = 0;
    double deadTime = 0;  // us
    std::array<double, kOutputCount> diodeDrop{};
};

struct OperatingPoint {
    double dutyMax = 0;   // as entered, or derived from the dead time
    double deadTime = 0;  // us, as entered, or derived from the maximum duty
    double supplyMin = 0, supplyNom = 0, supplyMax = 0;  // V, after the mains factor
    double switchDrop = 0;                               // V
    // The voltages across the primary at minimum, nominal and maximum supply.
    double primaryMin = 0, primaryNom = 0, primaryMax = 0;
};

struct CoreGeometry {
    double ae = 0;  // mm2
    double so = 0;  // mm2
    double le = 0;  // mm
    double ve = 0;  // cm3
};

struct Primary {
    double exactTurns = 0;  // from the maximum supply and the maximum induction
    double turns = 0;       // as printed (of each half for push-pull): TurnsAsPrinted(exactTurns)
    double inductionMin = 0, inductionNom = 0, inductionMax = 0;  // T
};

// The primary's inductance and the skin effect at the working frequency.
struct Windings {
    double inductance = 0;  // mH
    double skinDepth = 0;   // mm
    double wireArea = 0;    // effective area of one strand of the primary, mm2
    std::array<double, kOutputCount> outWireArea{};
};

// The duty factor the converter works at. Without stabilization it is the maximum duty; with it,
// output 1 (the regulated one) fixes it through its whole turns.
struct WorkingDuty {
    double nominal = 0;  // at nominal supply
    double low = 0;      // at minimum supply
};

struct Output {
    bool inUse = false;  // its voltage is not 0
    Rectifier rectifier = Rectifier::Unipolar;
    double voltage = 0;  // nominal output voltage; as entered when not in use
    double current = 0;  // doubled for a bipolar output
    double drop = 0;     // V, of the diodes in its path
    double exactTurns = 0;
    double turns = 0;               // whole turns (of each half for a centre-tapped winding)
    bool voltagesAtLimits = false;  // the voltages at minimum and maximum supply are computed
    double voltageMin = 0, voltageMax = 0;
    double rmsCurrent = 0;  // A, of the winding
    double strands = 0;
    double loadShape = 1;
    double copper = 0;  // mm2 of the window
    double currentMin = 0;
    bool currentMinDefaulted = false;  // no minimum current was entered: a tenth of the current
    double choke = 0;                  // uH
};

struct Outputs {
    std::array<Output, kOutputCount> each;
    WorkingDuty duty;  // as the outputs leave it
};

struct PowerSummary {
    double loadPower = 0;           // W
    double magnetizingCurrent = 0;  // A
    double primaryCurrentPeak = 0;  // A
    double primaryCurrentRms = 0;   // A, of one half for push-pull
    double supplyCurrent = 0;       // A
    double primaryStrands = 0;
    double windowFill = 0;    // copper over window area
    double efficiency = 0;    // load over input power, without winding loss
    double overallPower = 0;  // W
};

Inputs ConvertInputs(const DesignRecord& record);
OperatingPoint ComputeOperatingPoint(const Inputs& in);
CoreGeometry ComputeCoreGeometry(const Inputs& in);
Primary ComputePrimaryTurns(const Inputs& in, const OperatingPoint& op, const CoreGeometry& core);
Windings ComputeWindings(const Inputs& in, const CoreGeometry& core, const Primary& primary);
Outputs ComputeOutputs(const Inputs& in, const OperatingPoint& op, const Primary& primary,
                       const Windings& windings);
PowerSummary ComputePowerSummary(const Inputs& in, const OperatingPoint& op,
                                 const CoreGeometry& core, const Primary& primary,
                                 const Windings& windings, const Outputs& outputs, double coreLoss);

// The primary turns the calculation goes on with: the exact count as its whole-number text reads
// back (rounded half up at 17 significant digits, as printed), and 0 when the count is not finite.
double TurnsAsPrinted(double exactTurns);

// Effective area of one strand of diameter `wire`: the whole section, or only the outer ring of
// one skin depth when the wire is thicker than two skin depths.
double StrandArea(double wire, double skinDepth);

// Strands needed to carry `current` at `density` with `area` per strand.
double StrandCount(double current, double density, double area);

}  // namespace toroglav::stages
