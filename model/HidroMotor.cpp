#include "model/HidroMotor.h"

#include <array>

#include "model/faults.h"
#include "model/numtext.h"

namespace {

// The torque factor: M [daNm] = 1.59 x V [cm3] x p [bar] / 1000. 1.59 rounds
// 5/pi = 1.5915 (M = V p / (2 pi) in SI units) and is kept because the figures
// this calculator has always given rest on it; torque times angular speed
// therefore comes out 0.1 % below the power.
constexpr long double kTorqueFactor = 1.59L;

// The three formula operations of each mode, in the order they run: each one
// reads the results of those before it.
using Operation = void (HidroMotor::*)();
using ModeRow = std::array<Operation, 3>;

constexpr std::array<ModeRow, 14> kModeRows{{
    {&HidroMotor::displacementFromTorque, &HidroMotor::powerFromPressureAndFlow,
     &HidroMotor::speedFromFlow},
    {&HidroMotor::displacementFromTorque, &HidroMotor::flowFromPower, &HidroMotor::speedFromFlow},
    {&HidroMotor::displacementFromTorque, &HidroMotor::flowFromSpeed,
     &HidroMotor::powerFromPressureAndFlow},
    {&HidroMotor::speedFromFlow, &HidroMotor::pressureFromTorque,
     &HidroMotor::powerFromPressureAndFlow},
    {&HidroMotor::displacementFromSpeed, &HidroMotor::pressureFromTorque,
     &HidroMotor::powerFromPressureAndFlow},
    {&HidroMotor::pressureFromTorque, &HidroMotor::flowFromSpeed,
     &HidroMotor::powerFromPressureAndFlow},
    {&HidroMotor::speedFromFlow, &HidroMotor::powerFromPressureAndFlow,
     &HidroMotor::torqueFromPressure},
    {&HidroMotor::displacementFromSpeed, &HidroMotor::torqueFromPressure,
     &HidroMotor::powerFromPressureAndFlow},
    {&HidroMotor::flowFromPower, &HidroMotor::torqueFromPressure, &HidroMotor::speedFromFlow},
    {&HidroMotor::flowFromPower, &HidroMotor::displacementFromSpeed,
     &HidroMotor::torqueFromPressure},
    {&HidroMotor::flowFromSpeed, &HidroMotor::powerFromPressureAndFlow,
     &HidroMotor::torqueFromPressure},
    {&HidroMotor::speedFromFlow, &HidroMotor::pressureFromPower, &HidroMotor::torqueFromPressure},
    {&HidroMotor::displacementFromSpeed, &HidroMotor::pressureFromPower,
     &HidroMotor::torqueFromPressure},
    {&HidroMotor::flowFromSpeed, &HidroMotor::pressureFromPower, &HidroMotor::torqueFromPressure},
}};

}  // namespace

HidroMotor::HidroMotor(double A, double B, double C, double etaHm, double etaV, unsigned mode) {
    assignName("Hidro motor");

    switch (mode) {
        case 1:
            torque = A;
            pressureIn = B;
            flow = C;
            break;
        case 2:
            torque = A;
            pressureIn = B;
            power = C;
            break;
        case 3:
            torque = A;
            pressureIn = B;
            speed = truncateSpeed(C);
            break;
        case 4:
            torque = A;
            flow = B;
            displacement = C;
            break;
        case 5:
            torque = A;
            flow = B;
            speed = truncateSpeed(C);
            break;
        case 6:
            torque = A;
            displacement = B;
            speed = truncateSpeed(C);
            break;
        case 7:
            pressureIn = A;
            flow = B;
            displacement = C;
            break;
        case 8:
            pressureIn = A;
            flow = B;
            speed = truncateSpeed(C);
            break;
        case 9:
            pressureIn = A;
            power = B;
            displacement = C;
            break;
        case 10:
            pressureIn = A;
            power = B;
            speed = truncateSpeed(C);
            break;
        case 11:
            pressureIn = A;
            displacement = B;
            speed = truncateSpeed(C);
            break;
        case 12:
            flow = A;
            power = B;
            displacement = C;
            break;
        case 13:
            flow = A;
            power = B;
            speed = truncateSpeed(C);
            break;
        case 14:
            power = A;
            displacement = B;
            speed = truncateSpeed(C);
            break;
        default:
            // Every quantity stays 0; the efficiencies are not even stored.
            return;
    }

    hydromechanicalEfficiency = etaHm;
    volumetricEfficiency = etaV;
    setTotalEfficiency();
    for (const Operation operation : kModeRows[mode - 1]) {
        (this->*operation)();
    }

    // A given quantity that is itself infinite or not a number passes the
    // formulas without raising a flag; no motor may hold one.
    for (const double value : {power, displacement, torque, pressureIn, flow, volumetricEfficiency,
                               hydromechanicalEfficiency}) {
        requireFinite(value);
    }
}

// Each operation narrows its result to the field before the next one reads it,
// and raises the fault of its own formula.
//
// Which efficiency goes where: the leakage losses (volumetric) make the motor
// take more flow than it displaces, so speed and flow use etaV; the friction
// losses (hydromechanical) make the shaft give less torque than the pressure
// on the displacement does, so torque uses etaHm; the power at the shaft,
// torque times angular speed, then carries both: eta = etaV x etaHm.

void HidroMotor::setTotalEfficiency() {
    FloatingPointWatch watch;
    totalEfficiency = static_cast<double>(static_cast<long double>(volumetricEfficiency) *
                                          hydromechanicalEfficiency);
    watch.check();
    requireFinite(totalEfficiency);
}

void HidroMotor::displacementFromTorque() {
    FloatingPointWatch watch;
    displacement = static_cast<double>(static_cast<long double>(torque) * 1000.0L /
                                       (kTorqueFactor * pressureIn * hydromechanicalEfficiency));
    watch.check();
}

void HidroMotor::powerFromPressureAndFlow() {
    FloatingPointWatch watch;
    power = static_cast<double>(static_cast<long double>(pressureIn) * flow * totalEfficiency *
                                (1.0L / 600.0L));
    watch.check();
}

void HidroMotor::speedFromFlow() {
    FloatingPointWatch watch;
    speed = truncateSpeedResult(
        static_cast<long double>(flow) * volumetricEfficiency * 1000.0L / displacement, watch);
    watch.check();
}

void HidroMotor::flowFromPower() {
    FloatingPointWatch watch;
    flow = static_cast<double>(static_cast<long double>(power) * 600.0L /
                               (static_cast<long double>(pressureIn) * totalEfficiency));
    watch.check();
}

void HidroMotor::flowFromSpeed() {
    FloatingPointWatch watch;
    flow = static_cast<double>(static_cast<long double>(speed) * displacement /
                               (1000.0L * volumetricEfficiency));
    watch.check();
}

void HidroMotor::pressureFromTorque() {
    FloatingPointWatch watch;
    pressureIn = static_cast<double>(static_cast<long double>(torque) * 1000.0L /
                                     (kTorqueFactor * hydromechanicalEfficiency * displacement));
    watch.check();
}

void HidroMotor::displacementFromSpeed() {
    FloatingPointWatch watch;
    displacement = static_cast<double>(1000.0L * volumetricEfficiency * flow /
                                       static_cast<long double>(speed));
    watch.check();
}

void HidroMotor::torqueFromPressure() {
    FloatingPointWatch watch;
    torque = static_cast<double>(kTorqueFactor * displacement * pressureIn *
                                 hydromechanicalEfficiency * 0.001L);
    watch.check();
}

void HidroMotor::pressureFromPower() {
    FloatingPointWatch watch;
    pressureIn = static_cast<double>(static_cast<long double>(power) * 600.0L /
                                     (static_cast<long double>(flow) * totalEfficiency));
    watch.check();
}

void HidroMotor::writeReportRows(units::ReportRows& rows) const {
    using units::Quantity;
    const units::RowWriter row(rows, units::NumberRules::Printf);
    rows.push_back(units::textRow(
        TEXT_KEY("Model", " ==========   HYDRAULIC MOTOR CALCULATION =====================")));
    row(TEXT_KEY("Model", " Power : "), power, Quantity::Power, "%.3f", " {unit} ");
    row(TEXT_KEY("Model", " Flow  : "), flow, Quantity::Flow, "%.3f", " [{unit}] ");
    row(TEXT_KEY("Model", " Torque  : "), torque, Quantity::Torque, "%.3f", " [{unit}] ");
    row(TEXT_KEY("Model", "Pressure in: "), pressureIn, Quantity::Pressure, "%.3f", "  [{unit}] ");
    row(TEXT_KEY("Model", "Angular spped: "), speed, Quantity::Speed, "%d", "  [{unit}] ");
    row(TEXT_KEY("Model", "Displacement  je: "), displacement, Quantity::Displacement, "%3.3f",
        "  [{unit}] ");
    // The efficiencies are inputs the results above depend on.
    row(TEXT_KEY("Model", " Volumetric efficiency : "), volumetricEfficiency, Quantity::Ratio,
        "%.3f", " ");
    row(TEXT_KEY("Model", " Hydromechanical efficiency : "), hydromechanicalEfficiency,
        Quantity::Ratio, "%.3f", " ");
}
