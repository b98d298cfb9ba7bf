#include "model/SystemCompress.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/Quantity.h"
#include "model/SystemChecks.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;
using units::Quantity;

namespace {

constexpr long double kCubicCentimetresPerLitre = 1000.0L;
constexpr long double kPascalPerBar = 1e5L;
constexpr long double kMetresPerMillimetre = 1e-3L;
constexpr long double kCubicMetresPerCubicCentimetre = 1e-6L;
constexpr double kNewtonsPerMetreInKilonewtonsPerMillimetre = 1e6;

// A figure of the report, by the framework's number rules.
units::ReportRow row(std::string label, double value, units::Quantity quantity, const char* number,
                     std::string after, bool continues = false) {
    return units::numberRow(std::move(label), value, quantity, units::NumberRules::Framework,
                            number, std::move(after), continues);
}

struct Columns {
    long double a1 = 0;  // piston area, m2
    long double a2 = 0;  // annulus, m2
    long double s = 0;   // stroke, m
    long double v1 = 0;  // m3
    long double v2 = 0;  // m3
    long double k = 0;   // Pa
};

void checkCylinder(const CylinderStiffnessInputs& in) {
    syscheck::requirePositive(in.bore, TEXT_KEY("Model", "Bore"));
    syscheck::requirePositive(in.rod, TEXT_KEY("Model", "Rod"));
    if (!(in.rod < in.bore)) {
        const std::string mm = " " + std::string(units::modelUnit(Quantity::SmallLength).ascii);
        throw InputError(
            KeyedText{TEXT_KEY("Model", "Rod (%1) must be thinner than the bore (%2)"),
                      {numtext::FloatToStr(in.rod) + mm, numtext::FloatToStr(in.bore) + mm}});
    }
    syscheck::requirePositive(in.stroke, TEXT_KEY("Model", "Stroke"));
    syscheck::requirePositive(in.mass, TEXT_KEY("Model", "Moving mass"));
    syscheck::requireNotNegative(in.deadVolumePiston,
                                 TEXT_KEY("Model", "Dead volume, piston side"));
    syscheck::requireNotNegative(in.deadVolumeRod, TEXT_KEY("Model", "Dead volume, rod side"));
    syscheck::requirePositive(in.bulkModulus, TEXT_KEY("Model", "Bulk modulus K"));
}

Columns columnsOf(const CylinderStiffnessInputs& in) {
    const long double quarterPi = std::numbers::pi_v<long double> / 4.0L;
    const long double bore = in.bore * kMetresPerMillimetre;
    const long double rod = in.rod * kMetresPerMillimetre;
    Columns c;
    c.a1 = quarterPi * bore * bore;
    c.a2 = quarterPi * (bore * bore - rod * rod);
    c.s = in.stroke * kMetresPerMillimetre;
    c.v1 = in.deadVolumePiston * kCubicMetresPerCubicCentimetre;
    c.v2 = in.deadVolumeRod * kCubicMetresPerCubicCentimetre;
    c.k = in.bulkModulus * kPascalPerBar;
    return c;
}

// c(x) in N/m, x in m.
long double stiffnessAt(const Columns& c, long double x) {
    return c.k * (c.a1 * c.a1 / (c.a1 * x + c.v1) + c.a2 * c.a2 / (c.a2 * (c.s - x) + c.v2));
}

long double frequencyOf(long double stiffness, double mass) {
    return std::sqrt(stiffness / mass) / (2.0L * std::numbers::pi_v<long double>);
}

}  // namespace

double compressedVolume(const CompressionInputs& in) {
    syscheck::requirePositive(in.volume, TEXT_KEY("Model", "Oil volume"));
    syscheck::requirePositive(in.pressureRise, TEXT_KEY("Model", "Pressure rise"));
    syscheck::requirePositive(in.bulkModulus, TEXT_KEY("Model", "Bulk modulus K"));
    FloatingPointWatch watch;
    const long double taken = static_cast<long double>(in.volume) * in.pressureRise /
                              in.bulkModulus * kCubicCentimetresPerLitre;
    syscheck::requireSound(watch, taken);
    return static_cast<double>(taken);
}

CylinderStiffnessResult lowestNaturalFrequency(const CylinderStiffnessInputs& in) {
    checkCylinder(in);
    FloatingPointWatch watch;
    const Columns c = columnsOf(in);
    const long double r = std::pow(c.a2 / c.a1, 1.5L);
    const long double x = std::clamp((c.a2 * c.s + c.v2 - r * c.v1) / (c.a2 + r * c.a1), 0.0L, c.s);
    const long double stiffness = stiffnessAt(c, x);
    CylinderStiffnessResult out;
    out.stiffness = static_cast<double>(stiffness);
    out.position = static_cast<double>(x / kMetresPerMillimetre);
    out.lowestFrequency = static_cast<double>(frequencyOf(stiffness, in.mass));
    for (const double result : {out.stiffness, out.position, out.lowestFrequency}) {
        syscheck::requireSound(watch, result);
    }
    return out;
}

double naturalFrequencyAt(const CylinderStiffnessInputs& in, double position) {
    checkCylinder(in);
    FloatingPointWatch watch;
    const long double f =
        frequencyOf(stiffnessAt(columnsOf(in), position * kMetresPerMillimetre), in.mass);
    syscheck::requireSound(watch, f);
    return static_cast<double>(f);
}

std::vector<std::pair<double, double>> naturalFrequencyCurve(const CylinderStiffnessInputs& in,
                                                             int intervals) {
    checkCylinder(in);
    std::vector<std::pair<double, double>> points;
    const int count = std::max(intervals, 1);
    for (int i = 0; i <= count; ++i) {
        if ((i == 0 && in.deadVolumePiston == 0.0) || (i == count && in.deadVolumeRod == 0.0)) {
            continue;
        }
        const double x = in.stroke * i / count;
        points.emplace_back(x, naturalFrequencyAt(in, x));
    }
    return points;
}

units::ReportRows compressionReportRows(const CompressionInputs& in, double compressed) {
    return {
        units::textRow(TEXT_KEY("Model", " -------   Oil compressibility  ----------- ")),
        row(TEXT_KEY("Model", " Oil volume V = "), in.volume, Quantity::Volume, "%.3f",
            " [{unit}]"),
        row(TEXT_KEY("Model", " Pressure rise dp = "), in.pressureRise, Quantity::Pressure, "%.2f",
            " [{unit}]"),
        row(TEXT_KEY("Model", " Effective bulk modulus K = "), in.bulkModulus, Quantity::Pressure,
            "%.1f", " [{unit}]"),
        row(TEXT_KEY("Model", " Oil taken by compression dV = "), compressed, Quantity::SmallVolume,
            "%.2f", " [{unit}]"),
    };
}

ReportLines compressionReport(const CompressionInputs& in, double compressed) {
    return units::metricLines(compressionReportRows(in, compressed));
}

units::ReportRows stiffnessReportRows(const CylinderStiffnessInputs& in,
                                      const CylinderStiffnessResult& out) {
    constexpr Quantity kMm = Quantity::SmallLength;
    constexpr Quantity kCm3 = Quantity::SmallVolume;
    return {
        units::textRow(
            TEXT_KEY("Model", " -------   Cylinder stiffness and natural frequency  ----------- ")),
        row(TEXT_KEY("Model", " Bore D = "), in.bore, kMm, "%.2f",
            TEXT_KEY("Model", " [{unit}], rod d = "), true),
        row("", in.rod, kMm, "%.2f", TEXT_KEY("Model", " [{unit}], stroke s = "), true),
        row("", in.stroke, kMm, "%.2f", " [{unit}]"),
        row(TEXT_KEY("Model", " Moving mass m = "), in.mass, Quantity::Mass, "%.2f", " [{unit}]"),
        row(TEXT_KEY("Model", " Dead volume piston side V1 = "), in.deadVolumePiston, kCm3, "%.2f",
            TEXT_KEY("Model", " [{unit}], rod side V2 = "), true),
        row("", in.deadVolumeRod, kCm3, "%.2f", " [{unit}]"),
        row(TEXT_KEY("Model", " Effective bulk modulus K = "), in.bulkModulus, Quantity::Pressure,
            "%.1f", " [{unit}]"),
        row(TEXT_KEY("Model", " Lowest natural frequency f0 = "), out.lowestFrequency,
            Quantity::Frequency, "%.2f", TEXT_KEY("Model", " [{unit}] at x = "), true),
        row("", out.position, kMm, "%.1f", " [{unit}]"),
        row(TEXT_KEY("Model", " Stiffness there c = "),
            out.stiffness / kNewtonsPerMetreInKilonewtonsPerMillimetre, Quantity::Stiffness, "%.2f",
            " [{unit}]"),
    };
}

ReportLines stiffnessReport(const CylinderStiffnessInputs& in, const CylinderStiffnessResult& out) {
    return units::metricLines(stiffnessReportRows(in, out));
}
