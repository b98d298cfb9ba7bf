#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "app/CalculatorPage.h"
#include "pages/PageLinks.h"

// The simple circuit page: components taken over from the calculator pages
// by double clicks, chained and calculated, sketched and drawn.
class CircuitPage : public CalculatorPage {
    Q_OBJECT
  public:
    explicit CircuitPage(PageServices& services);

    // What the circuit takes over from the other pages.
    struct Sources {
        std::function<PumpTexts()> pump;
        std::function<QString()> pumpFlow;
        std::function<LineTakeOver()> line;
        std::function<std::optional<ValveTakeOver>()> valve;
        std::function<CylinderDefinition()> cylinder;
    };
    void setSources(Sources sources) { sources_ = std::move(sources); }

    // Every change of the pump flow is mirrored into the circuit's flow field.
    void setPumpFlow(const QString& text);
    // The operation line's drop as taken over (empty before).
    QString operationLineDrop() const;

  signals:
    // A click on the flow label runs the valve page's calculation.
    void valveCalculationRequested();

  private:
    Sources sources_;
};
