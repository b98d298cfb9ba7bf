#pragma once

#include <QString>
#include <optional>

// What one page reads of another. The main window wires the pages together
// with these; no page looks up another page's controls.

// The pump page's mode-1 inputs and efficiencies, as the fields show them.
struct PumpTexts {
    QString power;
    QString pressure;
    QString displacement;
    QString volumetricEfficiency;
    QString hydromechanicalEfficiency;
};

// The cylinder the cylinder page defines, as its controls show it.
struct CylinderDefinition {
    bool doubleActing = false;
    QString pistonDiameter;  // mm, D1
    QString rodDiameter;     // mm, D2
    QString efficiency;      // the efficiency label's text
    bool pull = false;       // the one load direction of the page
};

// The line page's last line, for a take-over by the circuit.
struct LineTakeOver {
    QString drop;      // the drop label's text, bar
    QString diameter;  // the diameter field's text, mm
    QString length;    // the length field's text, m
    int tubeType = 0;  // item of the tube-type list, from 0
};

// The valve whose drop the valve page shows, for a take-over by the circuit.
struct ValveTakeOver {
    QString drop;  // the drop label's text, bar
    QString name;
    QString constantTerm;     // p0, bar
    QString flowCoefficient;  // k, bar/(l/min)^2
};
