// Duty factor or dead time, supply voltages, switch drop and the voltages across the primary.
#include "calc/constants.h"
#include "calc/design/stages.h"

namespace toroglav::stages {

OperatingPoint ComputeOperatingPoint(const Inputs& in) {
    OperatingPoint op;
    // A dead-time controller fixes the dead time, so the maximum duty follows from the frequency;
    // a duty-limited controller fixes the duty, and the dead time is shown for information.
    if (in.controller == Controller::DeadTime) {
        op.dutyMax = 0.5 - in.frequency * in.deadTime / 1000;
        op.deadTime = in.deadTime;
    } else {
        op.dutyMax = in.dutyMax;
        op.deadTime = (0.5 - op.dutyMax) * 1000 / in.frequency;
    }

    const double factor =
        in.supplyKind == SupplyKind::Mains ? constants::kMainsToDc : 1.0;  // 1.0 * v is exactly v
    op.supplyMin = factor * in.supplyMin;
    op.supplyNom = factor * in.supplyNom;
    op.supplyMax = factor * in.supplyMax;

    if (in.switchDrop == SwitchDrop::RdsOn) {
        double loadPower = 0;
        for (int i = 0; i < kOutputCount; ++i) loadPower += in.outVoltage[i] * in.outCurrent[i];
        // A half-bridge puts half the supply on the primary, so its switch current doubles.
        const double current = in.converter == Converter::HalfBridge ? 2 * loadPower / op.supplyNom
                                                                     : loadPower / op.supplyNom;
        op.switchDrop = current * in.rdsOn;
    } else {
        op.switchDrop = in.usat;
    }

    auto effective = [&](double supply) {
        switch (in.converter) {
            case Converter::PushPull:
                return supply - op.switchDrop;
            case Converter::HalfBridge:
                return 0.5 * supply - op.switchDrop;
            case Converter::Bridge:
                return supply - 2 * op.switchDrop;
        }
        return supply;
    };
    op.primaryMin = effective(op.supplyMin);
    op.primaryNom = effective(op.supplyNom);
    op.primaryMax = effective(op.supplyMax);
    return op;
}

}  // namespace toroglav::stages
