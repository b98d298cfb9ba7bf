#pragma once

#include <string>
#include <vector>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

// A gas-loaded (nitrogen) accumulator between a minimum and a maximum working
// pressure: its size for a useful volume, or the useful volume of a size.
//
// The gas follows p V^n = const with absolute pressures:
//   V1 = V0 (p0/p1)^(1/n),  V2 = V0 (p0/p2)^(1/n),  dV = V1 - V2,
// so V0 = dV / ((p0/p1)^(1/n) - (p0/p2)^(1/n)). The precharge p0 is given
// at 20 °C; at the working gas temperature it is p0 T / 293.15 K.

enum class GasProcess { Isothermal, Adiabatic, Polytropic };
enum class AccumulatorSolve { SizeForUsefulVolume, UsefulVolumeOfSize };

// The exponent n of a process; a polytropic one is the user's.
double gasExponent(GasProcess process, double polytropic);

struct AccumulatorInputs {
    double precharge = 0.0;        // p0, bar gauge, at kPrechargeCelsius
    double minimumPressure = 0.0;  // p1, bar gauge
    double maximumPressure = 0.0;  // p2, bar gauge
    GasProcess process = GasProcess::Isothermal;
    double exponent = 1.0;  // n of a polytropic process (the others have their own)
    AccumulatorSolve solve = AccumulatorSolve::SizeForUsefulVolume;
    double usefulVolume = 0.0;     // dV, l, given when sizing
    double size = 0.0;             // V0, l, given for the useful volume
    double gasTemperature = 20.0;  // working gas temperature, °C
};

struct AccumulatorResult {
    double exponent = 1.0;          // n used
    double workingPrecharge = 0.0;  // p0 at the working temperature, bar gauge
    double size = 0.0;              // V0, l
    double usefulVolume = 0.0;      // dV, l
    double volumeAtMinimum = 0.0;   // V1, l
    double volumeAtMaximum = 0.0;   // V2, l
    double pressureRatio = 0.0;     // p2/p0, absolute, at the working temperature
    // Empty while the design keeps within the rules; each a model text (a key).
    std::vector<std::string> advice;
};

inline constexpr double kPrechargeCelsius = 20.0;
// The usual rules of a bladder accumulator.
inline constexpr double kPrechargeShareOfMinimum = 0.9;
inline constexpr double kBladderPressureRatio = 4.0;
// A polytropic exponent of nitrogen lies between the isothermal 1 and a little
// above the ideal gas's adiabatic 1.4 at high pressure.
inline constexpr double kMinExponent = 1.0;
inline constexpr double kMaxExponent = 2.0;

// Throws InputError for inputs it cannot use (p1 not above p0, p2 not above
// p1, zero or negative volumes and pressures, an exponent outside [1, 2], a
// temperature at or below absolute zero), FloatingPointFault for a fault of
// a formula.
AccumulatorResult computeAccumulator(const AccumulatorInputs& in);

// The report as rows, and its lines in the metric system.
units::ReportRows accumulatorReportRows(const AccumulatorInputs& in, const AccumulatorResult& out);
ReportLines accumulatorReport(const AccumulatorInputs& in, const AccumulatorResult& out);
