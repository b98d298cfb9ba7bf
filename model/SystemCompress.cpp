#include "model/SystemCompress.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/SystemChecks.h"
#include "model/SystemUnits.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;

namespace {

constexpr long double kCubicCentimetresPerLitre = 1000.0L;
constexpr long double kPascalPerBar = 1e5L;
constexpr long double kMetresPerMillimetre = 1e-3L;
constexpr long double kCubicMetresPerCubicCentimetre = 1e-6L;
constexpr double kNewtonsPerMetreInKilonewtonsPerMillimetre = 1e6;

struct Columns {
    long double a1 = 0;  // piston area, m2
    long double a2 = 0;  // annulus, m2
    long double s = 0;   // stroke, m
    long double v1 = 0;  // m3
    long double v2 = 0;  // m3
    long double k = 0;   // Pa
};

void checkCylinder(const CylinderStiffnessInputs& in) {
    syscheck::requirePositive(in.bore, "Bore");
    syscheck::requirePositive(in.rod, "Rod");
    if (!(in.rod < in.bore)) {
        const std::string mm = std::string(" ") + sysunit::kLength;
        throw InputError("Rod (" + numtext::FloatToStr(in.rod) + mm +
                         ") must be thinner than the bore (" + numtext::FloatToStr(in.bore) + mm +
                         ")");
    }
    syscheck::requirePositive(in.stroke, "Stroke");
    syscheck::requirePositive(in.mass, "Moving mass");
    syscheck::requireNotNegative(in.deadVolumePiston, "Dead volume, piston side");
    syscheck::requireNotNegative(in.deadVolumeRod, "Dead volume, rod side");
    syscheck::requirePositive(in.bulkModulus, "Bulk modulus K");
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
    syscheck::requirePositive(in.volume, "Oil volume");
    syscheck::requirePositive(in.pressureRise, "Pressure rise");
    syscheck::requirePositive(in.bulkModulus, "Bulk modulus K");
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

ReportLines compressionReport(const CompressionInputs& in, double compressed) {
    return {
        " -------   Oil compressibility  ----------- ",
        Format(" Oil volume V = %.3f [%s]", {in.volume, sysunit::kVolume}),
        Format(" Pressure rise dp = %.2f [%s]", {in.pressureRise, sysunit::kPressure}),
        Format(" Effective bulk modulus K = %.1f [%s]", {in.bulkModulus, sysunit::kPressure}),
        Format(" Oil taken by compression dV = %.2f [%s]", {compressed, sysunit::kSmallVolume}),
    };
}

ReportLines stiffnessReport(const CylinderStiffnessInputs& in, const CylinderStiffnessResult& out) {
    const char* mm = sysunit::kLength;
    const char* cm3 = sysunit::kSmallVolume;
    return {
        " -------   Cylinder stiffness and natural frequency  ----------- ",
        Format(" Bore D = %.2f [%s], rod d = %.2f [%s], stroke s = %.2f [%s]",
               {in.bore, mm, in.rod, mm, in.stroke, mm}),
        Format(" Moving mass m = %.2f [%s]", {in.mass, sysunit::kMass}),
        Format(" Dead volume piston side V1 = %.2f [%s], rod side V2 = %.2f [%s]",
               {in.deadVolumePiston, cm3, in.deadVolumeRod, cm3}),
        Format(" Effective bulk modulus K = %.1f [%s]", {in.bulkModulus, sysunit::kPressure}),
        Format(" Lowest natural frequency f0 = %.2f [%s] at x = %.1f [%s]",
               {out.lowestFrequency, sysunit::kFrequency, out.position, mm}),
        Format(" Stiffness there c = %.2f [%s]",
               {out.stiffness / kNewtonsPerMetreInKilonewtonsPerMillimetre, sysunit::kStiffness}),
    };
}
