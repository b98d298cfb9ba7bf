#pragma once

#include "app/CalculatorPage.h"

// The hydraulic motor page: three of torque, pressure, flow, power,
// displacement and speed are known, the motor element computes the rest.
class MotorPage : public CalculatorPage {
    Q_OBJECT
  public:
    explicit MotorPage(PageServices& services);
};
