#include "model/SystemOrifice.h"

#include <cmath>
#include <numbers>

#include "model/SystemChecks.h"
#include "model/SystemUnits.h"
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

ReportLines orificeReport(const OrificeInputs& in, const OrificeResult& out) {
    const auto given = [&in](OrificeUnknown quantity) {
        return in.unknown == quantity ? "" : " (given)";
    };
    return {
        " -------   Sharp-edged orifice  ----------- ",
        Format(" Diameter d = %.3f [%s]%s",
               {out.diameter, sysunit::kLength, given(OrificeUnknown::Diameter)}),
        Format(" Pressure drop dp = %.3f [%s]%s",
               {out.pressureDrop, sysunit::kPressure, given(OrificeUnknown::PressureDrop)}),
        Format(" Flow Q = %.3f [%s]%s", {out.flow, sysunit::kFlow, given(OrificeUnknown::Flow)}),
        Format(" Discharge coefficient alpha = %.3f", {in.discharge}),
        Format(" Jet velocity = %.2f [%s]", {out.jetVelocity, sysunit::kVelocity}),
        Format(" Oil density = %.1f [%s]", {in.density, sysunit::kDensity}),
    };
}
