#include "model/klip.h"

#include <utility>

#include "model/faults.h"
#include "model/numtext.h"

namespace {

// Area of a circle in cm2 from a squared diameter in mm2: the cylinders use
// pi as 3.14, and 0.0025 is the quarter of the mm2-to-cm2 factor 0.01.
constexpr long double kPi = 3.14L;
constexpr long double kQuarterMm2ToCm2 = 0.0025L;
// bar times cm2 is daN; times 0.01 it is kN.
constexpr long double kBarCm2ToKn = 0.01L;
constexpr long double kKnToBarCm2 = 100.0L;
// l/min through cm2 is 1/6 m/s.
constexpr long double kSixth = 1.0L / 6.0L;
constexpr long double kSix = 6.0L;

// The single-acting report is formatted into a fixed line buffer; a longer
// line is cut.
constexpr std::size_t kSingleReportLineBuffer = 80;

// A given quantity that is itself infinite or not a number passes the formulas
// without raising a flag; no cylinder may hold one.
void requireFiniteCylinder(const klipJednostrani& c) {
    for (const double value :
         {c.pressureIn, c.pressureOut, c.pistonDiameter, c.rodDiameter, c.strokeSpeed, c.pistonArea,
          c.rodSideArea, c.efficiency, c.force, c.inletFlow, c.outletFlow}) {
        requireFinite(value);
    }
}

}  // namespace

klip::klip() {
    typeCode = 200;
}

klipJednostrani::klipJednostrani() {
    typeCode = 201;
    assignName("Single action hydro cylinder ");
}

bool klipJednostrani::storeGiven(double first, double second, double third, double fourth,
                                 double outletPressure, double efficiency, unsigned mode) {
    this->efficiency = efficiency;
    pressureOut = outletPressure;
    switch (mode) {
        case 1:
            pressureIn = first;
            inletFlow = second;
            break;
        case 2:
            force = first;
            inletFlow = second;
            break;
        case 3:
            pressureIn = first;
            strokeSpeed = second;
            break;
        case 4:
            force = first;
            strokeSpeed = second;
            break;
        default:
            // Stroke speed and areas stay unset (0).
            pressureIn = force = pistonDiameter = rodDiameter = 1.0;
            inletFlow = outletFlow = 1.0;
            requireFiniteCylinder(*this);
            return false;
    }
    pistonDiameter = third;
    rodDiameter = fourth;
    return true;
}

klipJednostrani::klipJednostrani(double first, double second, double third, double fourth,
                                 double outletPressure, double efficiency, bool pullDirection,
                                 unsigned mode)
    : klipJednostrani() {
    if (!storeGiven(first, second, third, fourth, outletPressure, efficiency, mode)) {
        return;
    }
    computeAreas();
    switch (mode) {
        case 1:
            computeForce(pullDirection);
            computeSpeed(pullDirection);
            computeFlows(pullDirection);
            break;
        case 2:
            computePressure(pullDirection);
            computeSpeed(pullDirection);
            computeFlows(pullDirection);
            break;
        case 3:
            computeFlows(pullDirection);
            computeForce(pullDirection);
            break;
        case 4:
            computeFlows(pullDirection);
            computePressure(pullDirection);
            break;
    }
    requireFiniteCylinder(*this);
}

// Each step narrows its results to the fields before the next step reads them
// and raises the fault of its own formulas.

void klipJednostrani::computeAreas() {
    FloatingPointWatch watch;
    const long double D = pistonDiameter;
    const long double d = rodDiameter;
    pistonArea = static_cast<double>(D * D * kPi * kQuarterMm2ToCm2);
    rodSideArea = static_cast<double>((D * D - d * d) * kPi * kQuarterMm2ToCm2);
    watch.check();
}

// Under a pull load the annulus is the pressurised side and the piston side
// returns oil; under a push load it is the other way round. Seal friction
// takes its share of the hydraulic force: the rod delivers efficiency times
// it, and a given rod force needs the hydraulic force divided by it.
void klipJednostrani::computeForce(bool pull) {
    FloatingPointWatch watch;
    const long double pressurised = pull ? rodSideArea : pistonArea;
    const long double returning = pull ? pistonArea : rodSideArea;
    force = static_cast<double>(static_cast<long double>(efficiency) *
                                (static_cast<long double>(pressureIn) * pressurised -
                                 static_cast<long double>(pressureOut) * returning) *
                                kBarCm2ToKn);
    watch.check();
}

void klipJednostrani::computePressure(bool pull) {
    FloatingPointWatch watch;
    const long double pressurised = pull ? rodSideArea : pistonArea;
    const long double returning = pull ? pistonArea : rodSideArea;
    pressureIn = static_cast<double>(
        (static_cast<long double>(force) * kKnToBarCm2 / efficiency + pressureOut * returning) /
        pressurised);
    watch.check();
}

void klipJednostrani::computeSpeed(bool pull) {
    FloatingPointWatch watch;
    const long double pressurised = pull ? rodSideArea : pistonArea;
    strokeSpeed = static_cast<double>(static_cast<long double>(inletFlow) / pressurised * kSixth);
    watch.check();
}

void klipJednostrani::computeFlows(bool pull) {
    FloatingPointWatch watch;
    inletFlow = static_cast<double>(static_cast<long double>(strokeSpeed) * pistonArea * kSix);
    outletFlow = static_cast<double>(static_cast<long double>(strokeSpeed) * rodSideArea * kSix);
    watch.check();
    swapFlows(pull);
}

// The flows above are those of the piston side and the annulus; the inlet is
// whichever chamber the load direction pressurises.
void klipJednostrani::swapFlows(bool pull) {
    if (pull) {
        std::swap(inletFlow, outletFlow);
    }
}

void klipJednostrani::writeReport(ReportLines& lines) {
    lines.clear();
    bazna::writeReport(lines);
}

void klipJednostrani::writeReportRows(units::ReportRows& rows) const {
    using units::Quantity;
    const units::RowWriter row(rows, units::NumberRules::Printf, kSingleReportLineBuffer);
    rows.push_back(units::textRow(
        TEXT_KEY("Model", " ----------- Single action cylinder calculaton -------------- ")));
    row(TEXT_KEY("Model", " External force : "), force, Quantity::Force, "%3.3f", "  [{unit}]");
    row(TEXT_KEY("Model", " Diameter of piston /piston rod   : "), pistonDiameter,
        Quantity::SmallLength, "%2.0f", " [{unit}] / ", true);
    row("", rodDiameter, Quantity::SmallLength, "%2.0f", " [{unit}]");
    row(TEXT_KEY("Model", " Stroke speed : "), strokeSpeed, Quantity::Velocity, "%3.3f",
        "  {unit}");
    row(TEXT_KEY("Model", " Piston area : "), pistonArea, Quantity::Area, "%3.3f", "  {unit}");
    row(TEXT_KEY("Model", " Piston rod side area: "), rodSideArea, Quantity::Area, "%3.3f",
        "  {unit}");
    row(TEXT_KEY("Model", " Working pressure:  "), pressureIn, Quantity::Pressure, "%3.2f",
        "  [{unit}]");
    row(TEXT_KEY("Model", " Outgoing pressure  "), pressureOut, Quantity::Pressure, "%3.2f",
        "  [{unit}]");
    row(TEXT_KEY("Model", "Piston side flow  "), inletFlow, Quantity::Flow, "%3.3f", "  [{unit}]");
    row(TEXT_KEY("Model", "Outgoing flow  "), outletFlow, Quantity::Flow, "%3.3f", "  [{unit}]");
    // An input the force and pressure depend on.
    row(TEXT_KEY("Model", " Cylinder efficiency : "), efficiency, Quantity::Ratio, "%.3f", "");
}

klipDvostrani::klipDvostrani(double first, double second, double third, double fourth,
                             double outletPressure, double efficiency, unsigned mode) {
    typeCode = 202;
    assignName("Dvosmerni klip");
    if (!storeGiven(first, second, third, fourth, outletPressure, efficiency, mode)) {
        return;
    }
    computeAnnulusArea();
    switch (mode) {
        case 1:
            computeForce();
            computeSpeed();
            break;
        case 2:
            computePressure();
            computeSpeed();
            break;
        case 3:
            computeFlows();
            computeForce();
            break;
        case 4:
            computeFlows();
            computePressure();
            break;
    }
    requireFiniteCylinder(*this);
}

void klipDvostrani::computeAnnulusArea() {
    FloatingPointWatch watch;
    const long double D = pistonDiameter;
    const long double d = rodDiameter;
    pistonArea = static_cast<double>((D * D - d * d) * kPi * kQuarterMm2ToCm2);
    rodSideArea = pistonArea;
    watch.check();
}

void klipDvostrani::computeForce() {
    FloatingPointWatch watch;
    force = static_cast<double>(static_cast<long double>(efficiency) *
                                (static_cast<long double>(pressureIn) - pressureOut) * pistonArea *
                                kBarCm2ToKn);
    watch.check();
}

void klipDvostrani::computePressure() {
    FloatingPointWatch watch;
    pressureIn = static_cast<double>(static_cast<long double>(force) * kKnToBarCm2 /
                                         (static_cast<long double>(efficiency) * pistonArea) +
                                     pressureOut);
    watch.check();
}

// The given flow leaves the other chamber as it entered: both annuli are equal.
void klipDvostrani::computeSpeed() {
    FloatingPointWatch watch;
    strokeSpeed = static_cast<double>(static_cast<long double>(inletFlow) / pistonArea * kSixth);
    watch.check();
    outletFlow = inletFlow;
}

void klipDvostrani::computeFlows() {
    FloatingPointWatch watch;
    inletFlow = static_cast<double>(static_cast<long double>(strokeSpeed) * pistonArea * kSix);
    outletFlow = inletFlow;
    watch.check();
}

void klipDvostrani::writeReport(ReportLines& lines) {
    bazna::writeReport(lines);
}

void klipDvostrani::writeReportRows(units::ReportRows& rows) const {
    using units::Quantity;
    const units::RowWriter row(rows, units::NumberRules::Framework);
    rows.push_back(units::textRow(TEXT_KEY(
        "Model", " ----------- Double action hydro cylinder calculation -------------- ")));
    row(TEXT_KEY("Model", " External Force :  "), force, Quantity::Force, "%3.3f", " {unit}");
    row(TEXT_KEY("Model", " Stroke speed : "), strokeSpeed, Quantity::Velocity, "%3.3f",
        "  [{unit}]");
    row(TEXT_KEY("Model", " Pison diameater : "), pistonDiameter, Quantity::SmallLength, "%3.3f",
        "  [{unit}]");
    row(TEXT_KEY("Model", " Pison rod diameter : "), rodDiameter, Quantity::SmallLength, "%3.3f",
        "  [{unit}]");
    row(TEXT_KEY("Model", " Piston area  : "), pistonArea, Quantity::Area, "%3.3f", "  [{unit}]");
    row(TEXT_KEY("Model", "Working pressure  "), pressureIn, Quantity::Pressure, "%3.2f",
        "  [{unit}]");
    row(TEXT_KEY("Model", "Flow:  "), inletFlow, Quantity::Flow, "%3.3f", "  [{unit}]");
    row(TEXT_KEY("Model", " Cylinder efficiency : "), efficiency, Quantity::Ratio, "%.3f", "");
}
