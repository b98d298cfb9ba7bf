#pragma once

#include <QString>
#include <array>
#include <optional>

#include "pages/PageLinks.h"
#include "ui/CalculatorPage.h"

class FieldPairs;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class pumpa;

// The pump page: the user picks which three of power, speed, displacement,
// pressure and flow are known, sets them and the two efficiencies, and the
// pump element computes the other two.
class PumpPage : public CalculatorPage {
    Q_OBJECT
  public:
    explicit PumpPage(PageServices& services);

    // Selected item of "Desired or known values", -1 with none.
    int selectedItem() const;

    void RadioGroup1Click();
    void btnResetClick();
    void btnCalcClick();
    bool validatePumpInputs();
    void showPumpResults(const pumpa& pump);

    // The efficiency fields take their sliders' values; the quantities are reset.
    void startUp() override;
    void loadPictures() override;

    // What the circuit reads of the pump: its mode-1 inputs and efficiencies.
    // A field that holds no number (a blank one too) throws ConversionError.
    PumpInputs inputs() const;
    // The flow field's number, as PumpFlowSource (pages/PageLinks.h) describes it.
    std::optional<double> flow() const;

  signals:
    // Every change of the flow field's text, for the circuit's copy of it.
    void flowChanged(const QString& text);

  private:
    void buildControls();
    void connectHandlers();
    QWidget* field(int pair) const;
    // The fields of a mode's A, B and C arguments.
    std::array<QWidget*, 3> knownFields(int item) const;

    FieldPairs* pairs_ = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    QPushButton* btnCalc = nullptr;
    QPushButton* btnReset = nullptr;
    QLabel* Image1 = nullptr;
};
