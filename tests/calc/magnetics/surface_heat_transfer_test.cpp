// The heat a wound transformer gives off, against a case worked by hand: ETD 34/17/11 with its
// window full, standing on a board in still air at 25 C, dissipating 2 W. Its faces: core top
// 3.69 cm2 (up), outer legs 7.47 and front and back 12.06 (sides, 34.6 mm high), the coil's
// sides 14.61 (24.2 mm high), tops 2.67 and undersides 2.67: 43.2 cm2. At a 29.9 K rise the film
// is at 40.0 C, the sides take h_c 7.61 and 8.51 W/m2K, the top 14.2, the coil's tops 13.7 and
// undersides 13.3, radiation 6.28 everywhere: 2.000 W, 14.95 K/W.
#include "calc/magnetics/surface_heat_transfer.h"

#include <gtest/gtest.h>

#include "calc/limits.h"
#include "calc/magnetics/core_temperature.h"

namespace toroglav {
namespace {

constexpr double kAmbientC = 25, kDissipationW = 2;

TransformerSurface Etd34() {
    return TransformerSurfaceOf(CoreType::Etd, 10.8, 34.2, 26.3, 12.1, 17.3, 0, 0, 0, -1);
}

double RiseK(double airSpeedMPerS) {
    const TransformerSurface surface = Etd34();
    const SettledCore settled = SettledTemperature(
        kAmbientC,
        [&](double c) {
            return SurfaceHeatAt(surface, c, kAmbientC, airSpeedMPerS).ThermalResistanceKPerW();
        },
        1000, [](double) { return kDissipationW; });
    EXPECT_EQ(settled.outcome, SettledCore::Outcome::Settled);
    return settled.temperatureC - kAmbientC;
}

TEST(SurfaceHeatTransfer, HandWorkedEtd34) {
    const TransformerSurface surface = Etd34();
    EXPECT_NEAR(surface.AreaM2() * 1e4, 43.2, 0.05);
    const double rise = RiseK(0);
    EXPECT_NEAR(rise, 29.9, 0.1);
    const SurfaceHeat heat = SurfaceHeatAt(surface, kAmbientC + 29.9, kAmbientC);
    EXPECT_NEAR(heat.radiationWPerM2K, 6.28, 0.01);
    EXPECT_NEAR(heat.ThermalResistanceKPerW(), 14.95, 0.05);
    EXPECT_FALSE(heat.outsideRange);
}

}  // namespace
}  // namespace toroglav
