// toroglav-calc --thermal: the figures of a core with its winding space full, the air speed's
// effect, and its options refused in one line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "cli_runner.h"

namespace toroglav::cli {
namespace {

double Figure(const std::string& out, const std::string& name) {
    const std::size_t at = out.find(name + "=");
    return at == std::string::npos ? NAN : std::stod(out.substr(at + name.size() + 1));
}

// ETD 34 at 2 W in 25 C air, as worked by hand (surface_heat_transfer_test.cpp): 43,2 cm2,
// 29,9 K, 14,95 K/W; a stream of 1 m/s takes the rise down to 15,2 K.
TEST(ThermalCommand, EtdCoreByHandAndInMovingAir) {
    const CliResult still =
        RunCli({"--core", "ETD 34", "--thermal", "--dissipation", "2", "--ambient", "25"});
    ASSERT_EQ(still.exitCode, kExitOk) << still.err;
    EXPECT_TRUE(still.out.starts_with("surface_cm2=")) << still.out;
    EXPECT_NEAR(Figure(still.out, "surface_cm2"), 43.2, 0.05);
    EXPECT_NEAR(Figure(still.out, "temperature_rise_K"), 29.9, 0.1);
    EXPECT_NEAR(Figure(still.out, "thermal_resistance_K_W"), 14.95, 0.05);
    const CliResult blown = RunCli({"--core", "ETD 34", "--thermal", "--dissipation", "2",
                                    "--ambient", "25", "--air-speed", "1"});
    EXPECT_NEAR(Figure(blown.out, "temperature_rise_K"), 15.2, 0.3);
}

INSTANTIATE_TEST_SUITE_P(
    ThermalOptions, RefusedInOneLineTest,
    testing::Values(
        RefusedCase{"NoDissipation", {"--thermal"}, "needs '--dissipation W'"},
        RefusedCase{
            "ZeroDissipation", {"--thermal", "--dissipation", "0"}, "'--dissipation' needs"},
        RefusedCase{"DissipationWithoutThermal", {"--dissipation", "2"}, "belongs to '--thermal'"},
        RefusedCase{"AmbientBeforeThermal",
                    {"--ambient", "200", "--thermal", "--dissipation", "2"},
                    "from -55 to 150"},
        RefusedCase{"AirTooFast", {"--losses", "--air-speed", "21"}, "'--air-speed' needs"},
        RefusedCase{"AirWithoutLosses", {"--air-speed", "1"}, "'--losses' or '--thermal'"},
        RefusedCase{"MaterialWithThermal",
                    {"--thermal", "--dissipation", "2", "--material", "N87"},
                    "'--material' belongs"},
        RefusedCase{"ThermalAndLosses",
                    {"--thermal", "--dissipation", "2", "--losses"},
                    "different listings"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace toroglav::cli
