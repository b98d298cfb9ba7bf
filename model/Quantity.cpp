#include "model/Quantity.h"

#include "model/TextKey.h"

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
// the unit itself: factor 1, zero 0. The spellings are keys that a language
// may write otherwise ("o/min").
// clang-format off
constexpr QuantityRow kQuantities[] = {
    // quantity                        name                       ascii    display
    {Quantity::Pressure,              "pressure",               {TEXT_KEY("Unit", "bar"), TEXT_KEY("Unit", "bar")}},
    {Quantity::Flow,                  "flow",                   {TEXT_KEY("Unit", "l/min"), TEXT_KEY("Unit", "l/min")}},
    {Quantity::Displacement,          "displacement",           {TEXT_KEY("Unit", "cm3"), TEXT_KEY("Unit", "cm³")}},
    {Quantity::Speed,                 "speed",                  {TEXT_KEY("Unit", "rpm"), TEXT_KEY("Unit", "rpm")}},
    {Quantity::Power,                 "power",                  {TEXT_KEY("Unit", "kW"), TEXT_KEY("Unit", "kW")}},
    {Quantity::Torque,                "torque",                 {TEXT_KEY("Unit", "daNm"), TEXT_KEY("Unit", "daNm")}},
    {Quantity::Force,                 "force",                  {TEXT_KEY("Unit", "kN"), TEXT_KEY("Unit", "kN")}},
    {Quantity::SmallLength,           "small length",           {TEXT_KEY("Unit", "mm"), TEXT_KEY("Unit", "mm")}},
    {Quantity::Length,                "length",                 {TEXT_KEY("Unit", "m"), TEXT_KEY("Unit", "m")}},
    {Quantity::Velocity,              "velocity",               {TEXT_KEY("Unit", "m/s"), TEXT_KEY("Unit", "m/s")}},
    {Quantity::Area,                  "area",                   {TEXT_KEY("Unit", "cm2"), TEXT_KEY("Unit", "cm²")}},
    {Quantity::Volume,                "volume",                 {TEXT_KEY("Unit", "l"), TEXT_KEY("Unit", "l")}},
    {Quantity::Time,                  "time",                   {TEXT_KEY("Unit", "s"), TEXT_KEY("Unit", "s")}},
    {Quantity::Density,               "density",                {TEXT_KEY("Unit", "kg/m3"), TEXT_KEY("Unit", "kg/m³")}},
    {Quantity::KinematicViscosity,    "kinematic viscosity",    {TEXT_KEY("Unit", "mm2/s"), TEXT_KEY("Unit", "mm²/s")}},
    {Quantity::Temperature,           "temperature",            {TEXT_KEY("Unit", "deg C"), TEXT_KEY("Unit", "°C")}},
    {Quantity::TemperatureDifference, "temperature difference", {TEXT_KEY("Unit", "deg C"), TEXT_KEY("Unit", "°C")}},
    {Quantity::Ratio,                 "ratio",                  {"", ""}},
    {Quantity::Mass,                  "mass",                   {TEXT_KEY("Unit", "kg"), TEXT_KEY("Unit", "kg")}},
    {Quantity::Frequency,             "frequency",              {TEXT_KEY("Unit", "Hz"), TEXT_KEY("Unit", "Hz")}},
    {Quantity::HeatTransfer,          "heat transfer coefficient", {TEXT_KEY("Unit", "W/(m2 K)"), TEXT_KEY("Unit", "W/(m²·K)")}},
    {Quantity::SpecificHeat,          "specific heat",          {TEXT_KEY("Unit", "kJ/(kg K)"), TEXT_KEY("Unit", "kJ/(kg·K)")}},
    {Quantity::Stiffness,             "stiffness",              {TEXT_KEY("Unit", "kN/mm"), TEXT_KEY("Unit", "kN/mm")}},
    {Quantity::Minutes,               "time in minutes",        {TEXT_KEY("Unit", "min"), TEXT_KEY("Unit", "min")}},
    {Quantity::SmallVolume,           "small volume",           {TEXT_KEY("Unit", "cm3"), TEXT_KEY("Unit", "cm³")}},
    {Quantity::LargeArea,             "large area",             {TEXT_KEY("Unit", "m2"), TEXT_KEY("Unit", "m²")}},
    {Quantity::Share,                 "share",                  {TEXT_KEY("Unit", "%"), TEXT_KEY("Unit", "%")}},
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
    {kUs, Quantity::Pressure,               {TEXT_KEY("Unit", "psi"), TEXT_KEY("Unit", "psi"),     0.068947572931683613367}},
    {kUs, Quantity::Flow,                   {TEXT_KEY("Unit", "gpm"), TEXT_KEY("Unit", "gpm"),     3.785411784}},
    {kUs, Quantity::Displacement,           {TEXT_KEY("Unit", "in3/rev"), TEXT_KEY("Unit", "in³/rev"), 16.387064,               0.0,  1}},
    {kUs, Quantity::Speed,                  {TEXT_KEY("Unit", "rpm"), TEXT_KEY("Unit", "rpm"),     1.0}},
    {kUs, Quantity::Power,                  {TEXT_KEY("Unit", "hp"), TEXT_KEY("Unit", "hp"),      0.74569987158227022}},
    {kUs, Quantity::Torque,                 {TEXT_KEY("Unit", "lbf-ft"), TEXT_KEY("Unit", "lbf·ft"),  0.13558179483314004}},
    {kUs, Quantity::Force,                  {TEXT_KEY("Unit", "lbf"), TEXT_KEY("Unit", "lbf"),     0.0044482216152605}},
    {kUs, Quantity::SmallLength,            {TEXT_KEY("Unit", "in"), TEXT_KEY("Unit", "in"),      25.4,                    0.0,  3}},
    {kUs, Quantity::Length,                 {TEXT_KEY("Unit", "ft"), TEXT_KEY("Unit", "ft"),      0.3048}},
    {kUs, Quantity::Velocity,               {TEXT_KEY("Unit", "ft/s"), TEXT_KEY("Unit", "ft/s"),    0.3048}},
    {kUs, Quantity::Area,                   {TEXT_KEY("Unit", "in2"), TEXT_KEY("Unit", "in²"),     6.4516}},
    {kUs, Quantity::Volume,                 {TEXT_KEY("Unit", "gal"), TEXT_KEY("Unit", "gal"),     3.785411784}},
    {kUs, Quantity::Time,                   {TEXT_KEY("Unit", "s"), TEXT_KEY("Unit", "s"),       1.0}},
    {kUs, Quantity::Density,                {TEXT_KEY("Unit", "lb/ft3"), TEXT_KEY("Unit", "lb/ft³"),  16.018463373960139580}},
    {kUs, Quantity::KinematicViscosity,     {TEXT_KEY("Unit", "cSt"), TEXT_KEY("Unit", "cSt"),     1.0}},
    {kUs, Quantity::Temperature,            {TEXT_KEY("Unit", "deg F"), TEXT_KEY("Unit", "°F"),      5.0 / 9.0,               32.0}},
    {kUs, Quantity::TemperatureDifference,  {TEXT_KEY("Unit", "deg F"), TEXT_KEY("Unit", "°F"),      5.0 / 9.0}},
    {kUs, Quantity::Mass,                   {TEXT_KEY("Unit", "lb"), TEXT_KEY("Unit", "lb"),      0.45359237}},
    {kUs, Quantity::Frequency,              {TEXT_KEY("Unit", "Hz"), TEXT_KEY("Unit", "Hz"),      1.0}},
    {kUs, Quantity::HeatTransfer,           {TEXT_KEY("Unit", "Btu/(h ft2 F)"), TEXT_KEY("Unit", "Btu/(h·ft²·°F)"), 5.6782633411134877825}},
    {kUs, Quantity::SpecificHeat,           {TEXT_KEY("Unit", "Btu/(lb F)"), TEXT_KEY("Unit", "Btu/(lb·°F)"), 4.1868,           0.0,  1}},
    {kUs, Quantity::Stiffness,              {TEXT_KEY("Unit", "lbf/in"), TEXT_KEY("Unit", "lbf/in"),  0.00017512683524647637795}},
    {kUs, Quantity::Minutes,                {TEXT_KEY("Unit", "min"), TEXT_KEY("Unit", "min"),     1.0}},
    {kUs, Quantity::SmallVolume,            {TEXT_KEY("Unit", "in3"), TEXT_KEY("Unit", "in³"),     16.387064,               0.0,  1}},
    {kUs, Quantity::LargeArea,              {TEXT_KEY("Unit", "ft2"), TEXT_KEY("Unit", "ft²"),     0.09290304}},
    {kUs, Quantity::Share,                  {TEXT_KEY("Unit", "%"), TEXT_KEY("Unit", "%"),       1.0}},
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
