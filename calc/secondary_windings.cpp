// Secondary windings: turns, output voltages, wire, copper and output choke of each output.
#include <cmath>

#include "calc/result_format.h"
#include "calc/stages.h"

namespace toroglav::stages {

namespace {
// The smallest whole number not below `value`.
double WholeTurnsAtLeast(double value) {
    const double whole = std::trunc(value);
    return whole < value ? whole + 1 : whole;
}

}  // namespace

OutputShares ComputeOutputs(DesignRecord& record, const Inputs& in, OperatingPoint& op,
                            const Primary& primary) {
    const bool stabilized = StabilizationOf(record.m_nStabilization) == Stabilization::On;
    const double np = primary.turns;
    OutputShares shares;
    for (int i = 0; i < kOutputCount; ++i) {
        OutputShare& share = shares[i];
        share.voltage = in.outVoltage[i];
        share.current = in.outCurrent[i];
        if (in.outVoltage[i] == 0) continue;  // output not in use

        const Rectifier kind = RectifierOf(record.m_nRectifier[i]);
        const double drop =
            kind == Rectifier::Bridge ? in.diodeDrop[i] + in.diodeDrop[i] : in.diodeDrop[i];
        const double winding = in.outVoltage[i] + drop;

        // With stabilization the turns must reach the voltage at minimum supply.
        const double exactTurns = stabilized ? winding * 0.5 / op.dutyLow * np / op.primaryMin
                                             : winding * 0.5 / op.duty * np / op.primaryNom;
        const double turns = WholeTurnsAtLeast(exactTurns);
        share.turns = turns;

        auto outputVoltage = [&](double effective) {
            return (turns * effective / np + turns * effective / np) * op.duty - drop;
        };
        if (stabilized) {
            if (i == 0) {  // output 1 is the regulated one: its turns fix the working duty
                op.dutyLow = winding / op.primaryMin * np / turns * 0.5;
                op.duty = 0.5 * (winding / op.primaryNom * np / turns);
            }
            share.voltage = outputVoltage(op.primaryNom);
            SetFixed(record.m_strOutVnom[i], share.voltage, 1);
        } else {
            SetFixed(record.m_strOutVmin[i], outputVoltage(op.primaryMin), 1);
            share.voltage = outputVoltage(op.primaryNom);
            SetFixed(record.m_strOutVnom[i], share.voltage, 1);
            SetFixed(record.m_strOutVmax[i], outputVoltage(op.primaryMax), 1);
        }

        Text& turnsText = record.m_strOutTurns[i];
        SetFixed(turnsText, turns, 0);
        if (kind != Rectifier::Bridge) {  // centre-tapped: two halves
            turnsText += " + ";
            AppendFixed(turnsText, turns, 0);
        }
        turnsText += '(';
        AppendFixed(turnsText, exactTurns, 2);
        turnsText += ')';

        const double duty = op.duty;
        double rmsCurrent = 0;
        switch (kind) {
            case Rectifier::Unipolar:
                rmsCurrent = in.outCurrent[i] * 0.5 * std::sqrt(duty + duty + 1);
                share.loadShape = std::sqrt(0.5 * (duty + duty + 1) / duty);
                break;
            case Rectifier::Bipolar:  // both polarities load the winding
                rmsCurrent = std::sqrt(duty + duty) * in.outCurrent[i];
                share.current = in.outCurrent[i] + in.outCurrent[i];
                break;
            case Rectifier::Bridge:
                rmsCurrent = std::sqrt(duty + duty) * in.outCurrent[i];
                break;
        }

        const double strands = StrandCount(rmsCurrent, in.currentDensity, primary.outWireArea[i]);
        record.m_strOutWire[i].clear();
        AppendWireText(record.m_strOutWire[i], in.wireOut[i], strands);
        share.copper = in.wireOut[i] * in.wireOut[i] * kPi * 0.25 * strands * turns;
        if (kind != Rectifier::Bridge) share.copper += share.copper;

        double minimumCurrent = in.outCurrentMin[i];
        if (minimumCurrent == 0) {
            minimumCurrent = share.current / 10;
            SetFixed(record.m_strOutCurrentMin[i], minimumCurrent, 2);
        }
        // The choke that keeps its current continuous down to the minimum load.
        const double choke =
            (drop + share.voltage) * 1000 * (0.5 - duty) / in.frequency / minimumCurrent;
        SetFixed(record.m_strChoke[i], choke, 2);
    }
    return shares;
}

}  // namespace toroglav::stages
