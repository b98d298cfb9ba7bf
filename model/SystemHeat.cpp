#include "model/SystemHeat.h"

#include <cmath>
#include <string>

#include "model/SystemChecks.h"
#include "model/SystemUnits.h"
#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;

namespace {

constexpr long double kSecondsPerMinute = 60.0L;
constexpr long double kWattsPerKilowatt = 1000.0L;
constexpr long double kCubicMetresPerLitre = 0.001L;
constexpr double kTankAreaFactor = 0.065;

// k A in kW/K.
long double coolingPerKelvin(const HeatInputs& in) {
    return static_cast<long double>(in.transfer) * in.tankArea / kWattsPerKilowatt;
}

}  // namespace

double tankSurfaceArea(double litres) {
    syscheck::requirePositive(litres, "Tank volume");
    FloatingPointWatch watch;
    const long double area = kTankAreaFactor * std::cbrt(static_cast<long double>(litres) * litres);
    syscheck::requireSound(watch, area);
    return static_cast<double>(area);
}

HeatResult computeHeatBalance(const HeatInputs& in) {
    syscheck::requirePositive(in.powerLost, "Power lost");
    if (!std::isfinite(in.duty) || !(in.duty > 0.0) || in.duty > 100.0) {
        throw InputError("Duty: " + numtext::FloatToStr(in.duty) + " is not in (0, 100]");
    }
    syscheck::requirePositive(in.tankVolume, "Tank volume");
    syscheck::requirePositive(in.tankArea, "Tank surface");
    syscheck::requirePositive(in.transfer, "Heat transfer coefficient k");
    syscheck::requirePositive(in.density, "Oil density");
    syscheck::requirePositive(in.specificHeat, "Specific heat");
    for (const double temperature : {in.ambient, in.highestOil}) {
        if (!std::isfinite(temperature) || temperature <= -sysunit::kKelvinOffset) {
            throw InputError("Temperature: " + numtext::FloatToStr(temperature) +
                             " is not above absolute zero");
        }
    }
    if (!(in.highestOil > in.ambient)) {
        throw InputError("Highest oil temperature (" + numtext::FloatToStr(in.highestOil) +
                         ") must be above the ambient temperature (" +
                         numtext::FloatToStr(in.ambient) + ")");
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

ReportLines heatReport(const HeatInputs& in, const HeatResult& out) {
    const char* celsius = sysunit::kTemperature;
    const char* minutes = sysunit::kTime;
    ReportLines lines{" -------   Heat balance of the tank  ----------- "};
    lines.push_back(Format(" Power lost P = %.3f [%s] at a duty of %.1f [%s]",
                           {in.powerLost, sysunit::kPower, in.duty, sysunit::kShare}));
    lines.push_back(Format(" Tank volume V = %.1f [%s]", {in.tankVolume, sysunit::kVolume}));
    lines.push_back(Format(" Tank surface A = %.3f [%s]", {in.tankArea, sysunit::kArea}));
    lines.push_back(
        Format(" Heat transfer coefficient k = %.2f [%s]", {in.transfer, sysunit::kHeatTransfer}));
    lines.push_back(Format(" Ambient Ta = %.1f [%s]", {in.ambient, celsius}));
    lines.push_back(Format(" Highest oil temperature Tmax = %.1f [%s]", {in.highestOil, celsius}));
    lines.push_back(
        Format(" Oil density = %.1f [%s], specific heat c = %.2f [%s]",
               {in.density, sysunit::kDensity, in.specificHeat, sysunit::kSpecificHeat}));
    lines.push_back(" The tank's steel is left out of the heat capacity (on the safe side)");
    lines.push_back(
        Format(" Steady oil temperature = %.1f [%s]", {out.steadyTemperature, celsius}));
    lines.push_back(Format(" Time constant tau = %.1f [%s]", {out.timeConstant, minutes}));
    if (out.timeToHighest) {
        lines.push_back(
            Format(" Time from ambient to Tmax = %.1f [%s]", {*out.timeToHighest, minutes}));
    } else {
        lines.push_back(" Time from ambient to Tmax: not reached");
    }
    lines.push_back(
        Format(" Cooler power to hold Tmax = %.3f [%s]", {out.coolerPower, sysunit::kPower}));
    return lines;
}
