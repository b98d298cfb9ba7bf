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
    using numtext::cformat;
    lines.clear();
    lines.push_back(" ---------------- VALVE CALCULATION --- -------------- ");
    lines.push_back(cformat(kReportLineBuffer, "Valve type: %s", name.c_str()));
    lines.push_back(
        cformat(kReportLineBuffer, "Pressure intake port: [bar]:  %3.2f bar ", pressureIn));
    lines.push_back(cformat(kReportLineBuffer, "Presure drop:  %3.2f [l/min]:  %3.2f bar ", flow,
                            pressureDrop));
    lines.push_back(cformat(kReportLineBuffer, "Presure out:  [bar]:  %3.2f bar ", pressureOut));
    if (!source.empty()) {
        // The user's text: never part of a format.
        lines.push_back(" " + source);
    }
}
