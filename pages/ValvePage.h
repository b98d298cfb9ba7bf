#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "app/CalculatorPage.h"
#include "pages/PageLinks.h"

// The valve pressure-drop page: a valve from a data file or defined by two
// numbers, its characteristic drawn and its drop at a flow calculated.
class ValvePage : public CalculatorPage {
    Q_OBJECT
  public:
    explicit ValvePage(PageServices& services);

    // The valve whose drop the page shows; nothing before the first calculation.
    std::optional<ValveTakeOver> takeOver() const;
    // The drop label's text.
    QString dropText() const;

    // Where "Use Flow" takes the pump flow from.
    void setPumpFlowSource(std::function<QString()> source) { pumpFlow_ = std::move(source); }
    // The flow slider's largest value (set by the line page's diagram).
    void setFlowSliderMaximum(int maximum);
    // "Calculate" (also run from the circuit page's flow label).
    void BitBtn10Click();

  private:
    std::function<QString()> pumpFlow_;
};
