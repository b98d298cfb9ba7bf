#pragma once

#include <span>
#include <string_view>
#include <vector>

// The physical quantities of the calculator and the units they are shown in.
// The elements compute in one set of units (the model units: bar, l/min, ...);
// a unit system only changes what the user reads and types. Every quantity,
// every unit and every factor lives in the two tables of Quantity.cpp, so a
// new unit system or another unit for a quantity is one edit there.
namespace units {

enum class Quantity {
    Pressure,
    Flow,
    Displacement,
    Speed,  // of a shaft
    Power,
    Torque,
    Force,
    SmallLength,  // diameters, stroke, wall roughness
    Length,       // of a line
    Velocity,     // of a piston or of the fluid in a line
    Area,
    Volume,
    Time,
    Density,
    KinematicViscosity,
    Temperature,
    TemperatureDifference,  // a span of temperature: converts without the offset
    Ratio,                  // efficiencies, safety factors, Reynolds number: no unit
    Mass,
    Frequency,
    HeatTransfer,  // heat transfer coefficient of a wall
    SpecificHeat,
    Stiffness,    // of an oil column
    Minutes,      // time spans of minutes: heating up, cooling down
    SmallVolume,  // dead volumes, oil taken by compression
    LargeArea,    // surfaces of tanks
    Share,        // a part of a whole in per cent
};

// A unit of a quantity. A value in this unit converts to the model unit as
//   model = (value - zero) x factor,
// so factor is how many model units one of this unit is (1 psi = 0.0689... bar)
// and zero is this unit's reading at the model unit's zero (32 for °F against
// °C, 0 for every unit that is a plain multiple).
struct Unit {
    std::string_view ascii;    // as report lines write it: "cm3", "mm2/s"
    std::string_view display;  // as captions and fields show it: "cm³", "mm²/s"
    double factor = 1.0;
    double zero = 0.0;
    // A report figure in this unit takes this many more decimals than in the
    // model unit: a unit far larger than the model's would otherwise lose the
    // figure's precision (a diameter of whole millimetres is no diameter in
    // whole inches).
    int extraDecimals = 0;

    // A unit that shows the model's numbers unchanged.
    bool isIdentity() const { return factor == 1.0 && zero == 0.0; }
};

// A quantity with its name and the unit the elements compute it in.
struct QuantityRow {
    Quantity quantity;
    std::string_view name;
    Unit model;
};

// One quantity's unit in a unit system other than the model's own. A system
// that has no row for a quantity shows that quantity in the model unit.
struct SystemUnitRow {
    std::string_view system;
    Quantity quantity;
    Unit unit;
};

// A unit system, known by its name: the metric system (the model units) or one
// named in the system table.
struct UnitSystem {
    std::string_view name;
    friend bool operator==(const UnitSystem&, const UnitSystem&) = default;
};

inline constexpr UnitSystem kMetric{"Metric"};
inline constexpr UnitSystem kUsCustomary{"US customary"};

// Gauge to absolute pressure, bar: the gas laws take absolute pressures.
inline constexpr double kAtmosphere = 1.01325;
// Celsius to kelvin.
inline constexpr double kKelvinOffset = 273.15;

// The tables themselves, for whoever lists quantities or units.
std::span<const QuantityRow> quantityTable();
std::span<const SystemUnitRow> systemUnitTable();

// The metric system first, then every system of the system table in the order
// of its first row.
std::vector<UnitSystem> unitSystems();

// "pressure", "kinematic viscosity", ...
std::string_view quantityName(Quantity quantity);
// The unit the elements compute the quantity in.
const Unit& modelUnit(Quantity quantity);
// The unit the system shows the quantity in (the model unit when the system
// does not name one, or the system is unknown).
const Unit& displayUnit(Quantity quantity, UnitSystem system);

// A value in the model unit to the system's unit, and back. A value that a
// conversion takes beyond the double range (1e308 lb/ft³ in kg/m³) throws
// FloatingPointFault, as an overflow in a formula does; the model's own units
// pass every value through unchanged.
double toDisplay(double modelValue, Quantity quantity, UnitSystem system);
double toModel(double displayValue, Quantity quantity, UnitSystem system);

// A slider's range in the system's unit.
struct DisplayRange {
    double minimum = 0.0;
    double maximum = 0.0;
};

// A range given in the model unit, in the system's unit: the converted maximum
// rounded up and the converted minimum rounded down to the 1-2-5 series
// (..., 0.5, 1, 2, 5, 10, 20, ...), zero staying zero, so that 0 to 300 bar
// becomes 0 to 5000 psi rather than 0 to 4351.13. A unit that shows the model's
// numbers keeps the range as it is. A bound that is not finite, before or after
// the conversion or the rounding, or a minimum above the maximum throws
// std::invalid_argument.
DisplayRange roundRange(Quantity quantity, UnitSystem system, double minimum, double maximum);

// The 1-2-5 rounding itself: the nearest number of the series at or above
// (roundUp125) or at or below (roundDown125) the value; below zero the series
// is mirrored (roundUp125(-4351) is -2000). A value within a billionth of a
// series number is taken as that number, so that conversion noise does not
// cost a whole step. A value that is not finite, or whose series number lies
// beyond the double range, throws std::invalid_argument.
double roundUp125(double value);
double roundDown125(double value);

}  // namespace units
