#include "model/Valve.h"

#include <cmath>

#include "model/faults.h"
#include "model/numtext.h"

namespace {

// Wide enough for a name of full capacity after its label and for any
// realistic pressure or flow, so no report line is cut.
constexpr std::size_t kReportLineBuffer = 512;

}  // namespace

Valve::Valve(double portPressure, double throughFlow, double coefficient, double constant,
             PortSide side) {
    FloatingPointWatch watch;
    typeCode = 100;
    flow = throughFlow;
    flowCoefficient = coefficient;
    constantTerm = constant;
    pressureDrop = dropFromCharacteristic();
    // Not setPortPressure: its own watch would clear the flags of the drop.
    if (side == PortSide::Intake) {
        pressureIn = portPressure;
        pressureOut = static_cast<double>(static_cast<long double>(pressureIn) - pressureDrop);
    } else {
        pressureOut = portPressure;
        pressureIn = static_cast<double>(static_cast<long double>(pressureOut) + pressureDrop);
    }
    watch.check();
    for (const double result : {pressureDrop, pressureIn, pressureOut}) {
        // The cheap test first: this runs on every construction.
        if (!std::isfinite(result)) {
            requireFinite(result);
        }
    }
}

void Valve::setName(const std::string& text) {
    assignName(text);
}

void Valve::computeDrop() {
    FloatingPointWatch watch;
    const double drop = dropFromCharacteristic();
    watch.check();
    requireFinite(drop);
    pressureDrop = drop;
}

double Valve::dropAtFlow(double otherFlow) const {
    FloatingPointWatch watch;
    const double drop = dropFromCharacteristic(otherFlow);
    watch.check();
    requireFinite(drop);
    return drop;
}

double Valve::dropFromCharacteristic(double atFlow) const {
    return static_cast<double>(static_cast<long double>(flowCoefficient) * atFlow * atFlow +
                               constantTerm);
}

void Valve::writeReport(ReportLines& lines) {
    lines.clear();
    bazna::writeReport(lines);
}

void Valve::writeReportRows(units::ReportRows& rows) const {
    using units::Quantity;
    const auto row = [&rows](const char* label, double value, Quantity quantity, const char* after,
                             bool continues = false) {
        rows.push_back({.label = label,
                        .value = value,
                        .quantity = quantity,
                        .format = {units::NumberRules::Printf, "%3.2f", after},
                        .continues = continues,
                        .lineBuffer = kReportLineBuffer});
    };
    rows.push_back(units::textRow(
        TEXT_KEY("Model", " ---------------- VALVE CALCULATION --- -------------- ")));
    // The name is the user's text: a row of its own that no unit mark is read
    // in and no translation changes.
    rows.push_back(units::textRow(TEXT_KEY("Model", "Valve type: "), true));
    rows.push_back({.label = name, .lineBuffer = kReportLineBuffer, .userText = true});
    row(TEXT_KEY("Model", "Pressure intake port: [{unit}]:  "), pressureIn, Quantity::Pressure,
        " {unit} ");
    row(TEXT_KEY("Model", "Presure drop:  "), flow, Quantity::Flow, " [{unit}]:  ", true);
    row("", pressureDrop, Quantity::Pressure, " {unit} ");
    row(TEXT_KEY("Model", "Presure out:  [{unit}]:  "), pressureOut, Quantity::Pressure,
        " {unit} ");
    if (!source.empty()) {
        // The data line as it stands in its file: the data files are metric
        // whatever the system shown. The caller's text, in its language.
        rows.push_back(units::userTextRow(" " + source));
    }
}
