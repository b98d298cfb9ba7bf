#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "model/CylinderDesign.h"
#include "pages/PageLinks.h"
#include "ui/ModePage.h"
#include "ui/QuantityLabels.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class FieldPairs;
class klip;
class klipDvostrani;
class klipJednostrani;

// The hydraulic cylinder page: a single-acting cylinder pushing or pulling a
// load, or a through-rod cylinder, in four calculation modes.
class CylinderPage : public ModePage {
    Q_OBJECT
  public:
    void setUnitSystem(units::UnitSystem system) override;
    // A double click on the inlet flow takes the pump flow from pumpFlow.
    CylinderPage(PageServices& services, PumpFlowSource pumpFlow);

    // The cylinder as the page defines it (read by the circuit and the line
    // page). A diameter or efficiency field that holds no number throws
    // ConversionError.
    CylinderDefinition definition() const;

    bool doubleActing() const;
    // The one load direction of the page: false push, true pull.
    bool pullLoad() const;

    void BitBtn3Click() { calculateClick(); }
    void BitBtn4Click() { resetClick(); }
    void RadioGroup3Click();
    void RadioGroup4Click() { modeClick(); }
    void ComboBox2Change(int index);
    void Potisnasila1Click();
    void Vucnasila1Click();
    void edHCQ1DblClick();

    bool validateCylinderInputs() const { return inputsUsable(); }
    // The computed cylinder into the fields, with the flow out given.
    void showResults(const klipJednostrani& cylinder, double outletFlow);
    void warnOfHighPressure(double inletPressure);
    void updateCylinderPicture();

    // Efficiency caption, push load and its picture.
    void startUp() override;

    // The quantities and the stroke-and-buckling group; the kind, the load
    // direction, the mounting and the mode.
    std::vector<const FieldPairs*> quantityRows() const override;
    std::vector<PageChoice> choices() override;
    // The stroke-and-buckling figures last shown, shown again as they were.
    void saveResults(PageState& state) const override;
    void restoreResults(const PageState& state) override;

  protected:
    // The checks both cylinder kinds must pass; shows the message of the
    // first that fails. With no mode the inputs are refused too.
    bool acceptInputs(int item) override;
    void calculate(int item) override;
    void reset() override;

  private:
    void buildControls();
    void connectHandlers();
    // Combo, popup menu, caption, shared flag and picture, all at once.
    void setLoadDirection(bool pull, const QString& caption);

    // The group "Stroke and buckling": stroke, mounting, safety, and the
    // stroke times, volumes, regenerative figures and the rod's buckling
    // check of the cylinder the page calculates.
    void buildDesignGroup();
    bool strokeGiven() const;
    // The design inputs of a calculated cylinder; nothing, after a message,
    // when one of the group's fields cannot be used.
    std::optional<CylinderDesignInputs> designInputs(const klip& cylinder, double flow);
    // Shows the group's results for the cylinder calculated, and adds its
    // report rows to report when there is one.
    void showDesign(const klip& cylinder, double flow, units::ReportRows* report);
    // The push force the rod carries, or nothing for a pull load.
    std::optional<double> pushLoadOf(const klip& cylinder) const;
    void reportWithDesign(klipJednostrani& cylinder);
    void clearDesignResults();
    // The group's figures into its labels, and kept for a design file.
    void showDesignFigures(const CylinderDesign& design, std::optional<double> pushLoad);

    PumpFlowSource pumpFlow_;
    struct ShownDesign {
        CylinderDesign design;
        std::optional<double> pushLoad;
    };
    std::optional<ShownDesign> shownDesign_;

    QFrame* Panel3 = nullptr;
    QGroupBox* RadioGroup3 = nullptr;
    QButtonGroup* typeButtons_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Potisnasila1 = nullptr;
    QAction* Vucnasila1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* lblHCSmer = nullptr;
    QLabel* Label37 = nullptr;
    QLabel* Label38 = nullptr;
    QLabel* Image3 = nullptr;
    QGroupBox* grpHCDesign = nullptr;
    FieldPairs* design_ = nullptr;
    QComboBox* cbHCMounting = nullptr;
    QLabel* lblHCExtendTime = nullptr;
    QLabel* lblHCExtendVolume = nullptr;
    QLabel* lblHCRetractTime = nullptr;
    QLabel* lblHCRetractVolume = nullptr;
    QLabel* lblHCRegenSpeed = nullptr;
    QLabel* lblHCRegenForce = nullptr;
    QLabel* lblHCRegenTime = nullptr;
    QLabel* lblHCBucklingLength = nullptr;
    QLabel* lblHCSlenderness = nullptr;
    QLabel* lblHCPermissibleForce = nullptr;
    QLabel* lblHCBucklingVerdict = nullptr;
    // The design group's figures, in the order of its result table.
    QuantityLabels designResults_;
};
