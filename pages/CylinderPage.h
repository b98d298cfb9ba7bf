#pragma once

#include <QString>
#include <array>

#include "pages/PageLinks.h"
#include "ui/CalculatorPage.h"

class FieldPairs;
class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class klipDvostrani;
class klipJednostrani;

// The hydraulic cylinder page: a single-acting cylinder pushing or pulling a
// load, or a through-rod cylinder, in four calculation modes.
class CylinderPage : public CalculatorPage {
    Q_OBJECT
  public:
    // A double click on the inlet flow takes the pump flow from pumpFlow.
    CylinderPage(PageServices& services, PumpFlowSource pumpFlow);

    // The cylinder as the page defines it (read by the circuit and the line
    // page). A diameter or efficiency field that holds no number throws
    // ConversionError.
    CylinderDefinition definition() const;

    // Selected item of "Known or desired values", -1 with none.
    int selectedItem() const;
    bool doubleActing() const;
    // The one load direction of the page: false push, true pull.
    bool pullLoad() const;

    void BitBtn3Click();
    void BitBtn4Click();
    void RadioGroup3Click();
    void RadioGroup4Click();
    void ComboBox2Change(int index);
    void Potisnasila1Click();
    void Vucnasila1Click();
    void edHCQ1DblClick();

    void calculateSingleActingCylinder();
    void calculateDoubleActingCylinder();
    bool validateCylinderInputs();
    void showSingleActingResults(const klipJednostrani& cylinder);
    void showDoubleActingResults(const klipDvostrani& cylinder);
    void updateCylinderPicture();

    // Efficiency caption, push load and its picture.
    void startUp() override;

  private:
    void buildControls();
    void connectHandlers();
    QWidget* field(int pair) const;
    // The fields of a mode's first to fourth arguments.
    std::array<QWidget*, 4> knownFields(int item) const;
    // The checks both cylinder kinds must pass; shows the message of the
    // first that fails.
    bool acceptInputs(int mode, double outletPressure);
    // Combo, popup menu, caption, shared flag and picture, all at once.
    void setLoadDirection(bool pull, const QString& caption);

    PumpFlowSource pumpFlow_;

    FieldPairs* pairs_ = nullptr;
    QFrame* Panel3 = nullptr;
    QGroupBox* RadioGroup3 = nullptr;
    QButtonGroup* typeButtons_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Potisnasila1 = nullptr;
    QAction* Vucnasila1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* lblHCSmer = nullptr;
    QGroupBox* RadioGroup4 = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    QLabel* Label37 = nullptr;
    QLabel* Label38 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QLabel* Image3 = nullptr;
};
