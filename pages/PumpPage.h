#pragma once

#include <QWidget>
#include <array>

class FieldPairs;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class TfrmKalvorMain;
class pumpa;

// The pump page: the user picks which three of power, speed, displacement,
// pressure and flow are known, sets them and the two efficiencies, and the
// pump element computes the other two.
class PumpPage : public QWidget {
    Q_OBJECT
  public:
    explicit PumpPage(TfrmKalvorMain& main);

    // Selected item of "Desired or known values", -1 with none.
    int selectedItem() const;

    void RadioGroup1Click();
    void btnResetClick();
    void btnCalcClick();
    bool validatePumpInputs();
    void showPumpResults(const pumpa& pump);
    void edQChange();

    // Start-up: the efficiency fields take their sliders' values.
    void initialiseEfficiencyFields();
    void setPicture(const QImage& picture);

  private:
    void buildControls();
    void bindPairs();
    void connectHandlers();
    // The fields of a mode's A, B and C arguments.
    std::array<QWidget*, 3> knownFields(int item) const;

    TfrmKalvorMain& main_;
    FieldPairs* pairs_ = nullptr;

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    QSlider* TrackBar1 = nullptr;  // power
    QSlider* TrackBar2 = nullptr;  // speed
    QSlider* TrackBar3 = nullptr;  // displacement
    QSlider* TrackBar4 = nullptr;  // pressure
    QSlider* TrackBar5 = nullptr;  // hydromechanical efficiency
    QSlider* TrackBar6 = nullptr;  // volumetric efficiency
    QSlider* TrackBar7 = nullptr;  // flow
    QComboBox* edSnaga = nullptr;
    QComboBox* edN = nullptr;
    QLineEdit* edV = nullptr;
    QLineEdit* edp = nullptr;
    QLineEdit* edQ = nullptr;
    QLineEdit* edNiM = nullptr;
    QLineEdit* edNiV = nullptr;
    QPushButton* btnCalc = nullptr;
    QPushButton* btnReset = nullptr;
    QLabel* Image1 = nullptr;
};
