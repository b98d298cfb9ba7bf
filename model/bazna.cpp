#include "model/bazna.h"

#include "model/faults.h"

bazna::bazna() = default;

void bazna::computePressureDrop() {
    FloatingPointWatch watch;
    pressureDrop = static_cast<double>(static_cast<long double>(pressureIn) - pressureOut);
    watch.check();
}

void bazna::writeReport(ReportLines& /*lines*/) {}

void bazna::setPortPressure(double pressure, PortSide side) {
    FloatingPointWatch watch;
    if (side == PortSide::Intake) {
        pressureIn = pressure;
        pressureOut = static_cast<double>(static_cast<long double>(pressure) - pressureDrop);
    } else {
        pressureOut = pressure;
        pressureIn = static_cast<double>(static_cast<long double>(pressure) + pressureDrop);
    }
    watch.check();
}

void bazna::assignName(const std::string& text) {
    name = text.substr(0, kNameCapacity);
}
