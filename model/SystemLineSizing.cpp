#include "model/SystemLineSizing.h"

#include <cmath>
#include <numbers>

#include "model/SystemChecks.h"
#include "model/SystemUnits.h"
#include "model/cev.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;

namespace {

constexpr std::array<LineKindVelocities, 3> kKinds = {{
    {"Suction", 0.5, 1.5, 1.0},
    {"Return", 1.5, 4.0, 3.0},
    {"Pressure", 2.0, 6.0, 5.0},
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
    syscheck::requirePositive(in.flow, "Flow");
    syscheck::requirePositive(in.velocity, "Design velocity");
    syscheck::requirePositive(in.length, "Length");
    syscheck::requirePositive(in.density, "Oil density");
    syscheck::requirePositive(in.viscosity, "Kinematic viscosity");
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

ReportLines lineSizingReport(const LineSizingInputs& in, const LineSizingResult& out) {
    const LineKindVelocities& kind = lineKindVelocities(in.kind);
    ReportLines lines{" -------   Line sizing  ----------- "};
    lines.push_back(Format(" Flow Q = %.2f [%s]", {in.flow, sysunit::kFlow}));
    lines.push_back(Format(" %s line, usual %.1f to %.1f [%s]; design velocity v = %.2f [%s]",
                           {kind.name, kind.lowest, kind.highest, sysunit::kVelocity, in.velocity,
                            sysunit::kVelocity}));
    lines.push_back(Format(" Length L = %.2f [%s]", {in.length, sysunit::kLineLength}));
    lines.push_back(Format(" Oil density = %.1f [%s], viscosity = %.2f [%s]",
                           {in.density, sysunit::kDensity, in.viscosity, sysunit::kViscosity}));
    lines.push_back(
        Format(" Inner diameter for v: d = %.2f [%s]", {out.diameter, sysunit::kLength}));
    if (!out.hose) {
        lines.push_back(Format(" No hose of the series up to %s (%.2f [%s]) is wide enough",
                               {kHoses.back().dash, kHoses.back().diameter, sysunit::kLength}));
        return lines;
    }
    lines.push_back(Format(" Next hose size %s: d = %.2f [%s]",
                           {out.hose->dash, out.hose->diameter, sysunit::kLength}));
    lines.push_back(Format(" Hose velocity v = %.2f [%s]", {out.hoseVelocity, sysunit::kVelocity}));
    lines.push_back(
        Format(" Hose pressure drop dp = %.3f [%s]", {out.hoseDrop, sysunit::kPressure}));
    lines.push_back(
        Format(" Reynolds number Re = %.f, flow type: %s", {out.reynolds, out.flowType}));
    return lines;
}
