#include "model/SystemAccumulator.h"

#include <cmath>

#include "model/Quantity.h"
#include "model/SystemChecks.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;
using units::kAtmosphere;
using units::kKelvinOffset;
using units::Quantity;

namespace {

constexpr double kAdiabatic = 1.4;
// A hair of tolerance: a precharge of exactly 0.9 p1 keeps within the rule
// although the temperature's ratio of 1 leaves a last binary digit.
constexpr double kRuleTolerance = 1e-9;

const char* processName(GasProcess process) {
    switch (process) {
        case GasProcess::Isothermal:
            return TEXT_KEY("Model", "isothermal");
        case GasProcess::Adiabatic:
            return TEXT_KEY("Model", "adiabatic");
        case GasProcess::Polytropic:
            break;
    }
    return TEXT_KEY("Model", "polytropic");
}

std::string pressureText(double value) {
    return numtext::FloatToStr(value) + " " +
           std::string(units::modelUnit(Quantity::Pressure).ascii);
}

// A figure of the report, by the framework's number rules.
units::ReportRow row(std::string label, double value, units::Quantity quantity, const char* number,
                     std::string after, bool continues = false) {
    return units::numberRow(std::move(label), value, quantity, units::NumberRules::Framework,
                            number, std::move(after), continues);
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
    syscheck::requirePositive(in.precharge, TEXT_KEY("Model", "Precharge p0"));
    syscheck::requirePositive(in.minimumPressure, TEXT_KEY("Model", "Minimum pressure p1"));
    syscheck::requirePositive(in.maximumPressure, TEXT_KEY("Model", "Maximum pressure p2"));
    if (!(in.minimumPressure > in.precharge)) {
        throw InputError(KeyedText{
            TEXT_KEY("Model", "Minimum pressure p1 (%1) must be above the precharge p0 (%2)"),
            {pressureText(in.minimumPressure), pressureText(in.precharge)}});
    }
    if (!(in.maximumPressure > in.minimumPressure)) {
        throw InputError(KeyedText{
            TEXT_KEY("Model",
                     "Maximum pressure p2 (%1) must be above the minimum pressure p1 (%2)"),
            {pressureText(in.maximumPressure), pressureText(in.minimumPressure)}});
    }
    const double n = gasExponent(in.process, in.exponent);
    syscheck::requireWithin(n, kMinExponent, kMaxExponent,
                            TEXT_KEY("Model", "Polytropic exponent n"));
    if (!std::isfinite(in.gasTemperature) || in.gasTemperature <= -kKelvinOffset) {
        throw InputError(
            KeyedText{TEXT_KEY("Model", "Gas temperature: %1 is not above absolute zero"),
                      {numtext::FloatToStr(in.gasTemperature)}});
    }
    if (in.solve == AccumulatorSolve::SizeForUsefulVolume) {
        syscheck::requirePositive(in.usefulVolume, TEXT_KEY("Model", "Useful volume"));
    } else {
        syscheck::requirePositive(in.size, TEXT_KEY("Model", "Accumulator size"));
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
        throw InputError(KeyedText{
            TEXT_KEY("Model", "At %1 the precharge is %2, not below the minimum pressure p1 (%3)"),
            {numtext::FloatToStr(in.gasTemperature) + " " +
                 std::string(units::modelUnit(Quantity::Temperature).display),
             Format("%.2f", {out.workingPrecharge}) + " " +
                 std::string(units::modelUnit(Quantity::Pressure).ascii),
             pressureText(in.minimumPressure)}});
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
        out.advice.push_back(TEXT_KEY("Model", "precharge at most 0.9 \u00D7 minimum pressure"));
    }
    if (out.pressureRatio > kBladderPressureRatio * (1.0 + kRuleTolerance)) {
        out.advice.push_back(TEXT_KEY("Model", "p2/p0 above 4, the usual limit of a bladder"));
    }
    return out;
}

units::ReportRows accumulatorReportRows(const AccumulatorInputs& in, const AccumulatorResult& out) {
    units::ReportRows rows{
        units::textRow(TEXT_KEY("Model", " -------   Gas accumulator (nitrogen)  ----------- "))};
    rows.push_back(row(TEXT_KEY("Model", " Precharge p0 = "), in.precharge, Quantity::Pressure,
                       "%.2f", TEXT_KEY("Model", " [{unit}] at "), true));
    rows.push_back(row("", kPrechargeCelsius, Quantity::Temperature, "%.f", " {symbol}"));
    rows.push_back(row(TEXT_KEY("Model", " Minimum pressure p1 = "), in.minimumPressure,
                       Quantity::Pressure, "%.2f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Maximum pressure p2 = "), in.maximumPressure,
                       Quantity::Pressure, "%.2f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Gas temperature = "), in.gasTemperature,
                       Quantity::Temperature, "%.1f", " [{symbol}]"));
    // The process's name in a row of its own, so that it is translated apart.
    rows.push_back(units::textRow(TEXT_KEY("Model", " Process: "), true));
    rows.push_back(units::textRow(processName(in.process), true));
    rows.push_back(row(", n = ", out.exponent, Quantity::Ratio, "%.3f", ""));
    rows.push_back(row(TEXT_KEY("Model", " Precharge at gas temperature = "), out.workingPrecharge,
                       Quantity::Pressure, "%.2f", " [{unit}]"));
    const bool sized = in.solve == AccumulatorSolve::SizeForUsefulVolume;
    const char* const given = TEXT_KEY("Model", " [{unit}] (given)");
    rows.push_back(row(TEXT_KEY("Model", " Useful volume dV = "), out.usefulVolume,
                       Quantity::Volume, "%.3f", sized ? given : " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Size V0 = "), out.size, Quantity::Volume, "%.3f",
                       sized ? " [{unit}]" : given));
    rows.push_back(row(TEXT_KEY("Model", " Gas volume at p1: V1 = "), out.volumeAtMinimum,
                       Quantity::Volume, "%.3f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Gas volume at p2: V2 = "), out.volumeAtMaximum,
                       Quantity::Volume, "%.3f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Pressure ratio p2/p0 (absolute) = "), out.pressureRatio,
                       Quantity::Ratio, "%.3f", ""));
    for (const std::string& advice : out.advice) {
        rows.push_back(units::textRow(TEXT_KEY("Model", " Advice: "), true));
        rows.push_back(units::textRow(advice));
    }
    return rows;
}

ReportLines accumulatorReport(const AccumulatorInputs& in, const AccumulatorResult& out) {
    return units::metricLines(accumulatorReportRows(in, out));
}
