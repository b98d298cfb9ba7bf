#pragma once

#include "pages/SystemCalculator.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;

// The gas accumulator: its size for a useful volume, or the useful volume of
// a size, between a minimum and a maximum working pressure.
class SystemAccumulatorPage : public SystemCalculator {
    Q_OBJECT
  public:
    explicit SystemAccumulatorPage(PageServices& services);

    void cbAccProcessChange();
    void rgAccSolveClick();

    std::vector<PageChoice> choices() override;

  protected:
    void calculate() override;
    void clearResults() override;
    void clearShown() override;

  private:
    QComboBox* cbAccProcess = nullptr;
    QGroupBox* rgAccSolve = nullptr;
    QButtonGroup* solve_ = nullptr;
    QLabel* lblAccV0 = nullptr;
    QLabel* lblAccDV = nullptr;
    QLabel* lblAccV1 = nullptr;
    QLabel* lblAccV2 = nullptr;
    QLabel* lblAccRatio = nullptr;
    QLabel* lblAccPrecharge = nullptr;
    QLabel* lblAccAdvice = nullptr;
};
