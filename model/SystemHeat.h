#pragma once

#include <optional>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

// The heat balance of a tank: the oil takes the power lost in the circuit
// and gives it off through the tank's surface to the air around,
//   m c dT/dt = P - k A (T - Ta),
// so from the ambient temperature T(t) = Ta + P/(k A) (1 - exp(-t/tau)),
// tau = m c / (k A). The tank's steel is left out of the heat capacity: the
// oil warms faster than in the real tank, which is on the safe side.

struct HeatInputs {
    double powerLost = 0.0;      // P, kW, while working
    double duty = 100.0;         // share of the time the circuit works, %
    double tankVolume = 0.0;     // oil in the tank, l
    double tankArea = 0.0;       // A, m2, the surface that gives off heat
    double transfer = 12.0;      // k, W/(m2 K)
    double ambient = 20.0;       // Ta, °C
    double highestOil = 60.0;    // Tmax, °C
    double density = 870.0;      // kg/m3
    double specificHeat = 1.88;  // c, kJ/(kg K)
};

struct HeatResult {
    double meanPower = 0.0;               // P times the duty, kW
    double steadyTemperature = 0.0;       // °C
    double timeConstant = 0.0;            // tau, min
    std::optional<double> timeToHighest;  // min from ambient to Tmax; nothing: not reached
    double coolerPower = 0.0;             // kW to hold Tmax; 0 when not needed
};

inline constexpr double kMineralOilSpecificHeat = 1.88;  // kJ/(kg K)
inline constexpr double kStillAirTransfer = 12.0;        // W/(m2 K)

// The surface of a usual rectangular tank of the volume (l): A = 0.065 V^(2/3) m2.
double tankSurfaceArea(double litres);

// Throws InputError for a zero or negative power, volume, area, coefficient,
// density or specific heat, a duty outside (0, 100], a Tmax not above the
// ambient, a temperature at or below absolute zero; FloatingPointFault for a
// fault of a formula.
HeatResult computeHeatBalance(const HeatInputs& in);

// The oil's temperature (°C) after the minutes, from the ambient temperature.
double oilTemperatureAt(const HeatInputs& in, const HeatResult& out, double minutes);

// The report as rows, and its lines in the metric system.
units::ReportRows heatReportRows(const HeatInputs& in, const HeatResult& out);
ReportLines heatReport(const HeatInputs& in, const HeatResult& out);
