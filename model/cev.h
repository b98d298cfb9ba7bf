#pragma once

#include <string>
#include <string_view>

#include "model/bazna.h"

// The wall materials 1..6 as the line page lists them, by the name it shows;
// any other material number is copper's, as in the calculation.
std::string_view tubeTypeName(unsigned material);

// A friction factor as the reports and the line page show it: four
// significant digits, whatever its size.
std::string fourSignificantDigits(double value);

// A straight pipe line: from diameter, length, fluid and wall material and
// either the mean velocity or the flow, computes the other of the two, the
// Reynolds number, the flow regime, the friction factor and the pressure drop.
//
// flowGiven != 0: speedOrFlow is the flow in l/min; 0: the velocity in m/s.
// material 1..6 selects the wall roughness; anything else is copper's.
class cev : public bazna {
  public:
    cev(double speedOrFlow, double length, double density, double diameter, double viscosity,
        unsigned material, int flowGiven);

    // pressureDrop from the friction law of the current regime.
    void computePressureDrop() override;
    void writeReportRows(units::ReportRows& rows) const override;

    void computeReynolds();
    // The wall roughness, its ratio to the diameter and the tube type's name.
    void setRoughness(unsigned material);
    // Returns the regime's name and sets frictionFactor.
    std::string classifyFlow();

    // The drop of this line at another flow (l/min), by the law of the
    // regime that flow has: its characteristic, point by point. No flow, no
    // drop. A fault of a formula throws FloatingPointFault.
    double dropAtFlow(double flow) const;

    double diameter = 0.0;        // mm
    double frictionFactor = 0.0;  // Darcy lambda
    double velocity = 0.0;        // m/s
    double length = 0.0;          // m
    double reynolds = 0.0;
    double relativeRoughness = 0.0;  // roughness k [mm] / diameter [mm]
    double roughness = 0.0;          // wall roughness k, mm
    std::string tubeType;            // the wall material's name, see tubeTypeName
    std::string flowType;
    double laminarConstant = 0.0;  // 64 for a pipe, 75 for a hose

  protected:
    // Base defaults, empty regime, type code and name of a pipe; no calculation.
    // Only the hose constructor starts from it.
    cev();
    // The calculation shared by pipe and hose.
    void calculate(double speedOrFlow, double length, double density, double diameter,
                   double viscosity, unsigned material, int flowGiven);

    // The friction factor of turbulent flow from the Colebrook-White equation
    // 1/sqrt(lambda) = -2 log10(k/d / 3.7 + 2.51 / (Re sqrt(lambda))), iterated
    // until lambda changes by less than a millionth of a millionth of itself.
    // It settles within a few rounds for any finite Re above a few hundred; a
    // run that has not settled after maxRounds is a fault, not a result, and so
    // is a k/d so large (3.7 and more) that the equation has no positive root.
    static double colebrookFrictionFactor(double reynolds, double relativeRoughness, int maxRounds);
    static constexpr int kMaxColebrookRounds = 50;

  private:
    struct Regime {
        const char* name;
        double frictionFactor;
    };
    // The calculation steps without a fault watch of their own: the
    // constructor runs them all under one watch, the public operations each
    // under theirs and store a result only once it is known to be sound.
    void velocityAndFlow(double speedOrFlow, int flowGiven);
    double reynoldsFromVelocity() const;
    double relativeRoughnessOf(unsigned material) const;
    Regime regimeOfFlow() const;
    long double transitionalFrictionFactor(long double reynolds) const;
    double frictionLawDrop() const;
    // Throws when a result is inf or nan although no status flag was raised
    // (e.g. an infinite input passed straight through).
    void requireFiniteResults() const;
};

// A hose line: the pipe's calculation with its own laminar constant and report.
class crevo : public cev {
  public:
    crevo(double speedOrFlow, double length, double density, double diameter, double viscosity,
          unsigned material, int flowGiven);

    void writeReportRows(units::ReportRows& rows) const override;
};
