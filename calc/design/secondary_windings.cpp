// Secondary windings: turns, output voltages, wire, copper and output choke of each output.
#include <cmath>

#include "calc/constants.h"
#include "calc/design/stages.h"

namespace toroglav::stages {

namespace {
// The smallest whole number not below `value`.
double WholeTurnsAtLeast(double value) {
    const double whole = std::trunc(value);
    return whole < value ? whole + 1 : whole;
}

}  // namespace

Outputs ComputeOutputs(const Inputs& in, const OperatingPoint& op, const Primary& primary,
                       const Windings& windings) {
    const bool stabilized = in.stabilization == Stabilization::On;
    const double np = primary.turns;
    Outputs outputs;
    WorkingDuty& duty = outputs.duty;
    duty.nominal = duty.low = op.dutyMax;
    for (int i = 0; i < kOutputCount; ++i) {
        Output& output = outputs.each[i];
        output.voltage = in.outVoltage[i];
        output.current = in.outCurrent[i];
        if (in.outVoltage[i] == 0) continue;  // output not in use
        output.inUse = true;

        const Rectifier kind = in.rectifier[i];
        output.rectifier = kind;
        const double drop =
            kind == Rectifier::Bridge ? in.diodeDrop[i] + in.diodeDrop[i] : in.diodeDrop[i];
        output.drop = drop;
        const double winding = in.outVoltage[i] + drop;

        // With stabilization the turns must reach the voltage at minimum supply.
        output.exactTurns = stabilized ? winding * 0.5 / duty.low * np / op.primaryMin
                                       : winding * 0.5 / duty.nominal * np / op.primaryNom;
        const double turns = WholeTurnsAtLeast(output.exactTurns);
        output.turns = turns;

        auto outputVoltage = [&](double effective) {
            return (turns * effective / np + turns * effective / np) * duty.nominal - drop;
        };
        if (stabilized) {
            if (i == 0) {  // output 1 is the regulated one: its turns fix the working duty
                duty.low = winding / op.primaryMin * np / turns * 0.5;
                duty.nominal = 0.5 * (winding / op.primaryNom * np / turns);
            }
            output.voltage = outputVoltage(op.primaryNom);
        } else {
            output.voltagesAtLimits = true;
            output.voltageMin = outputVoltage(op.primaryMin);
            output.voltage = outputVoltage(op.primaryNom);
            output.voltageMax = outputVoltage(op.primaryMax);
        }

        const double d = duty.nominal;
        switch (kind) {
            case Rectifier::Unipolar:
                output.rmsCurrent = in.outCurrent[i] * 0.5 * std::sqrt(d + d + 1);
                output.loadShape = std::sqrt(0.5 * (d + d + 1) / d);
                break;
            case Rectifier::Bipolar:  // both polarities load the winding
                output.rmsCurrent = std::sqrt(d + d) * in.outCurrent[i];
                output.current = in.outCurrent[i] + in.outCurrent[i];
                break;
            case Rectifier::Bridge:
                output.rmsCurrent = std::sqrt(d + d) * in.outCurrent[i];
                break;
        }

        output.strands = StrandCount(output.rmsCurrent, in.currentDensity, windings.outWireArea[i]);
        output.copper =
            in.wireOut[i] * in.wireOut[i] * constants::kPi * 0.25 * output.strands * turns;
        if (kind != Rectifier::Bridge) output.copper += output.copper;

        output.currentMin = in.outCurrentMin[i];
        if (output.currentMin == 0) {
            output.currentMin = output.current / 10;
            output.currentMinDefaulted = true;
        }
        // The choke that keeps its current continuous down to the minimum load.
        output.choke =
            (drop + output.voltage) * 1000 * (0.5 - d) / in.frequency / output.currentMin;
    }
    return outputs;
}

}  // namespace toroglav::stages
