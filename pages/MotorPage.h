#pragma once

#include "ui/ModePage.h"

class HidroMotor;
class QLabel;

// The hydraulic motor page: three of torque, pressure, flow, power,
// displacement and speed are known, the motor element computes the rest.
class MotorPage : public ModePage {
    Q_OBJECT
  public:
    explicit MotorPage(PageServices& services);

    void RadioGroup2Click() { modeClick(); }
    void btnHMCalcClick() { calculateClick(); }
    void btnHMResetClick() { resetClick(); }
    bool validateMotorInputs() const { return inputsUsable(); }
    void showMotorResults(const HidroMotor& motor);

    // The efficiency fields take their sliders' values.
    void startUp() override;
    void loadPictures() override;

  protected:
    void calculate(int item) override;
    void reset() override;

  private:
    void buildControls();

    QLabel* Image2 = nullptr;
};
