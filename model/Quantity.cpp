#include "model/Quantity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "model/faults.h"
#include "model/numtext.h"

namespace units {
namespace {

// The quantities and the units the elements compute them in. A model unit is
// the unit itself: factor 1, zero 0.
// clang-format off
constexpr QuantityRow kQuantities[] = {
    // quantity                        name                       ascii    display
    {Quantity::Pressure,              "pressure",               {"bar",   "bar"}},
    {Quantity::Flow,                  "flow",                   {"l/min", "l/min"}},
    {Quantity::Displacement,          "displacement",           {"cm3",   "cm³"}},
    {Quantity::Speed,                 "speed",                  {"rpm",   "rpm"}},
    {Quantity::Power,                 "power",                  {"kW",    "kW"}},
    {Quantity::Torque,                "torque",                 {"daNm",  "daNm"}},
    {Quantity::Force,                 "force",                  {"kN",    "kN"}},
    {Quantity::SmallLength,           "small length",           {"mm",    "mm"}},
    {Quantity::Length,                "length",                 {"m",     "m"}},
    {Quantity::Velocity,              "velocity",               {"m/s",   "m/s"}},
    {Quantity::Area,                  "area",                   {"cm2",   "cm²"}},
    {Quantity::Volume,                "volume",                 {"l",     "l"}},
    {Quantity::Time,                  "time",                   {"s",     "s"}},
    {Quantity::Density,               "density",                {"kg/m3", "kg/m³"}},
    {Quantity::KinematicViscosity,    "kinematic viscosity",    {"mm2/s", "mm²/s"}},
    {Quantity::Temperature,           "temperature",            {"deg C", "°C"}},
    {Quantity::TemperatureDifference, "temperature difference", {"deg C", "°C"}},
    {Quantity::Ratio,                 "ratio",                  {"",      ""}},
    {Quantity::Mass,                  "mass",                   {"kg",    "kg"}},
    {Quantity::Frequency,             "frequency",              {"Hz",    "Hz"}},
    {Quantity::HeatTransfer,          "heat transfer coefficient", {"W/(m2 K)", "W/(m²·K)"}},
    {Quantity::SpecificHeat,          "specific heat",          {"kJ/(kg K)", "kJ/(kg·K)"}},
    {Quantity::Stiffness,             "stiffness",              {"kN/mm", "kN/mm"}},
    {Quantity::Minutes,               "time in minutes",        {"min",   "min"}},
    {Quantity::SmallVolume,           "small volume",           {"cm3",   "cm³"}},
    {Quantity::LargeArea,             "large area",             {"m2",    "m²"}},
    {Quantity::Share,                 "share",                  {"%",     "%"}},
};

// The units of the other systems, with the factor to the model unit (model
// units in one of the unit). The US customary factors are the exact values
// that follow from the definitions 1 in = 25.4 mm, 1 ft = 0.3048 m,
// 1 lb = 0.45359237 kg, 1 lbf = 4.4482216152605 N, 1 gal = 231 in³ and the
// International Table Btu of 1055.05585262 J (so 1 Btu/(lb °F) is 4.1868
// kJ/(kg K) exactly); where the decimal does not end it is written to 20
// digits, so that the compiler takes the double nearest to the exact value.
// An inch is 25.4 mm: its report figures take three decimals more, to the
// thousandth of an inch a machinist measures in; a cubic inch (16 cm³) and a
// Btu/(lb °F) (4.2 kJ/(kg K)) take one more.
constexpr std::string_view kUs = kUsCustomary.name;
constexpr SystemUnitRow kSystemUnits[] = {
    // system quantity                        ascii      display    factor                   zero  decimals
    {kUs, Quantity::Pressure,               {"psi",     "psi",     0.068947572931683613367}},
    {kUs, Quantity::Flow,                   {"gpm",     "gpm",     3.785411784}},
    {kUs, Quantity::Displacement,           {"in3/rev", "in³/rev", 16.387064,               0.0,  1}},
    {kUs, Quantity::Speed,                  {"rpm",     "rpm",     1.0}},
    {kUs, Quantity::Power,                  {"hp",      "hp",      0.74569987158227022}},
    {kUs, Quantity::Torque,                 {"lbf-ft",  "lbf·ft",  0.13558179483314004}},
    {kUs, Quantity::Force,                  {"lbf",     "lbf",     0.0044482216152605}},
    {kUs, Quantity::SmallLength,            {"in",      "in",      25.4,                    0.0,  3}},
    {kUs, Quantity::Length,                 {"ft",      "ft",      0.3048}},
    {kUs, Quantity::Velocity,               {"ft/s",    "ft/s",    0.3048}},
    {kUs, Quantity::Area,                   {"in2",     "in²",     6.4516}},
    {kUs, Quantity::Volume,                 {"gal",     "gal",     3.785411784}},
    {kUs, Quantity::Time,                   {"s",       "s",       1.0}},
    {kUs, Quantity::Density,                {"lb/ft3",  "lb/ft³",  16.018463373960139580}},
    {kUs, Quantity::KinematicViscosity,     {"cSt",     "cSt",     1.0}},
    {kUs, Quantity::Temperature,            {"deg F",   "°F",      5.0 / 9.0,               32.0}},
    {kUs, Quantity::TemperatureDifference,  {"deg F",   "°F",      5.0 / 9.0}},
    {kUs, Quantity::Mass,                   {"lb",      "lb",      0.45359237}},
    {kUs, Quantity::Frequency,              {"Hz",      "Hz",      1.0}},
    {kUs, Quantity::HeatTransfer,           {"Btu/(h ft2 F)", "Btu/(h·ft²·°F)", 5.6782633411134877825}},
    {kUs, Quantity::SpecificHeat,           {"Btu/(lb F)", "Btu/(lb·°F)", 4.1868,           0.0,  1}},
    {kUs, Quantity::Stiffness,              {"lbf/in",  "lbf/in",  0.00017512683524647637795}},
    {kUs, Quantity::Minutes,                {"min",     "min",     1.0}},
    {kUs, Quantity::SmallVolume,            {"in3",     "in³",     16.387064,               0.0,  1}},
    {kUs, Quantity::LargeArea,              {"ft2",     "ft²",     0.09290304}},
    {kUs, Quantity::Share,                  {"%",       "%",       1.0}},
};
// clang-format on

}  // namespace

std::span<const QuantityRow> quantityTable() {
    return kQuantities;
}

std::span<const SystemUnitRow> systemUnitTable() {
    return kSystemUnits;
}

std::vector<UnitSystem> unitSystems() {
    std::vector<UnitSystem> systems{kMetric};
    for (const auto& row : kSystemUnits) {
        const UnitSystem system{row.system};
        if (std::find(systems.begin(), systems.end(), system) == systems.end()) {
            systems.push_back(system);
        }
    }
    return systems;
}

namespace {

const QuantityRow& rowOf(Quantity quantity) {
    const auto* row =
        std::find_if(std::begin(kQuantities), std::end(kQuantities),
                     [quantity](const QuantityRow& r) { return r.quantity == quantity; });
    if (row == std::end(kQuantities)) {
        // Only a value cast into the enumeration from outside it gets here.
        throw std::invalid_argument("Quantity " + std::to_string(static_cast<int>(quantity)) +
                                    " has no row in the quantity table");
    }
    return *row;
}

}  // namespace

std::string_view quantityName(Quantity quantity) {
    return rowOf(quantity).name;
}

const Unit& modelUnit(Quantity quantity) {
    return rowOf(quantity).model;
}

const Unit& displayUnit(Quantity quantity, UnitSystem system) {
    for (const auto& row : kSystemUnits) {
        if (row.quantity == quantity && row.system == system.name) {
            return row.unit;
        }
    }
    return modelUnit(quantity);
}

namespace {

double displayValueOf(double modelValue, const Unit& unit) {
    return unit.isIdentity() ? modelValue : modelValue / unit.factor + unit.zero;
}

// A finite value that leaves the double range in another unit is an overflow,
// not an infinity to show or to compute with.
double requireConverted(double converted, const Unit& unit) {
    if (!unit.isIdentity() && !std::isfinite(converted)) {
        requireFinite(converted);
    }
    return converted;
}

}  // namespace

double toDisplay(double modelValue, Quantity quantity, UnitSystem system) {
    const Unit& unit = displayUnit(quantity, system);
    return requireConverted(displayValueOf(modelValue, unit), unit);
}

double toModel(double displayValue, Quantity quantity, UnitSystem system) {
    const Unit& unit = displayUnit(quantity, system);
    const double modelValue =
        unit.isIdentity() ? displayValue : (displayValue - unit.zero) * unit.factor;
    return requireConverted(modelValue, unit);
}

namespace {

// A conversion that should land on a series number lands within a few units in
// the last place of it; a billionth is far above that and far below a step.
constexpr double kSeriesTolerance = 1e-9;

// The series number m x 10^exponent, as the double nearest to that decimal
// (10^-2 is no double, but 5 / 100 is the double nearest to 0.05).
double seriesNumber(double mantissa, int exponent) {
    if (exponent >= 0) {
        return mantissa * std::pow(10.0, exponent);
    }
    // 10^-exponent itself overflows below 1e-308.
    constexpr int kLargestPowerOfTen = std::numeric_limits<double>::max_exponent10;
    return exponent >= -kLargestPowerOfTen ? mantissa / std::pow(10.0, -exponent)
                                           : mantissa * std::pow(10.0, exponent);
}

// The series numbers around a positive value: 1, 2, 5 and 10 times the power
// of ten at or below it.
std::array<double, 4> seriesAround(double value) {
    int exponent = static_cast<int>(std::floor(std::log10(value)));
    // log10 may land a hair off at a power of ten; the series must start at or
    // below the value and end above it.
    if (seriesNumber(1.0, exponent) > value) {
        --exponent;
    } else if (seriesNumber(1.0, exponent + 1) <= value) {
        ++exponent;
    }
    return {seriesNumber(1.0, exponent), seriesNumber(2.0, exponent), seriesNumber(5.0, exponent),
            seriesNumber(1.0, exponent + 1)};
}

double roundUpPositive(double value) {
    for (const double candidate : seriesAround(value)) {
        if (value <= candidate * (1.0 + kSeriesTolerance)) {
            return candidate;
        }
    }
    return seriesAround(value).back();  // not reached: the last one is above the value
}

double roundDownPositive(double value) {
    const auto series = seriesAround(value);
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        if (*it <= value * (1.0 + kSeriesTolerance)) {
            return *it;
        }
    }
    return series.front();  // not reached: the first one is at or below the value
}

void requireFiniteBound(double value, const char* which) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument(std::string("The ") + which + " of a range must be a number");
    }
}

double requireSeriesNumber(double rounded, double value) {
    if (!std::isfinite(rounded)) {
        throw std::invalid_argument("The bound " + numtext::FloatToStr(value) +
                                    " has no round number within the number range");
    }
    return rounded;
}

}  // namespace

double roundUp125(double value) {
    requireFiniteBound(value, "bound");
    if (value == 0.0) {
        return 0.0;
    }
    return requireSeriesNumber(value > 0.0 ? roundUpPositive(value) : -roundDownPositive(-value),
                               value);
}

double roundDown125(double value) {
    requireFiniteBound(value, "bound");
    if (value == 0.0) {
        return 0.0;
    }
    return requireSeriesNumber(value > 0.0 ? roundDownPositive(value) : -roundUpPositive(-value),
                               value);
}

DisplayRange roundRange(Quantity quantity, UnitSystem system, double minimum, double maximum) {
    requireFiniteBound(minimum, "minimum");
    requireFiniteBound(maximum, "maximum");
    if (minimum > maximum) {
        throw std::invalid_argument("The minimum of a range must not lie above its maximum");
    }
    if (displayUnit(quantity, system).isIdentity()) {
        return {minimum, maximum};
    }
    // The range's own message rather than the conversion's overflow: a range
    // comes from a page's table, not from what the user typed.
    const auto requireFits = [&](double value) {
        if (!std::isfinite(value)) {
            throw std::invalid_argument("The range of " + std::string(quantityName(quantity)) +
                                        " is too wide to show in " +
                                        std::string(displayUnit(quantity, system).ascii));
        }
        return value;
    };
    const Unit& unit = displayUnit(quantity, system);
    return {roundDown125(requireFits(displayValueOf(minimum, unit))),
            roundUp125(requireFits(displayValueOf(maximum, unit)))};
}

}  // namespace units
