#pragma once

#include <optional>
#include <string>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

// What a designer asks of a cylinder beyond its force and speed: how long a
// stroke takes and how much oil it moves, what a regenerative circuit gives,
// and whether the rod buckles under the push load.

// How the cylinder is mounted, as the four Euler cases: the free buckling
// length is the factor times the distance between the mounting points.
enum class MountingCase {
    FixedFree,     // fixed at the rear, the rod end free: 2 L
    PinnedPinned,  // rear eye and rod eye: 1 L
    FixedPinned,   // fixed at the rear, rod eye guided: 0.7 L
    FixedFixed,    // fixed at both ends: 0.5 L
};
double bucklingLengthFactor(MountingCase mounting);

struct CylinderDesignInputs {
    double pistonDiameter = 0.0;  // D, mm
    double rodDiameter = 0.0;     // d, mm
    bool throughRod = false;      // both sides annular
    double stroke = 0.0;          // s, mm
    double flow = 0.0;            // Q, l/min, the supply flow
    double pressure = 0.0;        // p, bar, for the regenerative force
    double efficiency = 1.0;
    MountingCase mounting = MountingCase::PinnedPinned;
    double mountingLength = 0.0;  // mm, between the mounting points when retracted
    double safetyFactor = 3.5;
};

// Why the inputs cannot be designed with, as a message naming the input, or
// nothing: the stroke above 0, the rod thinner than the piston (both above
// 0), the mounting length not negative, the safety factor at least 1, the
// flow above 0 and the efficiency in (0, 1].
std::optional<std::string> checkDesignInputs(const CylinderDesignInputs& inputs);

struct StrokeFigures {
    double extendSpeed = 0.0;    // m/s
    double extendTime = 0.0;     // s
    double extendVolume = 0.0;   // l, oil into the piston side (the annulus for a through rod)
    double retractSpeed = 0.0;   // m/s
    double retractTime = 0.0;    // s
    double retractVolume = 0.0;  // l, oil into the annulus
};

// Rod-side oil led back to the piston side: the rod's area alone is driven.
struct RegenerativeFigures {
    double speed = 0.0;  // m/s, Q / (A1 - A2)
    double force = 0.0;  // kN, p (A1 - A2) eta
    double time = 0.0;   // s
};

// The steel of the rod: Euler above the limiting slenderness, Tetmajer's
// straight line down to 60, the yield strength below that.
struct RodSteel {
    double elasticity = 210000.0;  // E, N/mm2
    double yieldStrength = 355.0;  // N/mm2 (S355)
    double tetmajerA = 335.0;      // sigma_K = a - b lambda, N/mm2
    double tetmajerB = 0.62;       //
    double limitingSlenderness = 89.0;
    double tetmajerFrom = 60.0;
};

enum class BucklingLaw { Yield, Tetmajer, Euler };

struct BucklingFigures {
    double freeLength = 0.0;   // L_K, mm
    double slenderness = 0.0;  // lambda = 4 L_K / d
    BucklingLaw law = BucklingLaw::Euler;
    double load = 0.0;         // kN, the buckling load
    double permissible = 0.0;  // kN, the buckling load / the safety factor
};

struct CylinderDesign {
    StrokeFigures stroke;
    std::optional<RegenerativeFigures> regenerative;  // the differential cylinder only
    BucklingFigures buckling;
};

// Everything at once, for inputs checkDesignInputs accepts (others throw
// std::invalid_argument with its message). Areas with 3.14, as the cylinder
// itself computes them; the rod's moment of inertia with pi. A formula fault
// throws FloatingPointFault.
CylinderDesign designCylinder(const CylinderDesignInputs& inputs,
                              const RodSteel& steel = RodSteel{});

// The design's report lines, after the cylinder's own report. pushLoad: the
// push force the cylinder works against in kN, or nothing for a pull load.
// The rows, and the lines in the metric system.
void writeDesignReportRows(const CylinderDesignInputs& inputs, const CylinderDesign& design,
                           std::optional<double> pushLoad, units::ReportRows& rows);
void writeDesignReport(const CylinderDesignInputs& inputs, const CylinderDesign& design,
                       std::optional<double> pushLoad, ReportLines& lines);

// The verdict on the rod: safe, may buckle (naming both forces), or, for a
// pull load, that it does not buckle. As rows (one line), and as the line in
// a unit system.
units::ReportRows bucklingVerdictRows(const BucklingFigures& buckling,
                                      std::optional<double> pushLoad);
std::string bucklingVerdict(const BucklingFigures& buckling, std::optional<double> pushLoad,
                            units::UnitSystem system = units::kMetric);
bool rodSafe(const BucklingFigures& buckling, std::optional<double> pushLoad);
