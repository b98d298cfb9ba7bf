#include "model/SystemOrifice.h"

#include <cmath>
#include <numbers>

#include "model/SystemChecks.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;

namespace {

constexpr long double kPascalPerBar = 1e5L;
constexpr long double kMetresPerMillimetre = 1e-3L;
constexpr long double kLitreMinutesPerCubicMetreSecond = 60000.0L;

long double areaOf(long double diameterMm) {
    const long double d = diameterMm * kMetresPerMillimetre;
    return std::numbers::pi_v<long double> * d * d / 4.0L;
}

}  // namespace

OrificeResult computeOrifice(const OrificeInputs& in) {
    if (!std::isfinite(in.discharge) || !(in.discharge > 0.0) || in.discharge > 1.0) {
        throw InputError("Discharge coefficient alpha: " + numtext::FloatToStr(in.discharge) +
                         " is not in (0, 1]");
    }
    syscheck::requirePositive(in.density, "Oil density");
    if (in.unknown != OrificeUnknown::Diameter) {
        syscheck::requirePositive(in.diameter, "Diameter");
    }
    if (in.unknown != OrificeUnknown::PressureDrop) {
        syscheck::requirePositive(in.pressureDrop, "Pressure drop");
    }
    if (in.unknown != OrificeUnknown::Flow) {
        syscheck::requirePositive(in.flow, "Flow");
    }
    FloatingPointWatch watch;
    OrificeResult out{in.diameter, in.pressureDrop, in.flow};
    const long double alpha = in.discharge;
    const long double rho = in.density;
    const long double q = in.flow / kLitreMinutesPerCubicMetreSecond;  // m3/s
    switch (in.unknown) {
        case OrificeUnknown::Flow: {
            const long double speed = std::sqrt(2.0L * in.pressureDrop * kPascalPerBar / rho);
            out.flow = static_cast<double>(alpha * areaOf(in.diameter) * speed *
                                           kLitreMinutesPerCubicMetreSecond);
            break;
        }
        case OrificeUnknown::Diameter: {
            const long double speed = std::sqrt(2.0L * in.pressureDrop * kPascalPerBar / rho);
            const long double area = q / (alpha * speed);
            out.diameter = static_cast<double>(
                std::sqrt(4.0L * area / std::numbers::pi_v<long double>) / kMetresPerMillimetre);
            break;
        }
        case OrificeUnknown::PressureDrop: {
            const long double speed = q / (alpha * areaOf(in.diameter));
            out.pressureDrop = static_cast<double>(rho * speed * speed / 2.0L / kPascalPerBar);
            break;
        }
    }
    out.jetVelocity = static_cast<double>(
        std::sqrt(2.0L * out.pressureDrop * kPascalPerBar / static_cast<long double>(in.density)));
    for (const double result : {out.flow, out.diameter, out.pressureDrop, out.jetVelocity}) {
        syscheck::requireSound(watch, result);
    }
    return out;
}

units::ReportRows orificeReportRows(const OrificeInputs& in, const OrificeResult& out) {
    using units::Quantity;
    const auto row = [](const char* label, double value, Quantity quantity, const char* number,
                        std::string after) {
        return units::numberRow(label, value, quantity, units::NumberRules::Framework, number,
                                std::move(after));
    };
    const auto given = [&in](OrificeUnknown quantity) {
        return std::string(in.unknown == quantity ? "" : " (given)");
    };
    return {
        units::textRow(" -------   Sharp-edged orifice  ----------- "),
        row(" Diameter d = ", out.diameter, Quantity::SmallLength, "%.3f",
            " [{unit}]" + given(OrificeUnknown::Diameter)),
        row(" Pressure drop dp = ", out.pressureDrop, Quantity::Pressure, "%.3f",
            " [{unit}]" + given(OrificeUnknown::PressureDrop)),
        row(" Flow Q = ", out.flow, Quantity::Flow, "%.3f",
            " [{unit}]" + given(OrificeUnknown::Flow)),
        row(" Discharge coefficient alpha = ", in.discharge, Quantity::Ratio, "%.3f", ""),
        row(" Jet velocity = ", out.jetVelocity, Quantity::Velocity, "%.2f", " [{unit}]"),
        row(" Oil density = ", in.density, Quantity::Density, "%.1f", " [{unit}]"),
    };
}

ReportLines orificeReport(const OrificeInputs& in, const OrificeResult& out) {
    return units::metricLines(orificeReportRows(in, out));
}
