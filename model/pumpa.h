#pragma once

#include <cstdint>

#include "model/bazna.h"

// A hydraulic pump: relates shaft power, speed, displacement, delivered flow
// and working pressure through its efficiencies. Three of the five are known;
// the mode says which, and the constructor computes the other two.
//
// mode  A, B, C (known)                   computed
//  1    power, pressure, displacement     flow, speed
//  2    power, pressure, speed            flow, displacement
//  3    displacement, speed, pressure     flow, power
//  4    displacement, speed, power        flow, pressure
//  5    flow, displacement, pressure      speed, power
//  6    flow, displacement, power         speed, pressure
// Any other mode leaves every quantity and both efficiencies at 0.
// The working pressure is pressureOut; the delivered flow is flow.
class pumpa : public bazna {
  public:
    pumpa(double A, double B, double C, double etaV, double etaHm, unsigned mode);

    void writeReportRows(units::ReportRows& rows) const override;

    // totalEfficiency = etaHm x etaV
    void setTotalEfficiency(double etaHm, double etaV);

    double power = 0.0;         // kW
    std::int32_t speed = 0;     // r/min, whole (truncateSpeed)
    double displacement = 0.0;  // cm3 per revolution
    double volumetricEfficiency = 0.0;
    double hydromechanicalEfficiency = 0.0;
    double totalEfficiency = 0.0;
};
