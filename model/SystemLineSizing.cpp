#include "model/SystemLineSizing.h"

#include <cmath>
#include <numbers>

#include "model/SystemChecks.h"
#include "model/cev.h"
#include "model/faults.h"
#include "model/numtext.h"

namespace {

constexpr std::array<LineKindVelocities, 3> kKinds = {{
    {TEXT_KEY("Model", "Suction"), 0.5, 1.5, 1.0},
    {TEXT_KEY("Model", "Return"), 1.5, 4.0, 3.0},
    {TEXT_KEY("Model", "Pressure"), 2.0, 6.0, 5.0},
}};

constexpr std::array<HoseSize, 10> kHoses = {{
    {"-4", 6.35},
    {"-5", 7.94},
    {"-6", 9.53},
    {"-8", 12.7},
    {"-10", 15.88},
    {"-12", 19.05},
    {"-16", 25.4},
    {"-20", 31.75},
    {"-24", 38.1},
    {"-32", 50.8},
}};

// The hose element's wall: a hose's rubber lining is as smooth as drawn tube.
constexpr unsigned kSmoothWall = 1;
constexpr int kFlowGiven = 1;
constexpr double kSameSize = 1e-9;
constexpr long double kCubicMetresPerSecondInLitresPerMinute = 60000.0L;

}  // namespace

const LineKindVelocities& lineKindVelocities(LineKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

const std::array<HoseSize, 10>& hoseSeries() {
    return kHoses;
}

std::optional<HoseSize> nextHoseSize(double diameter) {
    for (const HoseSize& hose : kHoses) {
        // A diameter that is a size of the series on paper takes that size,
        // though its computation leaves a last binary digit above it.
        if (hose.diameter * (1.0 + kSameSize) >= diameter) {
            return hose;
        }
    }
    return std::nullopt;
}

LineSizingResult sizeLine(const LineSizingInputs& in) {
    syscheck::requirePositive(in.flow, TEXT_KEY("Model", "Flow"));
    syscheck::requirePositive(in.velocity, TEXT_KEY("Model", "Design velocity"));
    syscheck::requirePositive(in.length, TEXT_KEY("Model", "Length"));
    syscheck::requirePositive(in.density, TEXT_KEY("Model", "Oil density"));
    syscheck::requirePositive(in.viscosity, TEXT_KEY("Model", "Kinematic viscosity"));
    FloatingPointWatch watch;
    LineSizingResult out;
    // d = sqrt(4 Q / (pi v)), Q in m3/s, d in mm.
    const long double q = in.flow / kCubicMetresPerSecondInLitresPerMinute;
    const long double d =
        std::sqrt(4.0L * q / (std::numbers::pi_v<long double> * in.velocity)) * 1000.0L;
    syscheck::requireSound(watch, d);
    out.diameter = static_cast<double>(d);
    out.hose = nextHoseSize(out.diameter);
    if (out.hose) {
        const crevo hose(in.flow, in.length, in.density, out.hose->diameter, in.viscosity,
                         kSmoothWall, kFlowGiven);
        out.hoseVelocity = hose.velocity;
        out.hoseDrop = hose.pressureDrop;
        out.reynolds = hose.reynolds;
        out.flowType = hose.flowType;
    }
    return out;
}

units::ReportRows lineSizingReportRows(const LineSizingInputs& in, const LineSizingResult& out) {
    using units::Quantity;
    const auto row = [](const char* label, double value, Quantity quantity, const char* number,
                        const char* after, bool continues = false) {
        return units::numberRow(label, value, quantity, units::NumberRules::Framework, number,
                                after, continues);
    };
    // Each kind's label whole, so that a translation need not build it.
    constexpr std::array<const char*, 3> kKindLabels = {
        TEXT_KEY("Model", " Suction line, usual "),
        TEXT_KEY("Model", " Return line, usual "),
        TEXT_KEY("Model", " Pressure line, usual "),
    };
    const LineKindVelocities& kind = lineKindVelocities(in.kind);
    units::ReportRows rows{
        units::textRow(TEXT_KEY("Model", " -------   Line sizing  ----------- "))};
    rows.push_back(
        row(TEXT_KEY("Model", " Flow Q = "), in.flow, Quantity::Flow, "%.2f", " [{unit}]"));
    rows.push_back(row(kKindLabels.at(static_cast<std::size_t>(in.kind)), kind.lowest,
                       Quantity::Velocity, "%.1f", TEXT_KEY("Model", " to "), true));
    rows.push_back(row("", kind.highest, Quantity::Velocity, "%.1f",
                       TEXT_KEY("Model", " [{unit}]; design velocity v = "), true));
    rows.push_back(row("", in.velocity, Quantity::Velocity, "%.2f", " [{unit}]"));
    rows.push_back(
        row(TEXT_KEY("Model", " Length L = "), in.length, Quantity::Length, "%.2f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Oil density = "), in.density, Quantity::Density, "%.1f",
                       TEXT_KEY("Model", " [{unit}], viscosity = "), true));
    rows.push_back(row("", in.viscosity, Quantity::KinematicViscosity, "%.2f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Inner diameter for v: d = "), out.diameter,
                       Quantity::SmallLength, "%.2f", " [{unit}]"));
    // The hose sizes (-32) and the regime's name stand in rows of their own.
    if (!out.hose) {
        rows.push_back(units::textRow(TEXT_KEY("Model", " No hose of the series up to "), true));
        rows.push_back(units::textRow(kHoses.back().dash, true));
        rows.push_back(row(" (", kHoses.back().diameter, Quantity::SmallLength, "%.2f",
                           TEXT_KEY("Model", " [{unit}]) is wide enough")));
        return rows;
    }
    rows.push_back(units::textRow(TEXT_KEY("Model", " Next hose size "), true));
    rows.push_back(units::textRow(out.hose->dash, true));
    rows.push_back(row(": d = ", out.hose->diameter, Quantity::SmallLength, "%.2f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Hose velocity v = "), out.hoseVelocity,
                       Quantity::Velocity, "%.2f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Hose pressure drop dp = "), out.hoseDrop,
                       Quantity::Pressure, "%.3f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Reynolds number Re = "), out.reynolds, Quantity::Ratio,
                       "%.f", TEXT_KEY("Model", ", flow type: "), true));
    rows.push_back(units::textRow(out.flowType));
    return rows;
}

ReportLines lineSizingReport(const LineSizingInputs& in, const LineSizingResult& out) {
    return units::metricLines(lineSizingReportRows(in, out));
}
