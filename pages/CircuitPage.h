#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <optional>

#include "circuit/CircuitArithmetic.h"
#include "pages/PageLinks.h"
#include "ui/CalculatorPage.h"

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
    // A component's parameter slot, as the take-overs store it.
    QString slotText(CircuitSlot slot) const;
    // The tube types recorded with the two line slots (counted from 0).
    int operationTubeType() const;
    int returnTubeType() const;
    // The characteristic the last calculation stored (nothing before one, or
    // when its flow was too small to draw).
    const std::optional<CircuitCharacteristic>& characteristic() const { return characteristic_; }

    void startUp() override;
    void loadPictures() override;

  signals:
    // A click on the flow label runs the valve page's calculation.
    void valveCalculationRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectHandlers();
    void setSlotText(CircuitSlot slot, const QString& text);
    QWidget* slotHolder(CircuitSlot slot) const;
    // The valve the valve page shows, or nothing after telling the user why.
    std::optional<ValveTakeOver> valveToTakeOver();
    void takeOverValve(QLineEdit* field, std::optional<CircuitSlot> slot);
    // Every required text is there (empty ones end the calculation silently).
    bool hasRequiredInputs() const;
    // Throws CircuitInputError for a slot that cannot be read, ConversionError
    // for a field that is no number.
    CircuitInputs gatherInputs() const;

    Sources sources_;
    std::map<int, QImage> sketchPictures_;
    std::optional<CircuitCharacteristic> characteristic_;

    QLabel* Label49 = nullptr;
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
