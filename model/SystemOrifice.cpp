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
        throw InputError(
            KeyedText{TEXT_KEY("Model", "Discharge coefficient alpha: %1 is not in (0, 1]"),
                      {numtext::FloatToStr(in.discharge)}});
    }
    syscheck::requirePositive(in.density, TEXT_KEY("Model", "Oil density"));
    if (in.unknown != OrificeUnknown::Diameter) {
        syscheck::requirePositive(in.diameter, TEXT_KEY("Model", "Diameter"));
    }
    if (in.unknown != OrificeUnknown::PressureDrop) {
        syscheck::requirePositive(in.pressureDrop, TEXT_KEY("Model", "Pressure drop"));
    }
    if (in.unknown != OrificeUnknown::Flow) {
        syscheck::requirePositive(in.flow, TEXT_KEY("Model", "Flow"));
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
    const auto given = [&in](OrificeUnknown quantity) -> const char* {
        return in.unknown == quantity ? " [{unit}]" : TEXT_KEY("Model", " [{unit}] (given)");
    };
    return {
        units::textRow(TEXT_KEY("Model", " -------   Sharp-edged orifice  ----------- ")),
        row(TEXT_KEY("Model", " Diameter d = "), out.diameter, Quantity::SmallLength, "%.3f",
            given(OrificeUnknown::Diameter)),
        row(TEXT_KEY("Model", " Pressure drop dp = "), out.pressureDrop, Quantity::Pressure, "%.3f",
            given(OrificeUnknown::PressureDrop)),
        row(TEXT_KEY("Model", " Flow Q = "), out.flow, Quantity::Flow, "%.3f",
            given(OrificeUnknown::Flow)),
        row(TEXT_KEY("Model", " Discharge coefficient alpha = "), in.discharge, Quantity::Ratio,
            "%.3f", ""),
        row(TEXT_KEY("Model", " Jet velocity = "), out.jetVelocity, Quantity::Velocity, "%.2f",
            " [{unit}]"),
        row(TEXT_KEY("Model", " Oil density = "), in.density, Quantity::Density, "%.1f",
            " [{unit}]"),
    };
}

ReportLines orificeReport(const OrificeInputs& in, const OrificeResult& out) {
    return units::metricLines(orificeReportRows(in, out));
}
