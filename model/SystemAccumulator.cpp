#include "model/SystemAccumulator.h"

#include <cmath>

#include "model/SystemChecks.h"
#include "model/SystemUnits.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;
using sysunit::kAtmosphere;
using sysunit::kKelvinOffset;

namespace {

constexpr double kAdiabatic = 1.4;
// A hair of tolerance: a precharge of exactly 0.9 p1 keeps within the rule
// although the temperature's ratio of 1 leaves a last binary digit.
constexpr double kRuleTolerance = 1e-9;

const char* processName(GasProcess process) {
    switch (process) {
        case GasProcess::Isothermal:
            return "isothermal";
        case GasProcess::Adiabatic:
            return "adiabatic";
        case GasProcess::Polytropic:
            break;
    }
    return "polytropic";
}

std::string pressureText(double value) {
    return numtext::FloatToStr(value) + " " + sysunit::kPressure;
}

}  // namespace

double gasExponent(GasProcess process, double polytropic) {
    switch (process) {
        case GasProcess::Isothermal:
            return 1.0;
        case GasProcess::Adiabatic:
            return kAdiabatic;
        case GasProcess::Polytropic:
            break;
    }
    return polytropic;
}

AccumulatorResult computeAccumulator(const AccumulatorInputs& in) {
    syscheck::requirePositive(in.precharge, "Precharge p0");
    syscheck::requirePositive(in.minimumPressure, "Minimum pressure p1");
    syscheck::requirePositive(in.maximumPressure, "Maximum pressure p2");
    if (!(in.minimumPressure > in.precharge)) {
        throw InputError("Minimum pressure p1 (" + pressureText(in.minimumPressure) +
                         ") must be above the precharge p0 (" + pressureText(in.precharge) + ")");
    }
    if (!(in.maximumPressure > in.minimumPressure)) {
        throw InputError("Maximum pressure p2 (" + pressureText(in.maximumPressure) +
                         ") must be above the minimum pressure p1 (" +
                         pressureText(in.minimumPressure) + ")");
    }
    const double n = gasExponent(in.process, in.exponent);
    syscheck::requireWithin(n, kMinExponent, kMaxExponent, "Polytropic exponent n");
    if (!std::isfinite(in.gasTemperature) || in.gasTemperature <= -kKelvinOffset) {
        throw InputError("Gas temperature: " + numtext::FloatToStr(in.gasTemperature) +
                         " is not above absolute zero");
    }
    if (in.solve == AccumulatorSolve::SizeForUsefulVolume) {
        syscheck::requirePositive(in.usefulVolume, "Useful volume");
    } else {
        syscheck::requirePositive(in.size, "Accumulator size");
    }

    FloatingPointWatch watch;
    AccumulatorResult out;
    out.exponent = n;
    const long double p0 = (in.precharge + kAtmosphere) * (in.gasTemperature + kKelvinOffset) /
                           (kPrechargeCelsius + kKelvinOffset);
    const long double p1 = in.minimumPressure + kAtmosphere;
    const long double p2 = in.maximumPressure + kAtmosphere;
    out.workingPrecharge = static_cast<double>(p0 - kAtmosphere);
    if (!(p1 > p0)) {
        // Warm gas raises the precharge: the bladder would never leave its
        // valve at p1, and no volume would be stored between p0 and p1.
        throw InputError("At " + numtext::FloatToStr(in.gasTemperature) + " " +
                         sysunit::kTemperature + " the precharge is " +
                         Format("%.2f", {out.workingPrecharge}) + " " + sysunit::kPressure +
                         ", not below the minimum pressure p1 (" +
                         pressureText(in.minimumPressure) + ")");
    }
    const long double share1 = std::pow(p0 / p1, 1.0L / n);
    const long double share2 = std::pow(p0 / p2, 1.0L / n);
    const long double useful = share1 - share2;
    const long double size =
        in.solve == AccumulatorSolve::SizeForUsefulVolume ? in.usefulVolume / useful : in.size;
    out.size = static_cast<double>(size);
    out.usefulVolume = static_cast<double>(size * useful);
    out.volumeAtMinimum = static_cast<double>(size * share1);
    out.volumeAtMaximum = static_cast<double>(size * share2);
    out.pressureRatio = static_cast<double>(p2 / p0);
    for (const double result : {out.size, out.usefulVolume, out.volumeAtMinimum,
                                out.volumeAtMaximum, out.pressureRatio}) {
        syscheck::requireSound(watch, result);
    }
    if (out.workingPrecharge >
        kPrechargeShareOfMinimum * in.minimumPressure * (1.0 + kRuleTolerance)) {
        out.advice.push_back("precharge at most 0.9 \u00D7 minimum pressure");
    }
    if (out.pressureRatio > kBladderPressureRatio * (1.0 + kRuleTolerance)) {
        out.advice.push_back("p2/p0 above 4, the usual limit of a bladder");
    }
    return out;
}

ReportLines accumulatorReport(const AccumulatorInputs& in, const AccumulatorResult& out) {
    const char* bar = sysunit::kPressure;
    const char* litre = sysunit::kVolume;
    ReportLines lines{" -------   Gas accumulator (nitrogen)  ----------- "};
    lines.push_back(Format(" Precharge p0 = %.2f [%s] at %.f %s",
                           {in.precharge, bar, kPrechargeCelsius, sysunit::kTemperature}));
    lines.push_back(Format(" Minimum pressure p1 = %.2f [%s]", {in.minimumPressure, bar}));
    lines.push_back(Format(" Maximum pressure p2 = %.2f [%s]", {in.maximumPressure, bar}));
    lines.push_back(
        Format(" Gas temperature = %.1f [%s]", {in.gasTemperature, sysunit::kTemperature}));
    lines.push_back(Format(" Process: %s, n = %.3f", {processName(in.process), out.exponent}));
    lines.push_back(
        Format(" Precharge at gas temperature = %.2f [%s]", {out.workingPrecharge, bar}));
    const bool sized = in.solve == AccumulatorSolve::SizeForUsefulVolume;
    lines.push_back(
        Format(sized ? " Useful volume dV = %.3f [%s] (given)" : " Useful volume dV = %.3f [%s]",
               {out.usefulVolume, litre}));
    lines.push_back(
        Format(sized ? " Size V0 = %.3f [%s]" : " Size V0 = %.3f [%s] (given)", {out.size, litre}));
    lines.push_back(Format(" Gas volume at p1: V1 = %.3f [%s]", {out.volumeAtMinimum, litre}));
    lines.push_back(Format(" Gas volume at p2: V2 = %.3f [%s]", {out.volumeAtMaximum, litre}));
    lines.push_back(Format(" Pressure ratio p2/p0 (absolute) = %.3f", {out.pressureRatio}));
    for (const std::string& advice : out.advice) {
        lines.push_back(" Advice: " + advice);
    }
    return lines;
}
