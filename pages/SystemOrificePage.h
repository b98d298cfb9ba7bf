#pragma once

#include <optional>

#include "pages/SystemCalculator.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

// A sharp-edged orifice: flow, diameter or pressure drop from the other two.
class SystemOrificePage : public SystemCalculator {
    Q_OBJECT
  public:
    explicit SystemOrificePage(PageServices& services);

    void rgOrfSolveClick();

    std::vector<PageChoice> choices() override;
    void setUnitSystem(units::UnitSystem system) override;

  protected:
    void calculate() override;
    void clearResults() override;
    void clearShown() override;

  private:
    QGroupBox* rgOrfSolve = nullptr;
    QButtonGroup* unknown_ = nullptr;
    QLabel* lblOrfResultCaption = nullptr;
    QLabel* lblOrfResult = nullptr;
    QLabel* lblOrfVelocity = nullptr;
    // The figure found, in the model unit of the unknown's quantity.
    std::optional<double> found_;

    void showFound();
};
