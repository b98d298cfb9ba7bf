#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "circuit/CircuitArithmetic.h"
#include "model/CylinderFlow.h"
#include "model/numtext.h"
#include "ui/FieldAccess.h"

// What one page reads of another: numbers, read from its fields by the page
// that owns them. The main window wires the pages together with these; no
// page looks up another page's controls.
//
// The pump page's mode-1 inputs and efficiencies travel as PumpInputs
// (circuit/CircuitArithmetic.h), the circuit's own.

// The cylinder the cylinder page defines.
struct CylinderDefinition {
    CylinderKind kind = CylinderKind::SingleActing;
    std::optional<double> pistonDiameter;  // D1, mm; nothing while its field is blank
    std::optional<double> rodDiameter;     // D2, mm; nothing while its field is blank
    double efficiency = 1.0;
    LoadDirection direction = LoadDirection::Push;  // the one load direction of the page
    std::optional<double> stroke;                   // mm; nothing while its field is blank
};

// The line page's line, for a take-over by the circuit.
struct LineTakeOver {
    double drop = 0.0;      // bar, of the last calculation
    double diameter = 0.0;  // mm, of the same calculation
    double length = 0.0;    // m, of the same calculation
    int tubeType = 0;       // item of the tube-type list, from 0
};

// A hose the line sizing chose, for the line page.
struct LineSizeTakeOver {
    double diameter = 0.0;  // inner diameter, mm
    double length = 0.0;    // m
    double flow = 0.0;      // l/min
};

// The valve whose drop the valve page shows, for a take-over by the circuit.
struct ValveTakeOver {
    double drop = 0.0;  // bar
    QString name;
    double constantTerm = 0.0;     // p0, bar
    double flowCoefficient = 0.0;  // k, bar/(l/min)^2
    // The largest flow of its data line, l/min (nothing for a valve of the
    // user's own): the circuit warns when it runs the valve above it.
    std::optional<double> largestFlow;
};

// The pump flow in l/min: nothing while the pump page's flow field is blank.
// A field that holds no number throws ConversionError, as every field read does.
using PumpFlowSource = std::function<std::optional<double>()>;

// A number taken over from another page is shown as that page shows it, so
// the user sees the same text on both.
inline QString shownFlow(double flow) {
    return formatText("%2.2f", flow);  // the pump page's flow field
}
inline QString shownDrop(double drop) {
    return formatText("%2.2f", drop);  // the drop labels of the line and valve pages
}
inline QString shownDiameter(double diameter) {
    return QString::fromStdString(numtext::FloatToStr(diameter));  // the cylinder's results
}
