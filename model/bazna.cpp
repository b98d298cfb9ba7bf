#include "model/bazna.h"

#include "model/faults.h"

bazna::bazna() = default;

void bazna::computePressureDrop() {
    FloatingPointWatch watch;
    pressureDrop = static_cast<double>(static_cast<long double>(pressureIn) - pressureOut);
    watch.check();
}

void bazna::writeReport(ReportLines& lines) {
    units::ReportRows rows;
    writeReportRows(rows);
    units::appendRows(lines, rows, units::kMetric);
}

void bazna::writeReportRows(units::ReportRows& /*rows*/) const {}

void bazna::setPortPressure(double pressure, PortSide side) {
    // Both ports change together or not at all: an element left with one
    // infinite port after a fault would poison whatever reads it next.
    FloatingPointWatch watch;
    const bool intake = side == PortSide::Intake;
    const auto other =
        static_cast<double>(intake ? static_cast<long double>(pressure) - pressureDrop
                                   : static_cast<long double>(pressure) + pressureDrop);
    watch.check();
    requireFinite(other);
    requireFinite(pressure);
    if (intake) {
        pressureIn = pressure;
        pressureOut = other;
    } else {
        pressureOut = pressure;
        pressureIn = other;
    }
}

void bazna::assignName(const std::string& text) {
    name = text.substr(0, kNameCapacity);
}
