#pragma once

#include <array>

#include "ui/CalculatorPage.h"

class FieldPairs;
class HidroMotor;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

// The hydraulic motor page: three of torque, pressure, flow, power,
// displacement and speed are known, the motor element computes the rest.
class MotorPage : public CalculatorPage {
    Q_OBJECT
  public:
    explicit MotorPage(PageServices& services);

    // Selected item of "Known or desired values", -1 with none.
    int selectedItem() const;

    void RadioGroup2Click();
    void btnHMCalcClick();
    void btnHMResetClick();
    bool validateMotorInputs();
    void showMotorResults(const HidroMotor& motor);

    // The efficiency fields take their sliders' values.
    void startUp() override;
    void loadPictures() override;

  private:
    void buildControls();
    void connectHandlers();
    QWidget* field(int pair) const;
    // The fields of a mode's A, B and C arguments.
    std::array<QWidget*, 3> knownFields(int item) const;

    FieldPairs* pairs_ = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    QPushButton* btnHMCalc = nullptr;
    QPushButton* btnHMReset = nullptr;
    QLabel* Image2 = nullptr;
};
