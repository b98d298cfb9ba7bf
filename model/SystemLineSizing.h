#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

// Sizing a line for a flow: the inner diameter that carries the flow at the
// design velocity of the line's kind, the next hose of the dash series, and
// that hose's velocity and pressure drop by the hose element.

enum class LineKind { Suction, Return, Pressure };

// The usual velocities of a kind, m/s, and the one a design starts from.
struct LineKindVelocities {
    const char* name;  // a model text: "Suction", "Return", "Pressure"
    double lowest;
    double highest;
    double design;
};
const LineKindVelocities& lineKindVelocities(LineKind kind);

struct HoseSize {
    const char* dash;  // "-10"
    double diameter;   // inner diameter, mm
};
// The dash series, smallest first.
const std::array<HoseSize, 10>& hoseSeries();
// The smallest hose of the series whose inner diameter is at least the
// diameter; nothing above the largest.
std::optional<HoseSize> nextHoseSize(double diameter);

struct LineSizingInputs {
    double flow = 0.0;  // l/min
    LineKind kind = LineKind::Pressure;
    double velocity = 0.0;   // design velocity, m/s
    double length = 0.0;     // m
    double density = 0.0;    // kg/m3
    double viscosity = 0.0;  // mm2/s
};

struct LineSizingResult {
    double diameter = 0.0;  // mm, for the design velocity
    std::optional<HoseSize> hose;
    // Of the hose, by the hose element; 0 without a hose.
    double hoseVelocity = 0.0;  // m/s
    double hoseDrop = 0.0;      // bar
    double reynolds = 0.0;
    std::string flowType;
};

// Throws InputError for a zero or negative flow, velocity, length, density or
// viscosity; FloatingPointFault for a fault of a formula.
LineSizingResult sizeLine(const LineSizingInputs& in);

// The report as rows, and its lines in the metric system.
units::ReportRows lineSizingReportRows(const LineSizingInputs& in, const LineSizingResult& out);
ReportLines lineSizingReport(const LineSizingInputs& in, const LineSizingResult& out);
