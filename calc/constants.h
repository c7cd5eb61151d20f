#pragma once
// The calculation's constants, each with its unit and where it comes from.
//
// The design's own units are those of its fields: mm, mm2, cm3, kHz, T, V, A, us, mW/cm3. Where
// a formula mixes them, the factor that makes the units agree is named here rather than typed
// into the formula.

#include <numbers>

namespace toroglav::constants {

inline constexpr double kPi = std::numbers::pi;

// Magnetic constant mu0 = 4 pi 1e-7 H/m. With Ae in mm2 and le in mm, mu0 * N^2 * Ae / le comes
// out in mH, since mm2 / mm = 1e-3 m and H * 1e-3 = mH.
inline constexpr double kMu0HenryPerMetre = 1.2566370614359173e-06;

// Primary turns N = U / (4 f B Ae) with f in kHz and Ae in mm2: 1 / (4 * 1e3 * 1e-6) = 250.
inline constexpr double kTurnsFactor = 250;

// Skin depth in copper at 1 kHz, mm; the depth at f kHz is this over the square root of f.
inline constexpr double kSkinDepthAt1kHzMm = 2.0871;

// Rectified mains to the DC voltage the calculation works with: the reservoir capacitor never
// charges to the peak, so the factor is a practical one, not the square root of 2.
inline constexpr double kMainsToDc = 1.364;

// A fixed factor of the overall (size) power formula: what the windings' insulation and the
// rectifiers take from the ideal figure.
inline constexpr double kOverallPowerFactor = 0.984;

// Below this inductance (mH) the primary's inductance is shown in microhenries.
inline constexpr double kMillihenryShownFromMh = 0.1;

// The ferrites' loss tables (mW/cm3) are sampled on doubling grids: inductions 0.05, 0.1, 0.2,
// 0.4 T and frequencies 25, 50, 100, 200, 400 kHz. A working point is placed on the grid by
// dividing by a value just below the first grid line, so a value exactly on a line selects the
// cell that starts there.
inline constexpr double kLossGridFirstInductionT = 0.05;
inline constexpr double kLossGridFirstFrequencyKHz = 25;
inline constexpr double kLossGridInductionJustBelowT = 0.049999999999999;
inline constexpr double kLossGridFrequencyJustBelowKHz = 24.999999999999;

// Expected overheating of the core in free air by its specific loss (mW/cm3): the rise band
// starts at these loss densities. They are the program's empirical figures for ferrite cores
// of the sizes it is used with; above kOverheat50K the core heats by more than 50 K, which
// raises a warning.
inline constexpr double kOverheat25K = 235;
inline constexpr double kOverheat30K = 270;
inline constexpr double kOverheat35K = 300;
inline constexpr double kOverheat40K = 320;
inline constexpr double kOverheat45K = 338;
inline constexpr double kOverheat50K = 360;
// Strictly above this density the band is "more than 55 K"; at it, still 50 to 55 K.
inline constexpr double kOverheat55K = 387;

// ---- The loss and heating analysis, in SI units --------------------------------------------

// Resistivity of annealed copper at 20 degrees C, Ohm m, and its temperature coefficient, 1/K
// (IEC 60028, the international annealed copper standard).
inline constexpr double kCopperResistivity20C = 1.724e-8;
inline constexpr double kCopperTemperatureCoefficient = 0.00393;
inline constexpr double kCopperReferenceC = 20;

// ---- The winding as it is built (calc/winding/) -------------------------------------------

// Creepage distance for basic insulation at a working voltage of 250 V rms (230 V mains),
// pollution degree 2, material group III (a bobbin's plastic whose tracking index is not known),
// mm: IEC 60664-1 Table F.4 as reprinted by WAGO (rail-mounted terminal blocks 2015, vol. 1,
// p. 594). Reinforced insulation takes twice the basic distance (CUI Inc., Wurth Elektronik);
// mains-supply test reports under IEC 60950-1 and IEC 62368-1 require 5.0 mm at 240-250 V rms.
inline constexpr double kBasicCreepage250VrmsMm = 2.5;
inline constexpr double kReinforcedOverBasic = 2;
// Thin sheet insulation is reinforced in three layers, any two of which withstand the electric
// strength test (IEC 60950-1 cl. 2.10.5; Power Integrations AN-18: a three-layer wrap).
inline constexpr int kReinforcedTapeLayers = 3;
// Triple-insulated wire: three extruded layers, any two of which are reinforced insulation,
// about 0.1 mm thick in all around the conductor (makers' tables of TEX-E type wires as
// recalled; not checked against a published table here).
inline constexpr double kTripleInsulationMm = 0.1;

// ---- The heat a wound transformer gives off (calc/magnetics/surface_heat_transfer.h) -----

inline constexpr double kZeroCelsiusK = 273.15;
// Stefan-Boltzmann constant, W/(m2 K4) (CODATA 2018), and standard gravity, m/s2.
inline constexpr double kStefanBoltzmann = 5.670374419e-8;
inline constexpr double kGravity = 9.80665;
// Emissivity of a wound transformer's outside in the 8-14 um band a surface at 300-400 K
// radiates in: ferrite about 0.95 (O. Duffy, "Black body emissivity of ferrite core material",
// NiZn, measured), heat-resistant lacquer 0.92 and vinyl tape 0.96 (FLIR T5xx manual,
// emissivity table), plastics and transformer paint 0.94 (Testo emissivity table); 0.9 errs on
// the warm side.
inline constexpr double kSurfaceEmissivity = 0.9;
// Dry air at 1 atm, temperature T in K (Poling, Prausnitz, O'Connell, Properties of Gases and
// Liquids, 5th ed., 2001, as fitted by egichem.com: within 0.15 % of the tables from 200 to
// 400 K): density 351.99/T + 344.88/T^2 kg/m3; viscosity 1.4592e-6 T^1.5 / (109.10 + T) Pa s;
// conductivity 2.3340e-3 T^1.5 / (164.54 + T) W/(m K); heat capacity 1030.5 - 0.19975 T +
// 3.9734e-4 T^2 J/(kg K).
inline constexpr double kAirDensity1 = 351.99, kAirDensity2 = 344.88;
inline constexpr double kAirViscosity = 1.4592e-6, kAirViscosityT = 109.10;
inline constexpr double kAirConductivity = 2.3340e-3, kAirConductivityT = 164.54;
inline constexpr double kAirHeatCapacity0 = 1030.5, kAirHeatCapacity1 = -0.19975,
                        kAirHeatCapacity2 = 3.9734e-4;
inline constexpr double kAirFitLowestK = 200, kAirFitHighestK = 400;

}  // namespace toroglav::constants
