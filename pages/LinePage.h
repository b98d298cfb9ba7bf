#pragma once

#include <QString>
#include <functional>

#include "app/CalculatorPage.h"
#include "pages/PageLinks.h"

// The line pressure-drop page: a pipe or hose of a diameter, length and tube
// type, at a flow velocity or flow, with its characteristic drawn.
class LinePage : public CalculatorPage {
    Q_OBJECT
  public:
    explicit LinePage(PageServices& services);

    // The line as the page last showed it (read by the circuit's take-overs).
    LineTakeOver takeOver() const;

    // What the double click on the speed-or-flow field needs to fill in the
    // circuit's return flow: the pump flow, the circuit's operation-line
    // drop (taken over yet?) and the cylinder.
    struct ReturnFlowSources {
        std::function<QString()> pumpFlow;
        std::function<QString()> operationLineDrop;
        std::function<CylinderDefinition()> cylinder;
    };
    void setReturnFlowSources(ReturnFlowSources sources) { returnFlow_ = std::move(sources); }

  signals:
    // The largest whole flow of the diagram just drawn (the valve page's
    // flow slider follows it).
    void diagramFlowRange(int flowCells);

  private:
    ReturnFlowSources returnFlow_;
};
