#pragma once
// What the record's option indices mean. The record keeps each option as the signed 32-bit radio
// position that the design file stores; a file may hold any value there, so every option is read
// through its `...Of` function, which says what a value outside the group stands for.

#include <cstdint>
#include <optional>

namespace toroglav {

enum class Converter : std::int32_t { PushPull = 0, HalfBridge = 1, Bridge = 2 };
enum class Controller : std::int32_t { DutyLimited = 0, DeadTime = 1 };
enum class SwitchDrop : std::int32_t { SaturationVoltage = 0, RdsOn = 1 };
enum class Rectifier : std::int32_t { Unipolar = 0, Bipolar = 1, Bridge = 2 };
enum class Stabilization : std::int32_t { Off = 0, On = 1 };
enum class CoreType : std::int32_t { Ring = 0, E = 1, Etd = 2, Other = 3 };
enum class Material : std::int32_t { N87 = 0, N27 = 1 };
enum class SupplyKind : std::int32_t { Dc = 0, Mains = 1 };

// The index that stands for `value` in the record.
template <typename Option>
constexpr std::int32_t IndexOf(Option value) {
    return static_cast<std::int32_t>(value);
}

// An index outside its group reads as the group's default (half-bridge, unipolar rectifier), or
// as the option that is not 1 where a group of two is read as "1 or not".
constexpr Converter ConverterOf(std::int32_t index) {
    if (index == IndexOf(Converter::PushPull)) return Converter::PushPull;
    if (index == IndexOf(Converter::Bridge)) return Converter::Bridge;
    return Converter::HalfBridge;
}
constexpr Rectifier RectifierOf(std::int32_t index) {
    if (index == IndexOf(Rectifier::Bipolar)) return Rectifier::Bipolar;
    if (index == IndexOf(Rectifier::Bridge)) return Rectifier::Bridge;
    return Rectifier::Unipolar;
}
constexpr Controller ControllerOf(std::int32_t index) {
    return index == IndexOf(Controller::DeadTime) ? Controller::DeadTime : Controller::DutyLimited;
}
constexpr SwitchDrop SwitchDropOf(std::int32_t index) {
    return index == IndexOf(SwitchDrop::RdsOn) ? SwitchDrop::RdsOn : SwitchDrop::SaturationVoltage;
}
constexpr Stabilization StabilizationOf(std::int32_t index) {
    return index == IndexOf(Stabilization::On) ? Stabilization::On : Stabilization::Off;
}
constexpr SupplyKind SupplyKindOf(std::int32_t index) {
    return index == IndexOf(SupplyKind::Mains) ? SupplyKind::Mains : SupplyKind::Dc;
}

// The core types and materials the program knows, or nothing for any other index: such a core
// has no picture and no name, and is calculated as a ring; such a material has no loss data.
constexpr std::optional<CoreType> KnownCoreType(std::int32_t index) {
    if (index < IndexOf(CoreType::Ring) || index > IndexOf(CoreType::Other)) return std::nullopt;
    return static_cast<CoreType>(index);
}
constexpr std::optional<Material> KnownMaterial(std::int32_t index) {
    if (index != IndexOf(Material::N87) && index != IndexOf(Material::N27)) return std::nullopt;
    return static_cast<Material>(index);
}

}  // namespace toroglav
