#include "model/Quantity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "model/faults.h"

using units::displayUnit;
using units::kMetric;
using units::kUsCustomary;
using units::Quantity;

namespace {

// The defining values (exact by definition) from which every US customary
// factor follows; computed here in long double, apart from the table's digits.
constexpr long double kInch = 0.0254L;                                 // m
constexpr long double kFoot = 0.3048L;                                 // m
constexpr long double kPound = 0.45359237L;                            // kg
constexpr long double kPoundForce = 4.4482216152605L;                  // N
constexpr long double kGallon = 231.0L * 0.0254L * 0.0254L * 0.0254L;  // m³
constexpr long double kBtu = 1055.05585262L;                           // J, International Table

double relativeError(long double actual, long double expected) {
    return static_cast<double>(std::fabs(actual - expected) / std::fabs(expected));
}

}  // namespace

TEST(UsCustomaryUnits, FactorsFollowFromTheDefinitions) {
    const struct {
        Quantity quantity;
        const char* ascii;
        long double modelUnitsPerUsUnit;
    } cases[] = {
        {Quantity::Pressure, "psi", kPoundForce / (kInch * kInch) / 1e5L},  // Pa per bar
        {Quantity::Flow, "gpm", kGallon * 1000.0L},
        {Quantity::Displacement, "in3/rev", kInch * kInch * kInch * 1e6L},
        {Quantity::Speed, "rpm", 1.0L},
        {Quantity::Power, "hp", 550.0L * kFoot * kPoundForce / 1000.0L},
        {Quantity::Torque, "lbf-ft", kPoundForce * kFoot / 10.0L},  // N m per daN m
        {Quantity::Force, "lbf", kPoundForce / 1000.0L},
        {Quantity::SmallLength, "in", kInch * 1000.0L},
        {Quantity::Length, "ft", kFoot},
        {Quantity::Velocity, "ft/s", kFoot},
        {Quantity::Area, "in2", kInch * kInch * 1e4L},
        {Quantity::Volume, "gal", kGallon * 1000.0L},
        {Quantity::Time, "s", 1.0L},
        {Quantity::Density, "lb/ft3", kPound / (kFoot * kFoot * kFoot)},
        {Quantity::KinematicViscosity, "cSt", 1.0L},
        {Quantity::Temperature, "deg F", 5.0L / 9.0L},
        {Quantity::TemperatureDifference, "deg F", 5.0L / 9.0L},
        {Quantity::Mass, "lb", kPound},
        {Quantity::Frequency, "Hz", 1.0L},
        // W per (m2 K) in a Btu per (h ft2 degF).
        {Quantity::HeatTransfer, "Btu/(h ft2 F)", kBtu / 3600.0L / (kFoot * kFoot) / (5.0L / 9.0L)},
        {Quantity::SpecificHeat, "Btu/(lb F)", kBtu / kPound / (5.0L / 9.0L) / 1000.0L},
        {Quantity::Stiffness, "lbf/in", kPoundForce / kInch / 1e6L},  // kN/mm is 1e6 N/m
        {Quantity::Minutes, "min", 1.0L},
        {Quantity::SmallVolume, "in3", kInch * kInch * kInch * 1e6L},
        {Quantity::LargeArea, "ft2", kFoot * kFoot},
    };
    for (const auto& c : cases) {
        const auto& unit = displayUnit(c.quantity, kUsCustomary);
        SCOPED_TRACE(unit.ascii);
        EXPECT_EQ(unit.ascii, c.ascii);
        // The double nearest to the exact factor: one rounding, no more.
        EXPECT_LE(relativeError(unit.factor, c.modelUnitsPerUsUnit), 1.2e-16);
        // The conversion of one unit gives the factor, of the factor one unit.
        EXPECT_LE(relativeError(units::toModel(1.0 + unit.zero, c.quantity, kUsCustomary),
                                c.modelUnitsPerUsUnit),
                  1e-15);
    }
}

TEST(UnitTables, EveryQuantityHasOneRowAndEveryUsUnitIsSpelledInAscii) {
    for (const auto& row : units::quantityTable()) {
        SCOPED_TRACE(std::string(row.name));
        EXPECT_TRUE(row.model.isIdentity());
        int usRows = 0;
        for (const auto& unit : units::systemUnitTable()) {
            usRows += unit.system == kUsCustomary.name && unit.quantity == row.quantity ? 1 : 0;
        }
        // A ratio has no unit to change.
        EXPECT_EQ(usRows, row.model.ascii.empty() ? 0 : 1);
        for (const auto system : units::unitSystems()) {
            for (const char c : displayUnit(row.quantity, system).ascii) {
                EXPECT_LT(static_cast<unsigned char>(c), 0x80) << system.name;
            }
        }
    }
    // A system the table does not know shows the model's units.
    EXPECT_EQ(displayUnit(Quantity::Pressure, units::UnitSystem{"none"}).ascii, "bar");
    const auto systems = units::unitSystems();
    ASSERT_GE(systems.size(), 2U);
    EXPECT_EQ(systems[0], kMetric);
    EXPECT_EQ(systems[1], kUsCustomary);
}

TEST(UnitConversion, MetricToUsAndBackIsExactToTwelveDigits) {
    const double values[] = {1e-4, 0.7, 1.0, 42.5, -17.5, 300.0, 12345.678, 2.5e7};
    for (const auto& row : units::quantityTable()) {
        for (const auto system : units::unitSystems()) {
            for (const double v : values) {
                SCOPED_TRACE(std::string(row.name) + " " + std::to_string(v));
                const double shown = units::toDisplay(v, row.quantity, system);
                const double back = units::toModel(shown, row.quantity, system);
                // A temperature's size is its distance from absolute zero: 0 °C
                // is no smaller than 20 °C, and 32 °F carries 15 digits of it.
                const bool temperature = row.quantity == Quantity::Temperature;
                const double size = temperature ? v + 273.15 : v;
                EXPECT_LE(std::fabs(back - v) / std::fabs(size), 1e-12);
            }
        }
    }
    // The model's own units pass numbers through untouched, bit for bit.
    EXPECT_EQ(units::toDisplay(0.1, Quantity::Pressure, kMetric), 0.1);
    EXPECT_EQ(units::toModel(0.1, Quantity::Temperature, kMetric), 0.1);
    // A number the user may type that no double holds in the model unit.
    EXPECT_THROW(units::toModel(1e308, Quantity::Density, kUsCustomary), FloatingPointFault);
    EXPECT_THROW(units::toDisplay(1e308, Quantity::Pressure, kUsCustomary), FloatingPointFault);
}

TEST(UnitConversion, TemperatureIsAffineItsDifferenceIsNot) {
    struct Case {
        double celsius;
        double fahrenheit;
        double differenceFahrenheit;  // the same number as a span
    };
    const Case cases[] = {{-40.0, -40.0, -72.0},
                          {0.0, 32.0, 0.0},
                          {37.0, 98.6, 66.6},
                          {100.0, 212.0, 180.0},
                          {-17.5, 0.5, -31.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.celsius);
        EXPECT_NEAR(units::toDisplay(c.celsius, Quantity::Temperature, kUsCustomary), c.fahrenheit,
                    1e-12);
        EXPECT_NEAR(units::toModel(c.fahrenheit, Quantity::Temperature, kUsCustomary), c.celsius,
                    1e-12);
        EXPECT_NEAR(units::toDisplay(c.celsius, Quantity::TemperatureDifference, kUsCustomary),
                    c.differenceFahrenheit, 1e-12);
        EXPECT_NEAR(
            units::toModel(c.differenceFahrenheit, Quantity::TemperatureDifference, kUsCustomary),
            c.celsius, 1e-12);
    }
}

TEST(RoundRange, ConvertedBoundsGoOutToTheOneTwoFiveSeries) {
    struct Case {
        Quantity quantity;
        units::UnitSystem system;
        double minimum, maximum;            // model units
        double shownMinimum, shownMaximum;  // the system's units
    };
    constexpr double kPsi = 0.06894757293168362;  // bar
    constexpr double kLbf = 0.0044482216152605;   // kN
    const Case cases[] = {
        {Quantity::Pressure, kUsCustomary, 0.0, 300.0, 0.0, 5000.0},       // 4351.13 psi
        {Quantity::Pressure, kUsCustomary, 1.0, 250.0, 10.0, 5000.0},      // 14.5 to 3625.9
        {Quantity::Flow, kUsCustomary, 1.0, 100.0, 0.2, 50.0},             // 0.264 to 26.4
        {Quantity::SmallLength, kUsCustomary, 0.0, 500.0, 0.0, 20.0},      // 19.69 in
        {Quantity::Temperature, kUsCustomary, -20.0, 100.0, -5.0, 500.0},  // -4 to 212
        {Quantity::Temperature, kUsCustomary, -60.0, -20.0, -100.0, -2.0},
        {Quantity::Length, kUsCustomary, 0.0, 0.001, 0.0, 0.005},  // 0.00328 ft
        // 500 and 1000 psi, 2000 lbf convert back a hair above the series
        // number and still stay on it.
        {Quantity::Pressure, kUsCustomary, 500.0 * kPsi, 1000.0 * kPsi, 500.0, 1000.0},
        {Quantity::Force, kUsCustomary, 0.0, 2000.0 * kLbf, 0.0, 2000.0},
        // Units that show the model's numbers keep the range as it is.
        {Quantity::Pressure, kMetric, 1.0, 250.0, 1.0, 250.0},
        {Quantity::Speed, kUsCustomary, 100.0, 3000.0, 100.0, 3000.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(units::quantityName(c.quantity)) + " to " +
                     std::to_string(c.maximum));
        const auto range = units::roundRange(c.quantity, c.system, c.minimum, c.maximum);
        EXPECT_EQ(range.minimum, c.shownMinimum);
        EXPECT_EQ(range.maximum, c.shownMaximum);
    }
}

TEST(RoundRange, BoundsItCannotShowAreRefused) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(units::roundRange(Quantity::Pressure, kUsCustomary, 10.0, 1.0),
                 std::invalid_argument);
    EXPECT_THROW(units::roundRange(Quantity::Pressure, kUsCustomary, 0.0, inf),
                 std::invalid_argument);
    EXPECT_THROW(units::roundRange(Quantity::Pressure, kMetric, nan, 1.0), std::invalid_argument);
    // 1e308 bar is finite, in psi it is not.
    EXPECT_THROW(units::roundRange(Quantity::Pressure, kUsCustomary, 0.0, 1e308),
                 std::invalid_argument);
    // Near the top of the double range: 1e308 is a series number, 2e308 is not.
    EXPECT_EQ(units::roundUp125(9e307), 1e308);
    EXPECT_THROW(units::roundUp125(1.5e308), std::invalid_argument);
    EXPECT_THROW(units::roundDown125(-1.5e308), std::invalid_argument);
}
