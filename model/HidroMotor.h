#pragma once

#include <cstdint>

#include "model/bazna.h"

// A hydraulic motor: relates output torque, inlet pressure (pressureIn),
// consumed flow (flow), output power, displacement and speed through its
// efficiencies. Three of the six are known; the mode (1 to 14) says which and
// the constructor computes the other three by calling the formula operations
// in a fixed order per mode. Any other mode leaves everything at 0.
class HidroMotor : public bazna {
  public:
    HidroMotor(double A, double B, double C, double etaHm, double etaV, unsigned mode);

    void writeReportRows(units::ReportRows& rows) const override;

    // The formula operations; each reads fields and writes one field.
    void setTotalEfficiency();
    void displacementFromTorque();
    void powerFromPressureAndFlow();
    void speedFromFlow();
    void flowFromPower();
    void flowFromSpeed();
    void pressureFromTorque();
    void displacementFromSpeed();
    void torqueFromPressure();
    void pressureFromPower();

    double power = 0.0;         // kW
    std::int32_t speed = 0;     // r/min, whole (truncateSpeed)
    double displacement = 0.0;  // cm3 per revolution
    double torque = 0.0;        // daNm
    double volumetricEfficiency = 0.0;
    double hydromechanicalEfficiency = 0.0;
    double totalEfficiency = 0.0;
};
