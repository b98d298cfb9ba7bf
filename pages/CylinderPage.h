#pragma once

#include <QString>
#include <array>
#include <functional>

#include "pages/PageLinks.h"
#include "ui/ModePage.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class klipDvostrani;
class klipJednostrani;

// The hydraulic cylinder page: a single-acting cylinder pushing or pulling a
// load, or a through-rod cylinder, in four calculation modes.
class CylinderPage : public ModePage {
    Q_OBJECT
  public:
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
    void showSingleActingResults(const klipJednostrani& cylinder);
    void showDoubleActingResults(const klipDvostrani& cylinder);
    void updateCylinderPicture();

    // Efficiency caption, push load and its picture.
    void startUp() override;

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

    PumpFlowSource pumpFlow_;

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
};
