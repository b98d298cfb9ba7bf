#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/TextKey.h"

// Working fluids by grade: the density and kinematic viscosity of a hydraulic
// fluid at a working temperature, from two viscosities and one density of a
// typical data sheet. The working-fluid panel writes the results into its
// density and viscosity fields; the line calculations read only those fields.

// A temperature outside the range in which a fluid's figures hold.
class FluidRangeError : public std::runtime_error, public KeyedMessage {
  public:
    using std::runtime_error::runtime_error;
    explicit FluidRangeError(KeyedText text)
        : std::runtime_error(text.filled()), KeyedMessage(std::move(text)) {}
};

// The temperatures the viscosity relation is used over, in °C. Beyond them the
// two reference points at 40 and 100 °C would be extrapolated too far to trust
// (below -20 °C most mineral oils approach their pour point).
inline constexpr double kFluidMinCelsius = -20.0;
inline constexpr double kFluidMaxCelsius = 120.0;

// The panel's name for figures typed in by hand; no table item bears it. A
// model text: the panel shows it translated and knows it by its place.
inline constexpr std::string_view kUserDefinedFluid = TEXT_KEY("Model", "User defined");

struct FluidGrade {
    std::string name;
    double viscosity40 = 0.0;   // mm2/s at 40 °C
    double viscosity100 = 0.0;  // mm2/s at 100 °C
    double density15 = 0.0;     // kg/m3 at 15 °C
    double expansion = 0.0;     // volumetric thermal expansion, 1/K
    // The temperatures, in °C, the figures hold for: the relation's range, or
    // less where the fluid itself sets a limit (water in a water glycol).
    double minCelsius = kFluidMinCelsius;
    double maxCelsius = kFluidMaxCelsius;
};

struct FluidState {
    double density = 0.0;    // kg/m3
    double viscosity = 0.0;  // mm2/s
};

// The fluids the panel offers, "DHV 32" first; names are unique.
const std::vector<FluidGrade>& fluidTable();

// The table item of that exact name, or nullptr (e.g. for "User defined").
const FluidGrade* findFluid(std::string_view name);

// Density and viscosity of the fluid at the temperature. Throws
// FluidRangeError outside the fluid's range, std::invalid_argument for figures
// the relations cannot use (see waltherViscosity; density15 must be positive
// and expansion within 0 to 0.002 1/K).
FluidState fluidAt(const FluidGrade& fluid, double celsius);

// Kinematic viscosity in mm2/s by the Walther relation (ASTM D341)
//   log10 log10(nu + 0.7) = A - B log10 T,   T in kelvin,
// with A and B fitted through nu40 at 40 °C and nu100 at 100 °C.
// Throws FluidRangeError outside kFluidMinCelsius..kFluidMaxCelsius and
// std::invalid_argument unless 1 <= nu100 < nu40 <= 10000 mm2/s; within those
// bounds the result is finite and positive.
double waltherViscosity(double nu40, double nu100, double celsius);
