#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "pages/PageLinks.h"
#include "ui/CalculatorPage.h"

class QTabWidget;
class SystemAccumulatorPage;
class SystemCompressPage;
class SystemHeatPage;
class SystemLineSizingPage;
class SystemOrificePage;

// The system page: five calculators of a drive as a whole (accumulator, heat
// balance, orifice, compressibility, line sizing), each on its own tab.
class SystemPage : public CalculatorPage {
    Q_OBJECT
  public:
    // What the calculators take over from the other pages; a source not given
    // has nothing to give.
    struct Sources {
        PumpFlowSource pumpFlow;
        // The power lost in the circuit calculated last, kW.
        std::function<std::optional<double>()> circuitLoss;
        std::function<CylinderDefinition()> cylinder;
    };
    explicit SystemPage(PageServices& services, Sources sources = {});

    // The manual's section of the calculator in front.
    QString manualSection() const;

    SystemAccumulatorPage* accumulator() const { return accumulator_; }
    SystemHeatPage* heat() const { return heat_; }
    SystemOrificePage* orifice() const { return orifice_; }
    SystemCompressPage* compress() const { return compress_; }
    SystemLineSizingPage* lineSizing() const { return lineSizing_; }
    // The five calculators, each kept in a design as a page of its own.
    std::vector<CalculatorPage*> calculators() const;

    // The calculator in front.
    std::vector<PageChoice> choices() override;

    // Every calculator of the page in the system's units.
    void setUnitSystem(units::UnitSystem system) override;

  signals:
    // The line sizing's hose, for the line page.
    void lineSizeChosen(const LineSizeTakeOver& line);

  private:
    QTabWidget* pgcSystem = nullptr;
    SystemAccumulatorPage* accumulator_ = nullptr;
    SystemHeatPage* heat_ = nullptr;
    SystemOrificePage* orifice_ = nullptr;
    SystemCompressPage* compress_ = nullptr;
    SystemLineSizingPage* lineSizing_ = nullptr;
};
