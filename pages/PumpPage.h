#pragma once

#include <QString>
#include <optional>

#include "pages/PageLinks.h"
#include "ui/ModePage.h"

class QLabel;
class pumpa;

// The pump page: the user picks which three of power, speed, displacement,
// pressure and flow are known, sets them and the two efficiencies, and the
// pump element computes the other two.
class PumpPage : public ModePage {
    Q_OBJECT
  public:
    explicit PumpPage(PageServices& services);

    void RadioGroup1Click() { modeClick(); }
    void btnResetClick() { resetClick(); }
    void btnCalcClick() { calculateClick(); }
    bool validatePumpInputs() const { return inputsUsable(); }
    void showPumpResults(const pumpa& pump);

    // The efficiency fields take their sliders' values; the quantities are reset.
    void startUp() override;
    void loadPictures() override;

    // What the circuit reads of the pump: its mode-1 inputs and efficiencies.
    // While the fields still show the last calculation, its unrounded
    // figures, so the circuit's pump gives the flow and power shown here;
    // otherwise the fields as they stand. A field that holds no usable
    // figure (a blank one too, or one beyond its range) turns red and throws
    // InputError naming the quantity and its range.
    PumpInputs inputs() const;
    // The flow field's number, as PumpFlowSource (pages/PageLinks.h) describes
    // it, except that a text that is no number is named in a message (the
    // field turns red) and gives nothing, as a blank field does.
    std::optional<double> flow() const;
    // The flow field's text, as flowChanged gives it.
    QString flowText() const;

    // The unrounded figures of the last calculation.
    void saveResults(PageState& state) const override;
    void restoreResults(const PageState& state) override;

  signals:
    // Every change of the flow field's text, for the circuit's copy of it.
    void flowChanged(const QString& text);

  protected:
    // A new mode starts from the reset values.
    void enterMode() override { reset(); }
    void calculate(int item) override;
    void reset() override;

  private:
    void buildControls();
    void connectHandlers();
    // The texts inputs() reads, to tell whether they still show the last calculation.
    QStringList inputTexts() const;

    struct Calculated {
        PumpInputs inputs;
        QStringList shown;
    };
    std::optional<Calculated> last_;
    QLabel* Image1 = nullptr;
};
