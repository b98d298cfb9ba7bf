#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <optional>

#include "circuit/CircuitArithmetic.h"
#include "circuit/CircuitSlots.h"
#include "pages/CircuitSketch.h"
#include "pages/PageLinks.h"
#include "ui/CalculatorPage.h"
#include "ui/QuantityLabels.h"

class CircuitPaintBox;
class ClickableLabel;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The simple circuit page: components taken over from the calculator pages
// by double clicks, chained and calculated, sketched and drawn.
class CircuitPage : public CalculatorPage {
    Q_OBJECT
  public:
    // The flow, the drops and the cylinder's figures in the system's units.
    void setUnitSystem(units::UnitSystem system) override;
    // The flow and the drops as a design keeps them: model figures.
    std::optional<FieldFigure> plainFigure(const QWidget* field) const override;
    void showPlainFigure(QWidget* field, const std::optional<FieldFigure>& figure) override;
    // What the circuit takes over from the other pages.
    struct Sources {
        std::function<PumpInputs()> pump;
        PumpFlowSource pumpFlow;
        std::function<std::optional<LineTakeOver>()> line;
        // Nothing before the valve page's first calculation.
        std::function<std::optional<ValveTakeOver>()> valve;
        std::function<CylinderDefinition()> cylinder;
    };
    CircuitPage(PageServices& services, Sources sources);

    // Every change of the pump flow is mirrored into the circuit's flow field.
    void setPumpFlow(const QString& text);
    // The operation line's drop as taken over (nothing before).
    std::optional<double> operationLineDrop() const;

    // Take-overs, run by a double click on their field.
    void edQ_prostDblClick();
    void edDpPogDblClick();
    void edDpPovDblClick();
    void edDpDblClick();
    void edDpProstBlokDblClick();
    void edDpPrigDblClick();

    void rgBlockSysClick();
    void cbPrigusnicaClick();
    // The information labels: a component's data into the list or the caption.
    void Label52Click();
    void Label53Click();
    void Label56Click();
    void BitBtn9Click();
    void btnNovProstClick();
    // Fills the component list and redraws the sketch for the current options.
    void Button1Click();

    // Index of the blocking system: 0 none, 1 check valve, 2 double check valve.
    int blockingSystem() const;
    // Empties one slot; its drop field keeps its text.
    void clearSlot(CircuitSlot slot);
    // The tube types recorded with the two line slots (counted from 0).
    int operationTubeType() const;
    int returnTubeType() const;
    // The characteristic the last calculation stored (nothing before one, or
    // when its flow was too small to draw).
    const std::optional<CircuitCharacteristic>& characteristic() const { return characteristic_; }
    // The power the last calculation lost on its way to the load (kW): the
    // pump's input power minus F v at the cylinder. Nothing before one, after
    // Reset, or when the cylinder could not move its load.
    std::optional<double> powerLost() const { return powerLost_; }

    void startUp() override;
    void loadPictures() override;

    // The flow and drop fields, the blocking system and the throttle, and
    // the take-overs: each slot's figures under its name ("operationLine.
    // diameter", "throttle.constantTerm", ...), a valve's name in names.
    bool recalculatesExactly() const override { return true; }
    std::vector<QWidget*> plainFields() const override;
    std::vector<PageChoice> choices() override;
    void saveResults(PageState& state) const override;
    // The slots as the state holds them; the results of the last
    // calculation are cleared (Calculate shows them again).
    void restoreResults(const PageState& state) override;

  signals:
    // A click on the flow label runs the valve page's calculation.
    void valveCalculationRequested();

  private:
    void buildControls();
    void connectHandlers();
    // The control whose tool tip shows the slot.
    QWidget* slotHolder(CircuitSlot slot) const;
    void showSlot(CircuitSlot slot);
    void takeOverLine(QLineEdit* field, CircuitSlot slot);
    CircuitOptions options() const;
    // The valve the valve page shows, or nothing after telling the user why.
    std::optional<ValveTakeOver> valveToTakeOver();
    void takeOverValve(QLineEdit* field, std::optional<CircuitSlot> slot);
    // What the calculation still needs, one line each, with the page to
    // compute it on; empty when everything is taken over.
    QStringList missingComponents() const;
    // The cylinder the circuit uses, into the definition list.
    void listCylinder();
    // The figure beside each component of the sketch, by the layout's list.
    QStringList sketchFigures(const SketchLayout& layout) const;
    // Throws CircuitInputError for an empty slot, ConversionError for a
    // field here or on another page that is no number.
    CircuitInputs gatherInputs() const;
    static std::optional<double> powerLostIn(const prost_cevovod& chain);
    // The drop fields show the drops the chain computed at its own flow.
    void showComputedDrops(const prost_cevovod& chain, const CircuitInputs& inputs);
    // The cylinder's pressure, force and speed on the page; dashes when it
    // cannot move its load, and before a calculation.
    void showCylinderResults(const prost_cevovod* chain);
    // Each take-over field's menu: take over from its page, or clear.
    void addTakeOverMenus();
    // The pump flow into the flow field; false when the pump page has none.
    bool copyPumpFlow();
    // Empties a field and the slot it fills (nothing for the flow).
    void clearField(QLineEdit* field, std::optional<CircuitSlot> slot);

    Sources sources_;
    CircuitSlots slots_;
    std::map<int, QImage> sketchPictures_;
    std::optional<CircuitCharacteristic> characteristic_;
    // The taken-over lines' diameter and length as plain numbers ("16",
    // "2.5"), for the definition list.
    std::map<CircuitSlot, std::pair<QString, QString>> lineFigures_;
    // The sketch names its components and their figures once asked to.
    bool sketchAnnotated_ = false;
    std::optional<double> powerLost_;
    // The cylinder's pressure, force and speed the labels show.
    struct CylinderFigures {
        double pressure = 0.0;
        double force = 0.0;
        double speed = 0.0;
    };
    std::optional<CylinderFigures> shownCylinder_;
    // What the characteristic on show was calculated from, so that a design
    // draws it again even when the pages have changed since.
    std::optional<CircuitInputs> drawnFrom_;
    void saveDrawnFrom(PageState& state) const;
    void restoreDrawnFrom(const PageState& state);
    void showCylinderFigures(const std::optional<CylinderFigures>& figures);

    QLabel* Label49 = nullptr;
    QLabel* lblHint = nullptr;
    QLabel* lblProstPressure = nullptr;
    QLabel* lblProstForce = nullptr;
    QLabel* lblProstSpeed = nullptr;
    QuantityLabels cylinderFigures_;
    QLabel* dropCaption_ = nullptr;
    // The figures of the plain fields in the shown units: the model figure
    // behind the text last written, so that a switch back loses nothing.
    units::UnitSystem system_ = units::kMetric;
    std::map<const QLineEdit*, std::pair<QString, double>> written_;
    units::Quantity quantityOf(const QLineEdit* field) const;
    void showModel(QLineEdit* field, double value);
    std::optional<double> modelOf(const QLineEdit* field) const;
    void captionUnits();
    ClickableLabel* Label51 = nullptr;
    ClickableLabel* Label52 = nullptr;
    ClickableLabel* Label53 = nullptr;
    QLabel* Label54 = nullptr;
    ClickableLabel* Label56 = nullptr;
    QLineEdit* edQ_prost = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLineEdit* edDp = nullptr;
    QLineEdit* edDpProstBlok = nullptr;
    QLineEdit* edDpPrig = nullptr;
    QLineEdit* edDpPog = nullptr;
    QLineEdit* edDpPov = nullptr;
    QGroupBox* rgBlockSys = nullptr;
    QButtonGroup* blockButtons_ = nullptr;
    QCheckBox* cbPrigusnica = nullptr;
    QListWidget* lbHc = nullptr;
    QListWidget* lsKomponente = nullptr;
    CircuitPaintBox* pbShema = nullptr;
    CircuitPaintBox* PaintBox3 = nullptr;
    QPushButton* btnNovProst = nullptr;
    QPushButton* BitBtn9 = nullptr;
    QPushButton* Button1 = nullptr;
};
