#include "model/CylinderDesign.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "model/faults.h"
#include "model/numtext.h"

using units::Quantity;

namespace {

// A figure of the report, by the framework's number rules.
units::ReportRow row(std::string label, double value, Quantity quantity, const char* number,
                     std::string after, bool continues = false) {
    return units::numberRow(std::move(label), value, quantity, units::NumberRules::Framework,
                            number, std::move(after), continues);
}

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
            return TEXT_KEY("Model", "yield strength");
        case BucklingLaw::Tetmajer:
            return TEXT_KEY("Model", "Tetmajer");
        case BucklingLaw::Euler:
            return TEXT_KEY("Model", "Euler");
    }
    return TEXT_KEY("Model", "Euler");
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
        return std::string(TEXT_KEY("Model", "Stroke must be greater than 0 mm"));
    }
    if (!positive(in.pistonDiameter) || !positive(in.rodDiameter) ||
        !(in.rodDiameter < in.pistonDiameter)) {
        return std::string(TEXT_KEY(
            "Model",
            "Rod diameter d must be greater than 0 and smaller than the piston diameter D"));
    }
    if (!(std::isfinite(in.mountingLength) && in.mountingLength >= 0.0)) {
        return std::string(TEXT_KEY("Model", "Mounting length must not be negative"));
    }
    if (!(std::isfinite(in.safetyFactor) && in.safetyFactor >= 1.0)) {
        return std::string(TEXT_KEY("Model", "Safety factor must be at least 1"));
    }
    if (!positive(in.flow)) {
        return std::string(TEXT_KEY("Model", "Flow must be greater than 0 l/min"));
    }
    if (!(positive(in.efficiency) && in.efficiency <= 1.0)) {
        return std::string(TEXT_KEY("Model", "Efficiency must lie in (0, 1]"));
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

units::ReportRows bucklingVerdictRows(const BucklingFigures& buckling,
                                      std::optional<double> pushLoad) {
    if (!pushLoad) {
        return {units::textRow(
            TEXT_KEY("Model", "pull load: the rod is not pushed and does not buckle"))};
    }
    if (rodSafe(buckling, pushLoad)) {
        return {units::textRow(TEXT_KEY("Model", "rod safe against buckling"))};
    }
    return {row(TEXT_KEY("Model", "rod may buckle: permissible "), buckling.permissible,
                Quantity::Force, "%.2f", TEXT_KEY("Model", " {unit}, load "), true),
            row("", *pushLoad, Quantity::Force, "%.2f", " {unit}")};
}

std::string bucklingVerdict(const BucklingFigures& buckling, std::optional<double> pushLoad,
                            units::UnitSystem system) {
    ReportLines lines;
    const units::ReportRows rows = bucklingVerdictRows(buckling, pushLoad);
    units::appendRows(lines, rows, system);
    return lines.empty() ? std::string() : lines.front();
}

void writeDesignReportRows(const CylinderDesignInputs& in, const CylinderDesign& design,
                           std::optional<double> pushLoad, units::ReportRows& rows) {
    constexpr Quantity kMm = Quantity::SmallLength;
    const StrokeFigures& s = design.stroke;
    const BucklingFigures& b = design.buckling;
    rows.push_back(
        units::textRow(TEXT_KEY("Model", " ---------- Stroke and buckling ---------- ")));
    rows.push_back(row(TEXT_KEY("Model", " Stroke: s = "), in.stroke, kMm, "%.0f",
                       TEXT_KEY("Model", " [{unit}], flow Q = "), true));
    rows.push_back(row("", in.flow, Quantity::Flow, "%.2f", " [{unit}]"));
    const auto motion = [&rows](const char* label, double speed, double time, double volume) {
        rows.push_back(row(label, speed, Quantity::Velocity, "%.4f",
                           TEXT_KEY("Model", " [{unit}], t = "), true));
        rows.push_back(
            row("", time, Quantity::Time, "%.2f", TEXT_KEY("Model", " [{unit}], V = "), true));
        rows.push_back(row("", volume, Quantity::Volume, "%.3f", " [{unit}]"));
    };
    motion(TEXT_KEY("Model", " Extend:  v = "), s.extendSpeed, s.extendTime, s.extendVolume);
    motion(TEXT_KEY("Model", " Retract: v = "), s.retractSpeed, s.retractTime, s.retractVolume);
    if (design.regenerative) {
        const RegenerativeFigures& r = *design.regenerative;
        rows.push_back(row(TEXT_KEY("Model", " Regenerative extension: v = "), r.speed,
                           Quantity::Velocity, "%.4f", TEXT_KEY("Model", " [{unit}], F = "), true));
        rows.push_back(
            row("", r.force, Quantity::Force, "%.2f", TEXT_KEY("Model", " [{unit}], t = "), true));
        rows.push_back(row("", r.time, Quantity::Time, "%.2f", " [{unit}]"));
    }
    const char* const mountings[] = {
        TEXT_KEY("Model", "fixed - free"), TEXT_KEY("Model", "pinned - pinned"),
        TEXT_KEY("Model", "fixed - pinned"), TEXT_KEY("Model", "fixed - fixed")};
    // The mounting's name in a row of its own, so that it is translated apart.
    rows.push_back(units::textRow(TEXT_KEY("Model", " Mounting: "), true));
    rows.push_back(units::textRow(mountings[static_cast<int>(in.mounting)], true));
    rows.push_back(row(", L = ", in.mountingLength + in.stroke, kMm, "%.0f",
                       TEXT_KEY("Model", " [{unit}] extended")));
    rows.push_back(row(TEXT_KEY("Model", " Buckling length L_K = "), b.freeLength, kMm, "%.0f",
                       TEXT_KEY("Model", " [{unit}], slenderness = "), true));
    rows.push_back(row("", b.slenderness, Quantity::Ratio, "%.1f", " (", true));
    rows.push_back(units::textRow(lawName(b.law), true));
    rows.push_back(units::textRow(")"));
    rows.push_back(row(TEXT_KEY("Model", " Buckling load "), b.load, Quantity::Force, "%.2f",
                       TEXT_KEY("Model", " [{unit}], permissible push force "), true));
    rows.push_back(row("", b.permissible, Quantity::Force, "%.2f",
                       TEXT_KEY("Model", " [{unit}] (safety "), true));
    rows.push_back(row("", in.safetyFactor, Quantity::Ratio, "%.2f", ")"));
    rows.push_back(units::textRow(" ", true));
    for (units::ReportRow& verdict : bucklingVerdictRows(b, pushLoad)) {
        rows.push_back(std::move(verdict));
    }
}

void writeDesignReport(const CylinderDesignInputs& in, const CylinderDesign& design,
                       std::optional<double> pushLoad, ReportLines& lines) {
    units::ReportRows rows;
    writeDesignReportRows(in, design, pushLoad, rows);
    units::appendRows(lines, rows, units::kMetric);
}
