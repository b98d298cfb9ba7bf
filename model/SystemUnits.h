#pragma once

// The units of the system calculators, written once: the pages' quantity rows
// and the reports take them from here, so that another system of units is a
// change of this table and its conversions only.
namespace sysunit {

inline constexpr const char* kPressure = "bar";         // gauge on the pages
inline constexpr const char* kVolume = "l";             // accumulator, tank, oil
inline constexpr const char* kSmallVolume = "cm3";      // dead volumes, oil compressed
inline constexpr const char* kTemperature = "\u00B0C";  // oil, gas, air
inline constexpr const char* kPower = "kW";
inline constexpr const char* kShare = "%";
inline constexpr const char* kArea = "m2";
inline constexpr const char* kHeatTransfer = "W/(m2 K)";
inline constexpr const char* kSpecificHeat = "kJ/(kg K)";
inline constexpr const char* kTime = "min";
inline constexpr const char* kLength = "mm";  // diameters, bore, rod, stroke
inline constexpr const char* kLineLength = "m";
inline constexpr const char* kFlow = "l/min";
inline constexpr const char* kVelocity = "m/s";
inline constexpr const char* kDensity = "kg/m3";
inline constexpr const char* kViscosity = "mm2/s";
inline constexpr const char* kMass = "kg";
inline constexpr const char* kFrequency = "Hz";
inline constexpr const char* kStiffness = "kN/mm";

// Gauge to absolute pressure, bar: the gas laws take absolute pressures.
inline constexpr double kAtmosphere = 1.01325;
// Celsius to kelvin.
inline constexpr double kKelvinOffset = 273.15;

}  // namespace sysunit
