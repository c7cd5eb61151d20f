#pragma once
// The numbers that pass between the stages of one calculation run. Calculate() fills them in
// order; each stage reads what the earlier ones left and writes its own result texts.
//
// The stages keep the calculation's own order of evaluation, down to forms such as `x + x` for
// 2x or `a * 0.5 / b * c`: every result must match the last printed digit of designs worked out
// before, and a rewritten form rounds differently in the last bit. Do not simplify them.

#include <array>
#include <cstdint>

#include "calc/design_record.h"
#include "calc/option_values.h"

namespace toroglav::stages {

inline constexpr double kPi = 3.141592653589793;

// Every numeric input, converted once at the start of a run.
struct Inputs {
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
    Converter converter = Converter::HalfBridge;
    double dutyMax = 0;
    double duty = 0;     // at nominal supply; stabilization may lower it (output 1)
    double dutyLow = 0;  // at minimum supply
    double supplyMin = 0, supplyNom = 0, supplyMax = 0;  // after the mains factor
    double switchDrop = 0;
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
    double turns = 0;  // as printed (of each half for push-pull)
    double inductionNom = 0;
    double inductance = 0;  // mH
    double skinDepth = 0;   // mm
    double wireArea = 0;    // effective area of one strand, mm2
    std::array<double, kOutputCount> outWireArea{};
};

// What each output leaves for the power summary and the window fill.
struct OutputShare {
    double voltage = 0;  // nominal output voltage
    double current = 0;  // doubled for a bipolar output
    double turns = 0;
    double loadShape = 1;
    double copper = 0;  // mm2
};
using OutputShares = std::array<OutputShare, kOutputCount>;

Inputs ConvertInputs(DesignRecord& record);
OperatingPoint ComputeOperatingPoint(DesignRecord& record, const Inputs& in);
CoreGeometry ComputeCoreGeometry(DesignRecord& record, const Inputs& in);
Primary ComputePrimaryTurns(DesignRecord& record, const Inputs& in, const OperatingPoint& op,
                            const CoreGeometry& core);
void ComputeInductanceAndWireAreas(DesignRecord& record, const Inputs& in, const CoreGeometry& core,
                                   Primary& primary);
OutputShares ComputeOutputs(DesignRecord& record, const Inputs& in, OperatingPoint& op,
                            const Primary& primary);
void ComputePowerSummary(DesignRecord& record, const Inputs& in, const OperatingPoint& op,
                         const CoreGeometry& core, const Primary& primary,
                         const OutputShares& outputs, double coreLoss);

// Effective area of one strand of diameter `wire`: the whole section, or only the outer ring of
// one skin depth when the wire is thicker than two skin depths.
double StrandArea(double wire, double skinDepth);

// Strands needed to carry `current` at `density` with `area` per strand.
double StrandCount(double current, double density, double area);

// Appends "%.2f x %i" of a wire diameter and its strand count.
void AppendWireText(Text& out, double diameter, double strands);

}  // namespace toroglav::stages
