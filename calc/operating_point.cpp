// Duty factor or dead time, supply voltages, switch drop and the voltages across the primary.
#include <cmath>

#include "result_format.h"
#include "stages.h"

namespace toroglav::stages {

Converter ConverterOf(std::int32_t index) {
    if (index == 0) return Converter::PushPull;
    if (index == 2) return Converter::Bridge;
    return Converter::HalfBridge;
}

Rectifier RectifierOf(std::int32_t index) {
    if (index == 1) return Rectifier::Bipolar;
    if (index == 2) return Rectifier::Bridge;
    return Rectifier::Unipolar;
}

OperatingPoint ComputeOperatingPoint(DesignRecord& record, const Inputs& in) {
    OperatingPoint op;
    op.converter = ConverterOf(record.m_nConverter);

    // A dead-time controller fixes the dead time, so the maximum duty follows from the frequency;
    // a duty-limited controller fixes the duty, and the dead time is shown for information.
    if (record.m_nController == 1) {
        op.dutyMax = 0.5 - in.frequency * in.deadTime / 1000;
        record.m_strDutyMax.clear();
        AppendFixed(record.m_strDutyMax, op.dutyMax, 3);
    } else {
        op.dutyMax = in.dutyMax;
        record.m_strDeadTime.clear();
        AppendFixed(record.m_strDeadTime, (0.5 - op.dutyMax) * 1000 / in.frequency, 3);
    }
    op.duty = op.dutyLow = op.dutyMax;

    // Rectified mains charges the reservoir capacitor to about 1.364 times the RMS value.
    const double factor = record.m_nSupplyKind == 1 ? 1.364 : 1.0;  // 1.0 * v is exactly v
    op.supplyMin = factor * in.supplyMin;
    op.supplyNom = factor * in.supplyNom;
    op.supplyMax = factor * in.supplyMax;

    if (record.m_nSwitchDrop == 1) {
        double loadPower = 0;
        for (int i = 0; i < kOutputCount; ++i) loadPower += in.outVoltage[i] * in.outCurrent[i];
        // A half-bridge puts half the supply on the primary, so its switch current doubles.
        const double current = op.converter == Converter::HalfBridge ? 2 * loadPower / op.supplyNom
                                                                     : loadPower / op.supplyNom;
        op.switchDrop = current * in.rdsOn;
        record.m_strUsat.clear();
        AppendFixed(record.m_strUsat, op.switchDrop, 3);
    } else {
        op.switchDrop = in.usat;
    }

    auto effective = [&](double supply) {
        switch (op.converter) {
            case Converter::PushPull:
                return supply - op.switchDrop;
            case Converter::HalfBridge:
                return 0.5 * supply - op.switchDrop;
            case Converter::Bridge:
                return supply - 2 * op.switchDrop;
        }
        return supply;
    };
    op.effMin = effective(op.supplyMin);
    op.effNom = effective(op.supplyNom);
    op.effMax = effective(op.supplyMax);
    return op;
}

}  // namespace toroglav::stages
