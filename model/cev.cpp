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
    // Prandtl's law for hydraulically smooth pipes, 1/sqrt(lambda) =
    // 2 log10(Re sqrt(lambda)) - 0.8, solved for x = 1/sqrt(lambda), where it
    // reads f(x) = x + 2 log10(x) - 2 log10(Re) + 0.8 = 0. f rises and is
    // concave, so Newton's steps from x = 2 log10(Re) - 0.8 (which lies above
    // the root) land just below it and then climb to it monotonically, in a
    // handful of rounds for any Re.
    const long double re = reynolds;
    const long double constant = 2.0L * std::log10(re) - 0.8L;
    constexpr long double kTwoOverLn10 = 2.0L / 2.302585092994045684017991454684364208L;
    long double x = constant;
    long double lambda = 1.0L / (x * x);
    for (int round = 0; round < maxRounds; ++round) {
        const long double f = x + 2.0L * std::log10(x) - constant;
        x -= f / (1.0L + kTwoOverLn10 / x);
        const long double next = 1.0L / (x * x);
        if (!std::isfinite(next)) {
            // Re itself was inf or nan: there is no friction factor to find.
            throw FloatingPointFault("Invalid floating point operation");
        }
        if (std::fabs(next - lambda) < kApproximationTolerance * next) {
            return static_cast<double>(next);
        }
        lambda = next;
    }
    throw FloatingPointFault("Friction factor by Prandtl's law did not converge");
}

double cev::frictionLawDrop() const {
    // Darcy-Weisbach: dp = lambda (L / d) rho v^2 / 2 in Pa with L and d in m.
    // With d in mm and dp in bar: lambda L rho v^2 x 1000 / (2 x 100000 x d).
    return static_cast<double>(static_cast<long double>(frictionFactor) * length * density *
                               velocity * velocity / (200.0L * diameter));
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
    lines.push_back(Format("Pipe lenght L=  %.2f [m]", {length}));
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
    lines.push_back(Format("Length L=  %.2f [m]", {length}));
    lines.push_back(Format("Pressure drop dP = %.3f [bar]", {pressureDrop}));
    lines.push_back(Format("Resistance coefficient turbl. k =   %f", {relativeRoughness}));
    lines.push_back(Format("Flow type :   %s", {flowType}));
}
