#include "model/SystemHeat.h"

#include <cmath>
#include <string>

#include "model/Quantity.h"
#include "model/SystemChecks.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;
using units::Quantity;

namespace {

constexpr long double kSecondsPerMinute = 60.0L;
constexpr long double kWattsPerKilowatt = 1000.0L;
constexpr long double kCubicMetresPerLitre = 0.001L;
constexpr double kTankAreaFactor = 0.065;

// A figure of the report, by the framework's number rules.
units::ReportRow row(std::string label, double value, units::Quantity quantity, const char* number,
                     std::string after, bool continues = false) {
    return units::numberRow(std::move(label), value, quantity, units::NumberRules::Framework,
                            number, std::move(after), continues);
}

// k A in kW/K.
long double coolingPerKelvin(const HeatInputs& in) {
    return static_cast<long double>(in.transfer) * in.tankArea / kWattsPerKilowatt;
}

}  // namespace

double tankSurfaceArea(double litres) {
    syscheck::requirePositive(litres, TEXT_KEY("Model", "Tank volume"));
    FloatingPointWatch watch;
    const long double area = kTankAreaFactor * std::cbrt(static_cast<long double>(litres) * litres);
    syscheck::requireSound(watch, area);
    return static_cast<double>(area);
}

HeatResult computeHeatBalance(const HeatInputs& in) {
    syscheck::requirePositive(in.powerLost, TEXT_KEY("Model", "Power lost"));
    if (!std::isfinite(in.duty) || !(in.duty > 0.0) || in.duty > 100.0) {
        throw InputError(KeyedText{TEXT_KEY("Model", "Duty: %1 is not in (0, 100]"),
                                   {numtext::FloatToStr(in.duty)}});
    }
    syscheck::requirePositive(in.tankVolume, TEXT_KEY("Model", "Tank volume"));
    syscheck::requirePositive(in.tankArea, TEXT_KEY("Model", "Tank surface"));
    syscheck::requirePositive(in.transfer, TEXT_KEY("Model", "Heat transfer coefficient k"));
    syscheck::requirePositive(in.density, TEXT_KEY("Model", "Oil density"));
    syscheck::requirePositive(in.specificHeat, TEXT_KEY("Model", "Specific heat"));
    for (const double temperature : {in.ambient, in.highestOil}) {
        if (!std::isfinite(temperature) || temperature <= -units::kKelvinOffset) {
            throw InputError(
                KeyedText{TEXT_KEY("Model", "Temperature: %1 is not above absolute zero"),
                          {numtext::FloatToStr(temperature)}});
        }
    }
    if (!(in.highestOil > in.ambient)) {
        throw InputError(KeyedText{
            TEXT_KEY("Model",
                     "Highest oil temperature (%1) must be above the ambient temperature (%2)"),
            {numtext::FloatToStr(in.highestOil), numtext::FloatToStr(in.ambient)}});
    }
    FloatingPointWatch watch;
    HeatResult out;
    const long double power = static_cast<long double>(in.powerLost) * in.duty / 100.0L;
    const long double kA = coolingPerKelvin(in);
    const long double rise = power / kA;  // K above ambient in the steady state
    const long double mass =
        static_cast<long double>(in.tankVolume) * kCubicMetresPerLitre * in.density;
    // m c in kJ/K over k A in kW/K gives seconds.
    const long double tau = mass * in.specificHeat / kA / kSecondsPerMinute;
    const long double allowedRise = static_cast<long double>(in.highestOil) - in.ambient;
    out.meanPower = static_cast<double>(power);
    out.steadyTemperature = static_cast<double>(in.ambient + rise);
    out.timeConstant = static_cast<double>(tau);
    if (rise > allowedRise) {
        const long double time = -tau * std::log1p(-allowedRise / rise);
        syscheck::requireSound(watch, time);
        out.timeToHighest = static_cast<double>(time);
    }
    const long double cooler = power - kA * allowedRise;
    out.coolerPower = cooler > 0.0L ? static_cast<double>(cooler) : 0.0;
    for (const double result :
         {out.meanPower, out.steadyTemperature, out.timeConstant, out.coolerPower}) {
        syscheck::requireSound(watch, result);
    }
    return out;
}

double oilTemperatureAt(const HeatInputs& in, const HeatResult& out, double minutes) {
    FloatingPointWatch watch;
    const long double rise = static_cast<long double>(out.steadyTemperature) - in.ambient;
    const long double temperature =
        in.ambient - rise * std::expm1(-static_cast<long double>(minutes) / out.timeConstant);
    syscheck::requireSound(watch, temperature);
    return static_cast<double>(temperature);
}

units::ReportRows heatReportRows(const HeatInputs& in, const HeatResult& out) {
    constexpr Quantity kCelsius = Quantity::Temperature;
    constexpr Quantity kMinutes = Quantity::Minutes;
    units::ReportRows rows{
        units::textRow(TEXT_KEY("Model", " -------   Heat balance of the tank  ----------- "))};
    rows.push_back(row(TEXT_KEY("Model", " Power lost P = "), in.powerLost, Quantity::Power, "%.3f",
                       TEXT_KEY("Model", " [{unit}] at a duty of "), true));
    rows.push_back(row("", in.duty, Quantity::Ratio, "%.1f", " [%]"));
    rows.push_back(row(TEXT_KEY("Model", " Tank volume V = "), in.tankVolume, Quantity::Volume,
                       "%.1f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Tank surface A = "), in.tankArea, Quantity::LargeArea,
                       "%.3f", " [{unit}]"));
    rows.push_back(row(TEXT_KEY("Model", " Heat transfer coefficient k = "), in.transfer,
                       Quantity::HeatTransfer, "%.2f", " [{unit}]"));
    rows.push_back(
        row(TEXT_KEY("Model", " Ambient Ta = "), in.ambient, kCelsius, "%.1f", " [{symbol}]"));
    rows.push_back(row(TEXT_KEY("Model", " Highest oil temperature Tmax = "), in.highestOil,
                       kCelsius, "%.1f", " [{symbol}]"));
    rows.push_back(row(TEXT_KEY("Model", " Oil density = "), in.density, Quantity::Density, "%.1f",
                       TEXT_KEY("Model", " [{unit}], specific heat c = "), true));
    rows.push_back(row("", in.specificHeat, Quantity::SpecificHeat, "%.2f", " [{unit}]"));
    rows.push_back(units::textRow(TEXT_KEY(
        "Model", " The tank's steel is left out of the heat capacity (on the safe side)")));
    rows.push_back(row(TEXT_KEY("Model", " Steady oil temperature = "), out.steadyTemperature,
                       kCelsius, "%.1f", " [{symbol}]"));
    rows.push_back(row(TEXT_KEY("Model", " Time constant tau = "), out.timeConstant, kMinutes,
                       "%.1f", " [{unit}]"));
    if (out.timeToHighest) {
        rows.push_back(row(TEXT_KEY("Model", " Time from ambient to Tmax = "), *out.timeToHighest,
                           kMinutes, "%.1f", " [{unit}]"));
    } else {
        rows.push_back(
            units::textRow(TEXT_KEY("Model", " Time from ambient to Tmax: not reached")));
    }
    rows.push_back(row(TEXT_KEY("Model", " Cooler power to hold Tmax = "), out.coolerPower,
                       Quantity::Power, "%.3f", " [{unit}]"));
    return rows;
}

ReportLines heatReport(const HeatInputs& in, const HeatResult& out) {
    return units::metricLines(heatReportRows(in, out));
}
