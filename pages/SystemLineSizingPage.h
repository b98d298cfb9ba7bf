#pragma once

#include <optional>

#include "pages/PageLinks.h"
#include "pages/SystemCalculator.h"

class QComboBox;
class QLabel;
class QPushButton;

// Line sizing: the inner diameter for a flow at the design velocity of the
// line's kind, the next hose of the dash series and that hose's flow.
class SystemLineSizingPage : public SystemCalculator {
    Q_OBJECT
  public:
    SystemLineSizingPage(PageServices& services, PumpFlowSource pumpFlow);

    void cbSizeKindChange();
    void btnSizeFromPumpClick();
    void btnSizeToLineClick();

    // The hose of the last calculation; nothing before one, after Reset or
    // when no hose of the series was wide enough.
    const std::optional<LineSizeTakeOver>& chosen() const { return chosen_; }

    std::vector<PageChoice> choices() override;

  signals:
    // The user takes the chosen hose over to the line page.
    void lineSizeChosen(const LineSizeTakeOver& line);

  protected:
    void calculate() override;
    void clearResults() override;
    void clearShown() override;

  private:
    PumpFlowSource pumpFlow_;
    std::optional<LineSizeTakeOver> chosen_;
    QComboBox* cbSizeKind = nullptr;
    QPushButton* btnSizeFromPump = nullptr;
    QPushButton* btnSizeToLine = nullptr;
    QLabel* lblSizeD = nullptr;
    QLabel* lblSizeHose = nullptr;
    QLabel* lblSizeVelocity = nullptr;
    QLabel* lblSizeDrop = nullptr;
    QLabel* lblSizeFlowType = nullptr;
};
