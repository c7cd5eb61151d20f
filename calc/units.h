#pragma once
// Named conversions between the units the design's fields use (kHz, mm, cm3, mT) and the SI
// units the physics models take, and to the units figures are shown in.

namespace toroglav::units {

inline constexpr double kHertzPerKilohertz = 1e3;
inline constexpr double kMetresPerMillimetre = 1e-3;
inline constexpr double kCubicMetresPerCubicCentimetre = 1e-6;
inline constexpr double kSquareCentimetresPerSquareMetre = 1e4;
inline constexpr double kTeslaPerMillitesla = 1e-3;
inline constexpr double kMillitesla = 1e3;  // mT per T
inline constexpr double kKilohertz = 1e-3;  // kHz per Hz
inline constexpr double kKilowatt = 1e-3;   // kW per W, kW/m3 per W/m3
inline constexpr double kMilliohm = 1e3;    // mOhm per Ohm
inline constexpr double kPercent = 100;     // % per unit fraction

}  // namespace toroglav::units
