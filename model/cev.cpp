#include "model/cev.h"

#include <array>
#include <cmath>

#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;

namespace {

// Wall roughness k [mm] of the materials 1 to 6 as the line page numbers them;
// any other material number is treated as copper.
constexpr std::array<long double, 6> kWallRoughness = {0.0015L, 0.03L, 0.4L, 2.5L, 0.05L, 0.15L};
constexpr long double kCopperRoughness = 0.0015L;

// Regime names as the line page and the reports show them.
constexpr const char* kLaminar = "Lamilar";
constexpr const char* kTransitional = "Transitional";
constexpr const char* kSmoothApproximated = " Lambda by approximation  ";
constexpr const char* kSmooth = " Turbulence flow by hydaulic smooth pipes  ";
constexpr const char* kRough = " Hydarulic  asperity pipes ";
constexpr const char* kFullyRough = "  Full Hydarulic  asperity pipes ";

constexpr double kTransitionalFrom = 2320.0;
constexpr double kTurbulentFrom = 4000.0;
constexpr double kApproximationAbove = 100000.0;

// The friction laws' powers, written with the cheap extended-precision
// operations: the library's general power of a long double costs several
// hundred nanoseconds, more than the whole remaining calculation. A negative
// base raises the same invalid-operation fault as with the general power.
long double fourthRoot(long double x) {
    return std::sqrt(std::sqrt(x));
}

long double powerPoint33(long double x) {
    return std::exp(0.33L * std::log(x));
}

}  // namespace

cev::cev() {
    typeCode = 2019;
    assignName("pipe");
}

cev::cev(double speedOrFlow, double length, double density, double diameter, double viscosity,
         unsigned material, int flowGiven)
    : cev() {
    laminarConstant = 64.0;
    calculate(speedOrFlow, length, density, diameter, viscosity, material, flowGiven);
}

crevo::crevo(double speedOrFlow, double length, double density, double diameter, double viscosity,
             unsigned material, int flowGiven) {
    typeCode = 7;
    laminarConstant = 75.0;
    assignName("hose- pipe");
    calculate(speedOrFlow, length, density, diameter, viscosity, material, flowGiven);
}

void cev::calculate(double speedOrFlow, double lineLength, double fluidDensity,
                    double innerDiameter, double fluidViscosity, unsigned material, int flowGiven) {
    // One watch over the whole calculation: a watch per step would clear the
    // status flags several times, which costs more than the formulas.
    FloatingPointWatch watch;
    length = lineLength;
    density = fluidDensity;
    diameter = innerDiameter;
    viscosity = fluidViscosity;
    velocityAndFlow(speedOrFlow, flowGiven);
    reynolds = reynoldsFromVelocity();
    relativeRoughness = relativeRoughnessOf(material);
    const Regime regime = regimeOfFlow();
    flowType = regime.name;
    frictionFactor = regime.frictionFactor;
    // The law computePressureDrop applies; crevo does not override it.
    pressureDrop = frictionLawDrop();
    watch.check();
    requireFiniteResults();
}

void cev::velocityAndFlow(double speedOrFlow, int flowGiven) {
    // 3.14 rather than pi: the results have to match the figures this
    // calculator has always given; the two conversions stay exact inverses.
    if (flowGiven != 0) {
        flow = speedOrFlow;
        velocity = static_cast<double>(400.0L * flow * (1.0L / 3.14L) / diameter / diameter *
                                       (1.0L / 6.0L));
    } else {
        velocity = speedOrFlow;
        flow = static_cast<double>(6.0L * velocity * diameter * diameter * 3.14L * 0.0025L);
    }
}

double cev::reynoldsFromVelocity() const {
    return static_cast<double>(static_cast<long double>(velocity) * diameter / viscosity * 1000.0L);
}

double cev::relativeRoughnessOf(unsigned material) const {
    const long double roughness = (material >= 1 && material <= kWallRoughness.size())
                                      ? kWallRoughness[material - 1]
                                      : kCopperRoughness;
    return static_cast<double>(roughness / diameter);
}

cev::Regime cev::regimeOfFlow() const {
    const long double re = reynolds;
    const long double k = relativeRoughness;
    if (reynolds < kTransitionalFrom) {
        return {kLaminar, static_cast<double>(laminarConstant / re)};
    }
    if (reynolds < kTurbulentFrom) {
        return {kTransitional, static_cast<double>(0.0025L * powerPoint33(re))};
    }
    if (re < 40.0L / k) {
        if (reynolds > kApproximationAbove) {
            return {kSmoothApproximated,
                    approximateFrictionFactor(reynolds, kMaxApproximationRounds)};
        }
        return {kSmooth, static_cast<double>(0.3164L / fourthRoot(re))};
    }
    if (re < 500.0L / k) {
        return {kRough, static_cast<double>(0.11L * fourthRoot(68.0L / re + k))};
    }
    return {kFullyRough, static_cast<double>(0.11L * fourthRoot(k))};
}

double cev::approximateFrictionFactor(double reynolds, int maxRounds) {
    const long double re = reynolds;
    double previous = 0.9;
    for (int round = 0; round < maxRounds; ++round) {
        const long double term =
            std::log10(re * std::sqrt(static_cast<long double>(previous))) - 0.8L;
        // term to the power -2
        const double next = static_cast<double>(1.0L / (term * term));
        if (std::fabs(static_cast<long double>(next) - previous) < 0.01L) {
            return next;
        }
        previous = next;
    }
    // Only a non-finite Re keeps the sequence from settling; looping on would
    // hang the calculation.
    throw FloatingPointFault("Invalid floating point operation");
}

double cev::frictionLawDrop() const {
    return static_cast<double>(static_cast<long double>(frictionFactor) * length * density *
                               velocity * velocity / (1000.0L * diameter));
}

void cev::requireFiniteResults() const {
    for (const double result :
         {velocity, flow, reynolds, relativeRoughness, frictionFactor, pressureDrop}) {
        // The cheap test first: this runs on every construction.
        if (!std::isfinite(result)) {
            requireFinite(result);
        }
    }
}

void cev::computeReynolds() {
    FloatingPointWatch watch;
    const double re = reynoldsFromVelocity();
    watch.check();
    requireFinite(re);
    reynolds = re;
}

void cev::setRoughness(unsigned material) {
    FloatingPointWatch watch;
    const double k = relativeRoughnessOf(material);
    watch.check();
    requireFinite(k);
    relativeRoughness = k;
}

std::string cev::classifyFlow() {
    FloatingPointWatch watch;
    const Regime regime = regimeOfFlow();
    watch.check();
    requireFinite(regime.frictionFactor);
    frictionFactor = regime.frictionFactor;
    return regime.name;
}

void cev::computePressureDrop() {
    FloatingPointWatch watch;
    const double drop = frictionLawDrop();
    watch.check();
    requireFinite(drop);
    pressureDrop = drop;
}

void cev::writeReport(ReportLines& lines) {
    lines.push_back(" -------   Single pipe pressure drop calculation  ----------- ");
    lines.push_back(Format(" Pipe diametar: d = %.f [mm] ", {diameter}));
    lines.push_back(Format(" Reynold's number: Re = %.3f", {reynolds}));
    lines.push_back(Format(" Fluid flow speed  v =  %.3f [m/s]", {velocity}));
    lines.push_back(Format("Resistance coefficient Lambda = %f ", {frictionFactor}));
    lines.push_back(Format("Pipe lenght L=  %.2f [mm]", {length}));
    lines.push_back(Format("Pressure drop dP=  %.3f [bar]", {pressureDrop}));
    lines.push_back(Format("Resistance coefficient turbulence. k =  %f", {relativeRoughness}));
    lines.push_back(Format("Flow type :  %s", {flowType}));
}

void crevo::writeReport(ReportLines& lines) {
    lines.push_back(" =========Hose pipe calculation ============================");
    lines.push_back(Format(" Diameter d = %.f [mm] ", {diameter}));
    lines.push_back(Format(" Reynolds number Re= %.3f", {reynolds}));
    lines.push_back(Format(" Flow velocity v= %.3f [m/s]", {velocity}));
    lines.push_back(Format("Resistance coefficient  Lambda = %f ", {frictionFactor}));
    lines.push_back(Format("Length L=  %.2f [mm]", {length}));
    lines.push_back(Format("Pressure drop dP = %.3f [bar]", {pressureDrop}));
    lines.push_back(Format("Resistance coefficient turbl. k =   %f", {relativeRoughness}));
    lines.push_back(Format("Flow type :   %s", {flowType}));
}
