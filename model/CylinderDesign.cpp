#include "model/CylinderDesign.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "model/faults.h"
#include "model/numtext.h"

using numtext::Format;

namespace {

// Areas as the cylinder computes them (3.14 for pi), in cm2 from mm.
constexpr long double kPi314 = 3.14L;
long double areaCm2(long double diameterMm) {
    return diameterMm * diameterMm * kPi314 / 400.0L;
}

// Q [l/min] over A [cm2] is a speed of Q / (6 A) m/s.
long double speedOf(long double flow, long double area) {
    return flow / (6.0L * area);
}

const char* lawName(BucklingLaw law) {
    switch (law) {
        case BucklingLaw::Yield:
            return "yield strength";
        case BucklingLaw::Tetmajer:
            return "Tetmajer";
        case BucklingLaw::Euler:
            return "Euler";
    }
    return "Euler";
}

}  // namespace

double bucklingLengthFactor(MountingCase mounting) {
    switch (mounting) {
        case MountingCase::FixedFree:
            return 2.0;
        case MountingCase::PinnedPinned:
            return 1.0;
        case MountingCase::FixedPinned:
            return 0.7;
        case MountingCase::FixedFixed:
            return 0.5;
    }
    return 1.0;
}

std::optional<std::string> checkDesignInputs(const CylinderDesignInputs& in) {
    if (!positive(in.stroke)) {
        return std::string("Stroke must be greater than 0 mm");
    }
    if (!positive(in.pistonDiameter) || !positive(in.rodDiameter) ||
        !(in.rodDiameter < in.pistonDiameter)) {
        return std::string(
            "Rod diameter d must be greater than 0 and smaller than the piston diameter D");
    }
    if (!(std::isfinite(in.mountingLength) && in.mountingLength >= 0.0)) {
        return std::string("Mounting length must not be negative");
    }
    if (!(std::isfinite(in.safetyFactor) && in.safetyFactor >= 1.0)) {
        return std::string("Safety factor must be at least 1");
    }
    if (!positive(in.flow)) {
        return std::string("Flow must be greater than 0 l/min");
    }
    if (!(positive(in.efficiency) && in.efficiency <= 1.0)) {
        return std::string("Efficiency must lie in (0, 1]");
    }
    return std::nullopt;
}

CylinderDesign designCylinder(const CylinderDesignInputs& in, const RodSteel& steel) {
    if (auto problem = checkDesignInputs(in)) {
        throw std::invalid_argument(*problem);
    }
    FloatingPointWatch watch;
    const long double piston = areaCm2(in.pistonDiameter);
    const long double rod = areaCm2(in.rodDiameter);
    const long double annulus = piston - rod;
    const long double extendArea = in.throughRod ? annulus : piston;
    const long double stroke = in.stroke;  // mm
    CylinderDesign design;
    StrokeFigures& s = design.stroke;
    s.extendSpeed = static_cast<double>(speedOf(in.flow, extendArea));
    s.extendTime = static_cast<double>(stroke / 1000.0L / speedOf(in.flow, extendArea));
    // cm2 x mm / 10 is cm3; / 1000 is litres.
    s.extendVolume = static_cast<double>(extendArea * stroke / 10000.0L);
    s.retractSpeed = static_cast<double>(speedOf(in.flow, annulus));
    s.retractTime = static_cast<double>(stroke / 1000.0L / speedOf(in.flow, annulus));
    s.retractVolume = static_cast<double>(annulus * stroke / 10000.0L);
    if (!in.throughRod) {
        RegenerativeFigures r;
        r.speed = static_cast<double>(speedOf(in.flow, rod));
        // bar x cm2 is 10 N; / 100 gives kN.
        r.force = static_cast<double>(static_cast<long double>(in.pressure) * rod * in.efficiency /
                                      100.0L);
        r.time = static_cast<double>(stroke / 1000.0L / speedOf(in.flow, rod));
        design.regenerative = r;
    }

    BucklingFigures& b = design.buckling;
    const long double d = in.rodDiameter;
    const long double length = static_cast<long double>(in.mountingLength) + stroke;
    const long double freeLength = bucklingLengthFactor(in.mounting) * length;
    const long double slenderness = 4.0L * freeLength / d;
    const long double section = std::numbers::pi_v<long double> * d * d / 4.0L;  // mm2
    long double load = 0.0L;                                                     // N
    if (slenderness >= steel.limitingSlenderness) {
        const long double inertia = std::numbers::pi_v<long double> * d * d * d * d / 64.0L;
        load = std::numbers::pi_v<long double> * std::numbers::pi_v<long double> *
               steel.elasticity * inertia / (freeLength * freeLength);
        b.law = BucklingLaw::Euler;
    } else if (slenderness >= steel.tetmajerFrom) {
        load = (steel.tetmajerA - steel.tetmajerB * slenderness) * section;
        b.law = BucklingLaw::Tetmajer;
    } else {
        load = steel.yieldStrength * section;
        b.law = BucklingLaw::Yield;
    }
    b.freeLength = static_cast<double>(freeLength);
    b.slenderness = static_cast<double>(slenderness);
    b.load = static_cast<double>(load / 1000.0L);
    b.permissible = static_cast<double>(load / 1000.0L / in.safetyFactor);
    watch.check();
    for (double value : {s.extendSpeed, s.extendTime, s.extendVolume, s.retractSpeed, s.retractTime,
                         s.retractVolume, b.freeLength, b.slenderness, b.load, b.permissible}) {
        requireFinite(value);
    }
    return design;
}

bool rodSafe(const BucklingFigures& buckling, std::optional<double> pushLoad) {
    return !pushLoad || *pushLoad <= buckling.permissible;
}

std::string bucklingVerdict(const BucklingFigures& buckling, std::optional<double> pushLoad) {
    if (!pushLoad) {
        return "pull load: the rod is not pushed and does not buckle";
    }
    if (rodSafe(buckling, pushLoad)) {
        return "rod safe against buckling";
    }
    return Format("rod may buckle: permissible %.2f kN, load %.2f kN",
                  {buckling.permissible, *pushLoad});
}

void writeDesignReport(const CylinderDesignInputs& in, const CylinderDesign& design,
                       std::optional<double> pushLoad, ReportLines& lines) {
    const StrokeFigures& s = design.stroke;
    const BucklingFigures& b = design.buckling;
    lines.push_back(" ---------- Stroke and buckling ---------- ");
    lines.push_back(Format(" Stroke: s = %.0f [mm], flow Q = %.2f [l/min]", {in.stroke, in.flow}));
    lines.push_back(Format(" Extend:  v = %.4f [m/s], t = %.2f [s], V = %.3f [l]",
                           {s.extendSpeed, s.extendTime, s.extendVolume}));
    lines.push_back(Format(" Retract: v = %.4f [m/s], t = %.2f [s], V = %.3f [l]",
                           {s.retractSpeed, s.retractTime, s.retractVolume}));
    if (design.regenerative) {
        const RegenerativeFigures& r = *design.regenerative;
        lines.push_back(
            Format(" Regenerative extension: v = %.4f [m/s], F = %.2f [kN], t = %.2f [s]",
                   {r.speed, r.force, r.time}));
    }
    const char* const mountings[] = {"fixed - free", "pinned - pinned", "fixed - pinned",
                                     "fixed - fixed"};
    lines.push_back(std::string(" Mounting: ") + mountings[static_cast<int>(in.mounting)] +
                    Format(", L = %.0f [mm] extended", {in.mountingLength + in.stroke}));
    lines.push_back(Format(" Buckling length L_K = %.0f [mm], slenderness = %.1f (",
                           {b.freeLength, b.slenderness}) +
                    lawName(b.law) + ")");
    lines.push_back(
        Format(" Buckling load %.2f [kN], permissible push force %.2f [kN] (safety %.2f)",
               {b.load, b.permissible, in.safetyFactor}));
    // Appended rather than " " + text: GCC 12's -Wrestrict misreads that
    // concatenation of a temporary in optimised builds.
    std::string verdict(" ");
    verdict += bucklingVerdict(b, pushLoad);
    lines.push_back(verdict);
}
