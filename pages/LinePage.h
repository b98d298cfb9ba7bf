#pragma once

#include <QPointF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "pages/PageLinks.h"
#include "ui/CalculatorPage.h"
#include "ui/DiagramBox.h"
#include "ui/QuantityLabels.h"

class FieldPairs;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class cev;

// The line pressure-drop page: a pipe or hose of a diameter, length and tube
// type, at a flow velocity or flow, with its characteristic drawn.
class LinePage : public CalculatorPage {
    Q_OBJECT
  public:
    void setUnitSystem(units::UnitSystem system) override;
    // What the double click on the speed-or-flow field needs to fill in the
    // circuit's return flow: the pump flow, the drop of the circuit's
    // operation line (nothing before its take-over) and the cylinder.
    struct ReturnFlowSources {
        PumpFlowSource pumpFlow;
        std::function<std::optional<double>()> operationLineDrop;
        std::function<CylinderDefinition()> cylinder;
    };
    LinePage(PageServices& services, ReturnFlowSources returnFlow);

    // The last line calculated, whole: its drop, diameter, length and tube
    // type together, never fields edited since (read by the circuit's
    // take-overs); nothing before a calculation or after Reset.
    std::optional<LineTakeOver> takeOver() const;

    // A hose sized elsewhere: diameter, length and flow into the fields, the
    // hose and flow options chosen; the user calculates.
    void takeLineSize(const LineSizeTakeOver& line);

    // The handlers, callable directly.
    void BitBtn5Click();
    void BitBtn7Click();
    void RGcevCrevoClick();
    void USRadioClick();
    void edUSDblClick();

    // The working fluid changed: the figures shown were computed with another.
    void fluidChanged();

    // Each field shows its slider's start value.
    void startUp() override;

    bool recalculatesExactly() const override { return true; }
    std::vector<const FieldPairs*> quantityRows() const override { return {pairs_}; }
    // Tube or hose, speed or flow, the tube type.
    std::vector<PageChoice> choices() override;
    // The line calculated last, and its drop.
    void saveResults(PageState& state) const override;
    void restoreResults(const PageState& state) override;

  signals:
    // The largest whole flow of the diagram just drawn (the valve page's
    // flow slider follows it).
    void diagramFlowRange(int flowCells);

  private:
    void buildControls();
    void connectHandlers();
    QWidget* field(int pair) const;
    bool flowGiven() const;
    void storeDiagram(const cev& line);
    // What the last calculation's line was made of, so that a design shows
    // its diagram again even when the fields have changed since.
    struct LineInputs {
        double speedOrFlow = 0.0;
        double length = 0.0;
        double density = 0.0;
        double diameter = 0.0;
        double viscosity = 0.0;
        unsigned material = 1;
        int given = 0;  // 1: speedOrFlow is the flow
        bool hose = false;
    };
    static std::unique_ptr<cev> makeLine(const LineInputs& in);
    // The stored characteristic drawn in the page's unit system.
    void drawDiagram();
    // The line's velocity, Reynolds number, friction factor and regime beside
    // the drop, with a note where the velocity is above the usual ones;
    // emptied when an input changes, so they never describe other inputs.
    void showFigures(const cev& line);
    void clearFigures();

    FieldPairs* pairs_ = nullptr;
    QGroupBox* RGcevCrevo = nullptr;
    QButtonGroup* lineKind_ = nullptr;
    QGroupBox* USRadio = nullptr;
    QButtonGroup* speedOrFlow_ = nullptr;
    QComboBox* cmbVrsta = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QLabel* lblDp_Cev = nullptr;
    QLabel* lblUSVelocity = nullptr;
    QLabel* lblUSReynolds = nullptr;
    QLabel* lblUSLambda = nullptr;
    QLabel* lblUSRegime = nullptr;
    QLabel* lblUSAdvice = nullptr;
    DiagramBox* PaintBox2 = nullptr;
    ReturnFlowSources returnFlow_;
    // The line the drop label shows, in full.
    std::optional<LineTakeOver> last_;
    // The velocity the note beside the figures speaks of, m/s.
    std::optional<double> shownVelocity_;
    std::optional<LineInputs> lastInputs_;
    // The drop and the velocity, shown in the page's units.
    QuantityLabels figures_;
    // The last characteristic, model units (l/min, bar), operating point last.
    std::vector<QPointF> characteristic_;
};
