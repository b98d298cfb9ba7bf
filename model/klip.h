#pragma once

#include "model/bazna.h"

// The common part of the cylinders: diameters, areas, stroke speed, force.
// pressureIn is the working pressure p1, pressureOut the back pressure p2.
class klip : public bazna {
  public:
    klip();

    double pistonDiameter = 0.0;  // mm, D
    double rodDiameter = 0.0;     // mm, d
    double strokeSpeed = 0.0;     // m/s, v
    double pistonArea = 0.0;      // cm2, A1
    double rodSideArea = 0.0;     // cm2, A2
    double efficiency = 0.0;      // force at the rod / hydraulic force; flows and speeds ignore it
    double force = 0.0;           // kN, F
};

// A differential cylinder (rod on one side) pushing or pulling a load.
//
// mode  first, second, third, fourth    computed
//  1    p1, Q1, D, d                    A1, A2, F, v, Q1, Q2
//  2    F,  Q1, D, d                    A1, A2, p1, v, Q1, Q2
//  3    p1, v,  D, d                    A1, A2, Q1, Q2, F
//  4    F,  v,  D, d                    A1, A2, Q1, Q2, p1
// p2 (outletPressure) and the efficiency are given in every mode. Any other
// mode sets p1, F, D, d, Q1 and Q2 to 1.0 and computes nothing.
class klipJednostrani : public klip {
  public:
    klipJednostrani();
    klipJednostrani(double first, double second, double third, double fourth, double outletPressure,
                    double efficiency, bool pullDirection, unsigned mode);

    // Empties `lines` first, then writes the report.
    void writeReport(ReportLines& lines) override;
    void writeReportRows(units::ReportRows& rows) const override;

    double inletFlow = 0.0;   // l/min, Q1: into the pressurised chamber
    double outletFlow = 0.0;  // l/min, Q2: out of the other chamber

  protected:
    // Stores the mode's given quantities, p2 and the efficiency. An unknown
    // mode gets its fallback values instead and the result is false.
    bool storeGiven(double first, double second, double third, double fourth, double outletPressure,
                    double efficiency, unsigned mode);
    void computeAreas();
    void computeForce(bool pull);
    void computePressure(bool pull);
    void computeSpeed(bool pull);
    void computeFlows(bool pull);
    void swapFlows(bool pull);
};

// The through-rod cylinder: both chambers have the same annulus area, so the
// flow in equals the flow out and there is no load direction. Same modes as
// klipJednostrani; pistonArea and rodSideArea both hold the annulus.
class klipDvostrani : public klipJednostrani {
  public:
    klipDvostrani(double first, double second, double third, double fourth, double outletPressure,
                  double efficiency, unsigned mode);

    // Keeps the lines already in `lines`, as every report but two does.
    void writeReport(ReportLines& lines) override;
    void writeReportRows(units::ReportRows& rows) const override;

  protected:
    void computeAnnulusArea();
    void computeForce();
    void computePressure();
    void computeSpeed();
    void computeFlows();
};
