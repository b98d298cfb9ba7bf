#pragma once

#include <functional>
#include <optional>

#include "pages/SystemCalculator.h"

class CurveBox;
class QLabel;
class QPushButton;

// The heat balance of the tank: the oil's steady temperature, how fast it
// gets there, and the cooler that holds the highest temperature allowed.
class SystemHeatPage : public SystemCalculator {
    Q_OBJECT
  public:
    // The power lost in the circuit calculated last (kW), nothing before one.
    using CircuitLossSource = std::function<std::optional<double>()>;
    SystemHeatPage(PageServices& services, CircuitLossSource circuitLoss);

    void btnHeatFromCircuitClick();
    // The tank's surface follows its volume until the user types one.
    void edHeatTankChange();
    bool areaTypedOver() const { return areaTyped_; }

    // The surface typed over or following the volume, as a choice.
    std::vector<PageChoice> choices() override;

  protected:
    void calculate() override;
    void clearResults() override;
    void clearShown() override;

  private:
    CircuitLossSource circuitLoss_;
    bool areaTyped_ = false;
    QPushButton* btnHeatFromCircuit = nullptr;
    QLabel* lblHeatDensity = nullptr;
    QLabel* lblHeatSteady = nullptr;
    QLabel* lblHeatTau = nullptr;
    QLabel* lblHeatTimeToMax = nullptr;
    QLabel* lblHeatCooler = nullptr;
    CurveBox* pbHeatCurve = nullptr;
};
