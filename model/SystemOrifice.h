#pragma once

#include "model/ReportLines.h"
#include "model/ReportRow.h"

// A sharp-edged orifice: Q = alpha A sqrt(2 dp / rho), A = pi d^2 / 4.
// Two of flow, diameter and pressure drop give the third.

enum class OrificeUnknown { Flow, Diameter, PressureDrop };

struct OrificeInputs {
    OrificeUnknown unknown = OrificeUnknown::Flow;
    double diameter = 0.0;      // d, mm
    double pressureDrop = 0.0;  // dp, bar
    double flow = 0.0;          // Q, l/min
    double discharge = 0.62;    // alpha, the discharge coefficient
    double density = 870.0;     // rho, kg/m3
};

struct OrificeResult {
    double diameter = 0.0;      // mm
    double pressureDrop = 0.0;  // bar
    double flow = 0.0;          // l/min
    // sqrt(2 dp / rho), m/s: the jet's speed in the vena contracta.
    double jetVelocity = 0.0;
};

inline constexpr double kSharpEdgedDischarge = 0.62;

// Throws InputError for a zero or negative given value or density, or a
// discharge coefficient outside (0, 1]; the unknown's input is not read.
// FloatingPointFault for a fault of a formula.
OrificeResult computeOrifice(const OrificeInputs& in);

// The report as rows, and its lines in the metric system.
units::ReportRows orificeReportRows(const OrificeInputs& in, const OrificeResult& out);
ReportLines orificeReport(const OrificeInputs& in, const OrificeResult& out);
