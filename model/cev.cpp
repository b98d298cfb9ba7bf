#include "model/cev.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>

#include "model/faults.h"
#include "model/numtext.h"

namespace {

// Wall roughness k [mm] of the materials 1 to 6 as the line page numbers them;
// any other material number is treated as copper.
constexpr std::array<long double, 6> kWallRoughness = {0.0015L, 0.03L, 0.4L, 2.5L, 0.05L, 0.15L};
constexpr long double kCopperRoughness = 0.0015L;

// The line page's names of the same materials, in its order; the first is
// also the name of copper taken for an unlisted material. Model texts: the
// page and the reports show them in the program's language.
constexpr std::array<std::string_view, 6> kTubeTypeNames = {
    TEXT_KEY("Model", "Technical plain tube pull broaching  (copper,brass,glass)"),
    TEXT_KEY("Model", "Technical plain tube pull broaching (steel)"),
    TEXT_KEY("Model", "Technical, pull broaching rusted (steel)"),
    TEXT_KEY("Model", "Technical, pull broaching strong rusted (steel)"),
    TEXT_KEY("Model", "Welded new (steel)"),
    TEXT_KEY("Model", "Welded, new, little rusted (steel)"),
};

bool isListedMaterial(unsigned material) {
    return material >= 1 && material <= kWallRoughness.size();
}

long double wallRoughness(unsigned material) {
    return isListedMaterial(material) ? kWallRoughness[material - 1] : kCopperRoughness;
}

// Regime names as the line page and the reports show them. They name the
// flow, by the classic bounds of Re and Re k/d; the friction factor of every
// turbulent regime is Colebrook-White's all the same. Model texts, kept as
// written: a line's flowType is one of them, whatever the language shown.
constexpr const char* kLaminar = TEXT_KEY("Model", "Lamilar");
constexpr const char* kTransitional = TEXT_KEY("Model", "Transitional");
constexpr const char* kSmoothApproximated = TEXT_KEY("Model", " Lambda by approximation  ");
constexpr const char* kSmooth = TEXT_KEY("Model", " Turbulence flow by hydaulic smooth pipes  ");
constexpr const char* kRough = TEXT_KEY("Model", " Hydarulic  asperity pipes ");
constexpr const char* kFullyRough = TEXT_KEY("Model", "  Full Hydarulic  asperity pipes ");

constexpr double kTransitionalFrom = 2320.0;
constexpr double kTurbulentFrom = 4000.0;
constexpr double kApproximationAbove = 100000.0;
constexpr long double kSmoothBelowReK = 40.0L;
constexpr long double kFullyRoughFromReK = 500.0L;

// Moody's chart, the widest collection of measured friction factors, ends at
// k/d 0.05; a rougher line is an extrapolation of every friction law.
constexpr double kMeasuredRoughnessUpTo = 0.05;

constexpr long double kColebrookTolerance = 1e-12L;
constexpr long double kTwoOverLn10 = 2.0L / 2.302585092994045684017991454684364208L;

// Colebrook-White solved for x = 1/sqrt(lambda): the root of
//   f(x) = x + 2 log10(a + b x),   a = k/d / 3.7,   b = 2.51 / Re.
// f rises and is concave, so Newton's steps from a start below the root climb
// to it monotonically without leaving the logarithm's domain. The root is at
// most max(1, -2 log10 b) (drop a and, for a root of at least 1, the factor x
// inside the logarithm), and the right-hand side -2 log10(a + b x) falls with
// x, so its value at that bound is such a start. k = 0 is Prandtl's law for
// smooth pipes. A k/d of 3.7 or more leaves no positive root: no friction
// factor, however far the rounds go.
//
// An Re or k/d that an earlier formula made inf or nan gives nan without
// raising a flag of its own, so that the watch names that formula's fault.
long double colebrookInverseRoot(long double re, long double k, int maxRounds) {
    if (!std::isfinite(re) || !std::isfinite(k)) {
        return std::numeric_limits<long double>::quiet_NaN();
    }
    const long double a = k / 3.7L;
    const long double b = 2.51L / re;
    const long double above = std::max(1.0L, -2.0L * std::log10(b));
    long double x = -2.0L * std::log10(a + b * above);
    long double lambda = 1.0L / (x * x);
    for (int round = 0; round < maxRounds; ++round) {
        const long double inner = a + b * x;
        x -= (x + 2.0L * std::log10(inner)) / (1.0L + kTwoOverLn10 * b / inner);
        const long double next = 1.0L / (x * x);
        if (!std::isfinite(next)) {
            // An Re far too small for turbulence took x out of the logarithm's domain.
            throw FloatingPointFault(TEXT_KEY("Model", "Invalid floating point operation"));
        }
        if (std::fabs(next - lambda) < kColebrookTolerance * next) {
            if (!(x > 0.0L)) {
                throw FloatingPointFault(KeyedText{
                    TEXT_KEY("Model",
                             "Relative roughness k/d = %1 leaves Colebrook-White without a "
                             "friction factor"),
                    {numtext::Format("%.4f", {k})}});
            }
            return x;
        }
        lambda = next;
    }
    throw FloatingPointFault(
        TEXT_KEY("Model", "Friction factor by Colebrook-White did not converge"));
}

// d lambda / d Re on the Colebrook-White curve at its root x, by implicit
// differentiation of f(x, Re) = 0 rather than a difference quotient, whose
// step would have to be traded against rounding:
//   dx/dRe = c 2.51 x / (Re^2 (a + b x + c b)),  c = 2 / ln 10,  lambda = x^-2.
long double colebrookSlope(long double re, long double k, long double x) {
    const long double a = k / 3.7L;
    const long double b = 2.51L / re;
    return -2.0L * kTwoOverLn10 * 2.51L / (x * x * re * re * (a + b * x + kTwoOverLn10 * b));
}

void addRoughnessWarning(units::ReportRows& rows, double relativeRoughness) {
    if (relativeRoughness > kMeasuredRoughnessUpTo) {
        const units::RowWriter row(rows, units::NumberRules::Framework);
        row(TEXT_KEY("Model", " Relative roughness k/d = "), relativeRoughness,
            units::Quantity::Ratio, "%.4f", TEXT_KEY("Model", " is above "), true);
        row("", kMeasuredRoughnessUpTo, units::Quantity::Ratio, "%.2f",
            TEXT_KEY("Model", ", beyond the measured range of the friction laws"));
    }
}

// The rows of a line's report; the pipe's and the hose's differ in their
// texts only.
struct LineReportTexts {
    const char* heading;
    const char* diameter;
    const char* reynolds;
    const char* velocity;
    const char* lambda;
    const char* length;
    const char* drop;
    const char* flow;
    const char* tubeType;
    const char* roughness;
    const char* flowType;
};

void addLineReport(units::ReportRows& rows, const cev& line, const LineReportTexts& texts) {
    using units::Quantity;
    const units::RowWriter row(rows, units::NumberRules::Framework);
    rows.push_back(units::textRow(texts.heading));
    row(texts.diameter, line.diameter, Quantity::SmallLength, "%.f", " [{unit}] ");
    row(texts.reynolds, line.reynolds, Quantity::Ratio, "%.3f", "");
    row(texts.velocity, line.velocity, Quantity::Velocity, "%.3f", " [{unit}]");
    // The label and the figure apart: the label is translated, the figure not.
    rows.push_back(units::textRow(texts.lambda, true));
    rows.push_back(units::textRow(fourSignificantDigits(line.frictionFactor) + " "));
    row(texts.length, line.length, Quantity::Length, "%.2f", " [{unit}]");
    row(texts.drop, line.pressureDrop, Quantity::Pressure, "%.3f", " [{unit}]");
    row(texts.flow, line.flow, Quantity::Flow, "%.3f", " [{unit}]");
    rows.push_back(units::textRow(texts.tubeType, true));
    rows.push_back(units::textRow(line.tubeType));
    row(texts.roughness, line.roughness, Quantity::SmallLength, "%.4f", " [{unit}]");
    addRoughnessWarning(rows, line.relativeRoughness);
    rows.push_back(units::textRow(texts.flowType, true));
    rows.push_back(units::textRow(line.flowType));
}

}  // namespace

// Four significant digits whatever the regime: a laminar lambda of 0.3 and a
// turbulent one of 0.02 keep the same precision.
std::string fourSignificantDigits(double value) {
    constexpr std::size_t kBuffer = 32;  // "-1.235e+308" and more
    return numtext::cformat(kBuffer, "%#.4g", value);
}

std::string_view tubeTypeName(unsigned material) {
    return isListedMaterial(material) ? kTubeTypeNames[material - 1] : kTubeTypeNames[0];
}

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
    roughness = static_cast<double>(wallRoughness(material));
    tubeType = tubeTypeName(material);
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
    return static_cast<double>(wallRoughness(material) / diameter);
}

cev::Regime cev::regimeOfFlow() const {
    const long double re = reynolds;
    const long double k = relativeRoughness;
    if (reynolds < kTransitionalFrom) {
        return {kLaminar, static_cast<double>(laminarConstant / re)};
    }
    if (reynolds < kTurbulentFrom) {
        return {kTransitional, static_cast<double>(transitionalFrictionFactor(re))};
    }
    const long double x = colebrookInverseRoot(re, k, kMaxColebrookRounds);
    const auto lambda = static_cast<double>(1.0L / (x * x));
    // Re k/d rather than Re against 40 / (k/d): the same bounds, and a
    // perfectly smooth wall (k = 0) stays smooth instead of dividing by zero.
    if (re * k < kSmoothBelowReK) {
        return {reynolds > kApproximationAbove ? kSmoothApproximated : kSmooth, lambda};
    }
    if (re * k < kFullyRoughFromReK) {
        return {kRough, lambda};
    }
    return {kFullyRough, lambda};
}

// No law holds between Re 2320 and 4000, where the flow switches back and
// forth between laminar and turbulent. A cubic in Re (Hermite) meets the
// laminar law at 2320 and Colebrook-White at 4000 in value and in slope, so
// lambda and the drop have neither a step nor a kink at either end.
long double cev::transitionalFrictionFactor(long double reynolds) const {
    const long double from = kTransitionalFrom;
    const long double to = kTurbulentFrom;
    const long double span = to - from;
    const long double lambdaFrom = laminarConstant / from;
    const long double slopeFrom = -laminarConstant / (from * from);
    const long double x = colebrookInverseRoot(to, relativeRoughness, kMaxColebrookRounds);
    const long double lambdaTo = 1.0L / (x * x);
    const long double slopeTo = colebrookSlope(to, relativeRoughness, x);
    const long double t = (reynolds - from) / span;
    const long double t2 = t * t;
    const long double t3 = t2 * t;
    return (2.0L * t3 - 3.0L * t2 + 1.0L) * lambdaFrom + (t3 - 2.0L * t2 + t) * span * slopeFrom +
           (3.0L * t2 - 2.0L * t3) * lambdaTo + (t3 - t2) * span * slopeTo;
}

double cev::colebrookFrictionFactor(double reynolds, double relativeRoughness, int maxRounds) {
    const long double x = colebrookInverseRoot(reynolds, relativeRoughness, maxRounds);
    const long double lambda = 1.0L / (x * x);
    requireFinite(lambda);
    return static_cast<double>(lambda);
}

double cev::dropAtFlow(double otherFlow) const {
    if (!(otherFlow > 0.0)) {
        return 0.0;
    }
    FloatingPointWatch watch;
    cev line(*this);
    line.velocityAndFlow(otherFlow, 1);
    line.reynolds = line.reynoldsFromVelocity();
    line.frictionFactor = line.regimeOfFlow().frictionFactor;
    const double drop = line.frictionLawDrop();
    watch.check();
    requireFinite(drop);
    return drop;
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
    roughness = static_cast<double>(wallRoughness(material));
    tubeType = tubeTypeName(material);
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

void cev::writeReportRows(units::ReportRows& rows) const {
    addLineReport(rows, *this,
                  {.heading = TEXT_KEY(
                       "Model", " -------   Single pipe pressure drop calculation  ----------- "),
                   .diameter = TEXT_KEY("Model", " Pipe diametar: d = "),
                   .reynolds = TEXT_KEY("Model", " Reynold's number: Re = "),
                   .velocity = TEXT_KEY("Model", " Fluid flow speed  v =  "),
                   .lambda = TEXT_KEY("Model", "Resistance coefficient Lambda = "),
                   .length = TEXT_KEY("Model", "Pipe lenght L=  "),
                   .drop = TEXT_KEY("Model", "Pressure drop dP=  "),
                   .flow = TEXT_KEY("Model", "Flow Q=  "),
                   .tubeType = TEXT_KEY("Model", "Tube type :  "),
                   .roughness = TEXT_KEY("Model", "Wall roughness k =  "),
                   .flowType = TEXT_KEY("Model", "Flow type :  ")});
}

void crevo::writeReportRows(units::ReportRows& rows) const {
    addLineReport(rows, *this,
                  {.heading = TEXT_KEY(
                       "Model", " =========Hose pipe calculation ============================"),
                   .diameter = TEXT_KEY("Model", " Diameter d = "),
                   .reynolds = TEXT_KEY("Model", " Reynolds number Re= "),
                   .velocity = TEXT_KEY("Model", " Flow velocity v= "),
                   .lambda = TEXT_KEY("Model", "Resistance coefficient  Lambda = "),
                   .length = TEXT_KEY("Model", "Length L=  "),
                   .drop = TEXT_KEY("Model", "Pressure drop dP = "),
                   .flow = TEXT_KEY("Model", "Flow Q = "),
                   .tubeType = TEXT_KEY("Model", "Tube type :   "),
                   .roughness = TEXT_KEY("Model", "Wall roughness k =   "),
                   .flowType = TEXT_KEY("Model", "Flow type :   ")});
}
