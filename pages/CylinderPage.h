#pragma once

#include <QString>
#include <functional>

#include "app/CalculatorPage.h"
#include "pages/PageLinks.h"

// The hydraulic cylinder page: a single-acting cylinder pushing or pulling a
// load, or a through-rod cylinder, in four calculation modes.
class CylinderPage : public CalculatorPage {
    Q_OBJECT
  public:
    explicit CylinderPage(PageServices& services);

    // The cylinder as the page defines it (read by the circuit).
    CylinderDefinition definition() const;
    // Where a double click on the inlet flow takes the pump flow from.
    void setPumpFlowSource(std::function<QString()> source) { pumpFlow_ = std::move(source); }

  private:
    std::function<QString()> pumpFlow_;
};
